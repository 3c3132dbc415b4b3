#include <gtest/gtest.h>

#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr uint32_t green = 0x00FF00, red = 0xFF0000;
using Texts = std::pair<std::string, std::string>;

struct Menus : ::testing::Test {
    ProgramDriver program;
    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("menus")));
        program.key(keys::escape); // past the title to the main menu
    }
    void menuButton(int row) { program.click(200, 91 + 50 * row); } // 0 "Play Zentory" .. 8 "Resume Game"
    std::vector<uint32_t> helpPage() const { return program.pixels(44, 95, 686, 355, 3); }
    Texts volumes() const { return {readText(program.dataDir / "svol.lst"), readText(program.dataDir / "mvol.lst")}; }
    // The colours of the last sound mark and of the first music mark.
    std::pair<uint32_t, uint32_t> endMarks() const { return {program.pixel(515, 170), program.pixel(407, 247)}; }
};

} // namespace

TEST_F(Menus, OptionArrowsStopAtTheEndsHelpRemembersItsPageAndTheHomePageOpensTheManual)
{
    writeText(program.dataDir / "svol.lst", "20\n");
    writeText(program.dataDir / "mvol.lst", "1\n");
    menuButton(3);
    EXPECT_EQ(endMarks(), std::pair(green, red));
    program.click(574, 174);
    program.click(365, 251);
    EXPECT_EQ(volumes(), Texts("20\n", "1\n"));
    program.click(365, 174);
    program.click(574, 251);
    EXPECT_EQ(volumes(), Texts("19", "2"));
    EXPECT_EQ(endMarks(), std::pair(red, green));

    // Speed: up twice from normal, then down three times, then up once.
    const int xs[] = {574, 574, 365, 365, 365, 574}, speeds[] = {2, 2, 1, 0, 0, 1}, delays[] = {25, 25, 50, 100, 100, 50};
    for (int i = 0; i < 6; ++i) {
        program.click(xs[i], 324);
        EXPECT_EQ(std::pair(gameSpeed, gameSpeedDelay), std::pair(speeds[i], delays[i]));
    }
    program.key(keys::escape);
    EXPECT_EQ(program.state(), "menu");

    menuButton(4);
    const auto page1 = helpPage();
    program.click(613, 522); // "Next Page"
    const auto page2 = helpPage();
    program.click(613, 522);
    const auto page3 = helpPage();
    EXPECT_TRUE(page1 != page2 && page2 != page3);
    program.key(keys::escape);
    menuButton(4);
    EXPECT_EQ(helpPage(), page3);
    program.click(613, 522);
    EXPECT_EQ(helpPage(), page1);
    program.click(126, 522); // "Main Menu"

    menuButton(6); // "Homepage"
    menuButton(5); // "About"
    program.click(156, 502);
    const std::string manual = "file://" + (std::filesystem::current_path() / "manual.html").string();
    EXPECT_EQ(headlessOpenedUrls(), (std::vector<std::string>{manual, manual}));
    EXPECT_EQ(program.state(), "about");
    program.click(645, 502);
    EXPECT_EQ(program.state(), "menu");
    menuButton(7); // "Quit Game"
    EXPECT_FALSE(engineState().running || engineState().failed);
}
