#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr uint32_t green = 0x00FF00, red = 0xFF0000;

std::string fileText(const std::filesystem::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

std::vector<uint32_t> helpPage(const Image& im)
{
    std::vector<uint32_t> out;
    for (int y = 95; y < 450; y += 3)
        for (int x = 44; x < 730; x += 3) out.push_back(im.at(x, y));
    return out;
}

// The program on the main menu.
struct Menus : ::testing::Test {
    ProgramDriver program;
    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("menus")));
        program.key(keys::escape);
        ASSERT_EQ(program.state(), "menu");
    }
    void TearDown() override { program.stop(); }
    void menuButton(int row) { program.click(200, 91 + 50 * row); } // rows of 50 from "Play Zentory"
};

} // namespace

TEST_F(Menus, ResumeActsOnlyOnceABoardWasOpenedAndReturnsToIt)
{
    program.key(keys::escape);
    menuButton(8); // where "Resume Game" would be
    EXPECT_EQ(program.state(), "menu");
    menuButton(0);
    program.click(247, 514); // "start"
    ASSERT_TRUE(program.runUntil("placeHuman", 2000));
    program.click(80, 555); // the board's "Menu"
    EXPECT_EQ(program.state(), "menu");
    menuButton(8);
    EXPECT_EQ(program.state(), "placeHuman");
    program.key(keys::escape);
    program.key(keys::escape);
    EXPECT_EQ(program.state(), "placeHuman");
}

TEST_F(Menus, VolumeArrowsStopAtTheEndsWithoutRewritingTheFiles)
{
    std::ofstream(program.dataDir / "svol.lst") << "20\n";
    std::ofstream(program.dataDir / "mvol.lst") << "1\n";
    menuButton(3);
    ASSERT_EQ(program.state(), "options");
    EXPECT_EQ(program.pixel(515, 170), green); // the last sound mark
    EXPECT_EQ(program.pixel(407, 247), red);   // the first music mark
    program.click(574, 174);
    program.click(365, 251);
    EXPECT_EQ(fileText(program.dataDir / "svol.lst"), "20\n");
    EXPECT_EQ(fileText(program.dataDir / "mvol.lst"), "1\n");
    program.click(365, 174);
    program.click(574, 251);
    EXPECT_EQ(fileText(program.dataDir / "svol.lst"), "19");
    EXPECT_EQ(fileText(program.dataDir / "mvol.lst"), "2");
    EXPECT_EQ(program.pixel(515, 170), red);
    EXPECT_EQ(program.pixel(407, 247), green);
}

TEST_F(Menus, SpeedArrowsStepThroughTheThreeSpeeds)
{
    menuButton(3);
    // Up twice from normal, then down three times, then up once.
    const int xs[] = {574, 574, 365, 365, 365, 574};
    const int speeds[] = {2, 2, 1, 0, 0, 1};
    const int delays[] = {25, 25, 50, 100, 100, 50};
    for (int i = 0; i < 6; ++i) {
        program.click(xs[i], 324);
        EXPECT_EQ(gameSpeed, speeds[i]);
        EXPECT_EQ(gameSpeedDelay, delays[i]);
    }
    program.key(keys::escape);
    EXPECT_EQ(program.state(), "menu");
}

TEST_F(Menus, HelpRemembersItsPageAndTheHomePageOpensTheManual)
{
    menuButton(4);
    const auto page1 = helpPage(program.screen());
    program.click(613, 522);
    const auto page2 = helpPage(program.screen());
    program.click(613, 522);
    const auto page3 = helpPage(program.screen());
    EXPECT_NE(page1, page2);
    EXPECT_NE(page2, page3);
    program.key(keys::escape);
    menuButton(4);
    EXPECT_EQ(helpPage(program.screen()), page3);
    program.click(613, 522);
    EXPECT_EQ(helpPage(program.screen()), page1);
    program.click(126, 522); // "Main Menu"
    EXPECT_EQ(program.state(), "menu");

    menuButton(6); // "Homepage"
    menuButton(5); // "About"
    program.click(156, 502);
    const auto& urls = headlessOpenedUrls();
    ASSERT_EQ(urls.size(), 2u);
    EXPECT_EQ(urls[0], urls[1]);
    const std::string path = (std::filesystem::current_path() / "manual.html").string();
    EXPECT_EQ(urls[0], "file://" + path);
    EXPECT_EQ(program.state(), "about");
    program.click(645, 502);
    EXPECT_EQ(program.state(), "menu");
}

TEST_F(Menus, QuitGameEndsTheProgramAsASuccess)
{
    menuButton(7);
    EXPECT_FALSE(engineState().running);
    EXPECT_FALSE(engineState().failed);
}
