#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/main_loop.h"
#include "engine/platform/font.h"
#include "engine/platform/headless.h"
#include "engine/random.h"

namespace {

std::vector<int> frames;
void recordFrame(int elapsedMs) { frames.push_back(elapsedMs); }

struct MainLoopTest : ::testing::Test {
    void SetUp() override
    {
        resetEngineForTests();
        headlessReset();
        frames.clear();
        configureEngine(100, "test", true, true);
        initEngine("", "", "", recordFrame, 0, 0, 0, 0);
        takeBuiltinImageList(nullptr);
        ASSERT_TRUE(startEngine());
    }
    void TearDown() override { resetEngineForTests(); }

    // Runs loop turns until the queue is empty and one more turn ran.
    void turn() { ASSERT_TRUE(engineTurn()); }
};

TEST_F(MainLoopTest, ConfigurationIsTakenOnTheFirstCallOnly)
{
    configureEngine(7, "other", false, false);
    initEngine("a", "b", "c", nullptr, 1, 2, 3, 4);
    EXPECT_EQ(engineConfig().windowTitle, "test");
    EXPECT_TRUE(engineConfig().fullScreen);
    EXPECT_EQ(engineConfig().frameHandler, &recordFrame);
    EXPECT_EQ(engineConfig().reserved[3], 0);
}

TEST_F(MainLoopTest, AFrameInTheSameMillisecondIsSkippedAndItsTimeCarriesOver)
{
    headlessAdvance(5);
    turn();
    turn(); // 0 ms later: nothing drawn, nothing presented
    EXPECT_EQ(frames, std::vector<int>({5}));
    EXPECT_EQ(headlessPresentCount(), 1);
    headlessAdvance(3);
    turn();
    EXPECT_EQ(frames, std::vector<int>({5, 3}));
}

TEST_F(MainLoopTest, TimeSpentMinimisedIsNotPassedToTheNextFrame)
{
    headlessAdvance(16);
    turn();
    PlatformEvent minimise;
    minimise.type = PlatformEventType::minimised;
    headlessPushEvent(minimise);
    turn();
    headlessAdvance(10000);
    turn(); // not active: waits, and the clock restarts when it wakes
    EXPECT_EQ(headlessWaitCount(), 1);
    PlatformEvent restore;
    restore.type = PlatformEventType::restored;
    headlessPushEvent(restore);
    turn();
    headlessAdvance(16);
    turn();
    EXPECT_EQ(frames, std::vector<int>({16, 16}));
}

TEST_F(MainLoopTest, AWindowDragDoesNotMakeOneHugeFrame)
{
    headlessAdvance(16);
    turn();
    headlessAdvance(5000); // the drag
    PlatformEvent ended;
    ended.type = PlatformEventType::moveOrSizeEnded;
    headlessPushEvent(ended);
    turn();
    headlessAdvance(16);
    turn();
    EXPECT_EQ(frames, std::vector<int>({16, 16}));
}

TEST_F(MainLoopTest, OneFailedFrameIsSilentTwoInARowEndTheProgram)
{
    headlessFailPresents(1);
    headlessAdvance(1);
    turn();
    headlessAdvance(1);
    turn();
    EXPECT_TRUE(headlessErrors().empty());

    headlessFailPresents(2);
    headlessAdvance(1);
    turn();
    headlessAdvance(1);
    EXPECT_FALSE(engineTurn());
    ASSERT_EQ(headlessErrors().size(), 1u);
    EXPECT_EQ(headlessErrors()[0], "Displaying the next frame failed. The program will now exit. ");
    EXPECT_FALSE(headlessWindowOpen());
    EXPECT_TRUE(engineState().failed); // the process exits with a failure status
    EXPECT_FALSE(engineTurn());
}

TEST_F(MainLoopTest, AnUnfocusedWindowRendersAboutTwoTurnsInAHundred)
{
    headlessSetFocus(false);
    uint32_t game = randomState(); // the throttle is not the game's to draw
    for (int i = 0; i < 2000; ++i) {
        headlessAdvance(1);
        turn();
    }
    // Each idle turn sleeps 10 ms; about 2 % of the turns draw.
    EXPECT_GT(frames.size(), 10u);
    EXPECT_LT(frames.size(), 100u);
    EXPECT_EQ(headlessSleptMs(), 10u * (2000 - frames.size()));
    EXPECT_EQ(randomState(), game);
}

TEST_F(MainLoopTest, QuitApplicationEndsTheLoopCleanly)
{
    headlessAdvance(1);
    turn();
    quitApplication();
    EXPECT_TRUE(frames.size() == 1);
    EXPECT_FALSE(engineTurn());
    EXPECT_FALSE(headlessWindowOpen());
}

TEST(MainLoopStart, AWindowThatCannotOpenEndsStartUpSilently)
{
    resetEngineForTests();
    headlessReset();
    headlessFailWindow(true);
    initEngine("", "", "", recordFrame, 0, 0, 0, 0);
    EXPECT_FALSE(startEngine());
    EXPECT_TRUE(headlessErrors().empty());
    resetEngineForTests();
}

TEST(MainLoopStart, ADisplayThatCannotComeUpShowsBothMessages)
{
    resetEngineForTests();
    headlessReset();
    headlessFailDisplay(true);
    initEngine("", "", "", recordFrame, 0, 0, 0, 0);
    EXPECT_FALSE(startEngine());
    ASSERT_EQ(headlessErrors().size(), 2u);
    EXPECT_EQ(headlessErrors()[0], "This display card does not support 800x600x32");
    EXPECT_EQ(headlessErrors()[1], "DirectDraw init failed.The program will now exit.");
    EXPECT_FALSE(headlessWindowOpen());
    resetEngineForTests();
}

TEST(MainLoopStart, AMissingFontEndsStartUpNamingTheFileAndThePackage)
{
    resetEngineForTests();
    headlessReset();
    fontClose();
    setenv("ZENTORY_FONT", "/nonexistent/zentory-test-font.ttf", 1);
    initEngine("", "", "", recordFrame, 0, 0, 0, 0);
    EXPECT_FALSE(startEngine());
    unsetenv("ZENTORY_FONT");
    ASSERT_EQ(headlessErrors().size(), 1u);
    EXPECT_NE(headlessErrors()[0].find("/nonexistent/zentory-test-font.ttf"), std::string::npos);
    EXPECT_NE(headlessErrors()[0].find("fonts-dejavu-core"), std::string::npos);
    EXPECT_FALSE(headlessWindowOpen());
    resetEngineForTests();
}

} // namespace
