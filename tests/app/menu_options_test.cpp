#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/open_url.h"
#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

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

TEST_F(Menus, OptionArrowsStopAtTheEndsAndHelpRemembersItsPage)
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
    EXPECT_EQ(program.state(), State::menu);

    menuButton(4);
    const auto page1 = helpPage();
    program.click(613, 522); // "Next Page"
    const auto page2 = helpPage();
    program.click(613, 522);
    const auto page3 = helpPage();
    program.click(613, 522); // the keys
    const auto page4 = helpPage();
    EXPECT_TRUE(page1 != page2 && page2 != page3 && page3 != page4);
    program.key(keys::escape);
    menuButton(4);
    EXPECT_EQ(helpPage(), page4);
    program.click(613, 522);
    EXPECT_EQ(helpPage(), page1);
    program.click(126, 522); // "Main Menu"

    menuButton(5); // "About"
    EXPECT_EQ(program.state(), State::about);
    program.click(645, 502);
    EXPECT_EQ(program.state(), State::menu);
    menuButton(7); // "Quit Game"
    EXPECT_FALSE(engineState().running || engineState().failed);
}

// The platform's opener reports success even where the desktop has no
// xdg-open, so the game asks only when it found one on PATH; otherwise it says
// for a few seconds where the manual is.
TEST_F(Menus, HomepageOpensTheManualOnlyThroughAnOpenerOnThePathElseSaysWhereItIs)
{
    const std::string savedPath = getenv("PATH") ? getenv("PATH") : "";
    const fs::path bin = program.dataDir / "bin", plain = program.dataDir / "plain", dir = program.dataDir / "dir";
    for (const fs::path& folder : {bin, plain, dir / "xdg-open"}) fs::create_directories(folder);
    writeText(bin / "xdg-open", "#!/bin/sh\n");
    writeText(plain / "xdg-open", "not a program");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    fs::permissions(plain / "xdg-open", fs::perms::owner_read | fs::perms::owner_write);
    // PATH, and the opener found: only an executable file counts.
    const std::pair<std::string, std::string> paths[] = {{"", ""},
                                                         {plain.string() + ":" + dir.string(), ""},
                                                         {"::" + plain.string() + ":" + bin.string(), bin / "xdg-open"}};
    for (const auto& [path, opener] : paths) {
        setenv("PATH", path.c_str(), 1);
        EXPECT_EQ(findUrlOpener(), opener) << path;
    }

    const std::string manual = fileUrl((fs::current_path() / "manual.html").string());
    const auto noteBand = [&] { return program.pixels(0, 548, 800, 32, 2); };
    const auto plainBand = noteBand();
    menuButton(6); // "Homepage", with an opener
    EXPECT_EQ(headlessOpenedUrls(), std::vector<std::string>{manual});
    EXPECT_EQ(noteBand(), plainBand);

    struct Case {
        State screen;
        bool manualThere;
        int x, y; // the screen's Homepage button
    };
    setenv("PATH", plain.c_str(), 1);
    std::vector<std::vector<uint32_t>> notes;
    for (const Case& c : {Case{State::menu, true, 200, 391}, Case{State::about, true, 156, 502}, Case{State::menu, false, 200, 391}}) {
        SCOPED_TRACE(c.screen == State::menu ? "menu" : "about" + std::string(c.manualThere ? "" : ", no manual"));
        if (!c.manualThere) fs::rename("manual.html", "manual.moved");
        if (c.screen == State::about) menuButton(5);
        program.frame();
        const auto before = noteBand();
        program.click(c.x, c.y);
        const auto shown = noteBand();
        notes.push_back(shown);
        EXPECT_EQ(program.state(), c.screen);
        EXPECT_NE(shown, before) << "the note is drawn";
        program.frames(300); // 4.8 s
        EXPECT_EQ(noteBand(), shown) << "still there after a few seconds";
        program.frames(100);
        EXPECT_EQ(noteBand(), before) << "gone after 6 s";
        if (c.screen == State::about) program.key(keys::escape);
    }
    EXPECT_NE(notes[0], notes[2]) << "a missing manual is told apart";
    EXPECT_EQ(headlessOpenedUrls().size(), 1u);
    setenv("PATH", savedPath.c_str(), 1);
}
