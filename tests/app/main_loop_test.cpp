#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/random.h"
#include "engine/main_loop.h"
#include "engine/platform/font.h"
#include "engine/platform/headless.h"
#include "tests/support/scratch_dir.h"

namespace {

std::vector<int> frames;
void recordFrame(int elapsedMs) { frames.push_back(elapsedMs); }

struct MainLoopTest : ::testing::Test {
    ScratchFolder folder{"main_loop"}; // the engine writes its volume files here
    void SetUp() override
    {
        resetEngineForTests();
        headlessReset();
        frames.clear();
        configureEngine(100, "test", true, true);
        initEngine("", "", recordFrame);
        takeBuiltinImageList(nullptr);
        ASSERT_TRUE(startEngine());
    }
    void TearDown() override { resetEngineForTests(); }

    // One loop turn, ms after the last.
    void turn(uint32_t ms = 0)
    {
        headlessAdvance(ms);
        ASSERT_TRUE(engineTurn());
    }
};

TEST_F(MainLoopTest, ConfigurationIsTakenOnceFramesGetOnlyTheirOwnTimeAndQuitEnds)
{
    configureEngine(7, "other", false, false);
    initEngine("b", "c", nullptr);
    EXPECT_TRUE(engineConfig().windowTitle == "test" && engineConfig().frameHandler == &recordFrame);
    turn(5);
    turn(); // 0 ms later: nothing drawn, nothing presented
    EXPECT_EQ(headlessPresentCount(), 1);
    turn(3);
    // Time spent minimised or dragging the window is not passed to the next frame.
    auto event = [](PlatformEventType type) {
        PlatformEvent e;
        e.type = type;
        headlessPushEvent(e);
    };
    event(PlatformEventType::minimised);
    turn();
    turn(10000); // not active: waits, and the clock restarts when it wakes
    EXPECT_EQ(headlessWaitCount(), 1);
    event(PlatformEventType::restored);
    turn();
    turn(16);
    headlessAdvance(5000); // a window drag
    event(PlatformEventType::moveOrSizeEnded);
    turn();
    turn(16);
    quitApplication();
    EXPECT_FALSE(engineTurn() || headlessWindowOpen());
    EXPECT_EQ(frames, std::vector<int>({5, 3, 16, 16}));
}

TEST_F(MainLoopTest, AnUnfocusedWindowRendersAboutTwoTurnsInAHundredAndTwoFailedFramesEndTheProgram)
{
    headlessSetFocus(false);
    for (int i = 0; i < 2000; ++i) turn(1);
    // Each idle turn sleeps 10 ms; about 2 % of the turns draw.
    EXPECT_TRUE(frames.size() > 10u && frames.size() < 100u) << frames.size();
    EXPECT_EQ(headlessSleptMs(), 10u * (2000 - frames.size()));
    // A network game runs every frame in the background.
    runWhileUnfocused(true);
    const size_t before = frames.size();
    for (int i = 0; i < 10; ++i) turn(1);
    EXPECT_EQ(frames.size(), before + 10);

    headlessSetFocus(true);
    headlessFailPresents(1); // one failed frame is silent
    for (int i = 0; i < 2; ++i) turn(1);
    EXPECT_TRUE(headlessErrors().empty());
    headlessFailPresents(2);
    turn(1);
    headlessAdvance(1);
    EXPECT_FALSE(engineTurn());
    EXPECT_EQ(headlessErrors(), std::vector<std::string>{"Displaying the next frame failed. The program will now exit. "});
    // The process exits with a failure status.
    EXPECT_TRUE(!headlessWindowOpen() && engineState().failed && !engineTurn());
}

// Starts the engine with one part of the platform failing; the error boxes shown.
std::vector<std::string> failedStart(void (*fail)())
{
    resetEngineForTests();
    headlessReset();
    fail();
    initEngine("", "", recordFrame);
    EXPECT_FALSE(startEngine());
    EXPECT_FALSE(headlessWindowOpen());
    std::vector<std::string> errors = headlessErrors();
    resetEngineForTests();
    return errors;
}

TEST(MainLoopStart, WhatCannotStartEndsStartUpWithItsMessage)
{
    EXPECT_TRUE(failedStart([] { headlessFailWindow(true); }).empty());
    EXPECT_EQ(failedStart([] { headlessFailDisplay(true); }),
              (std::vector<std::string>{"This display card does not support 800x600x32",
                                        "DirectDraw init failed.The program will now exit."}));
    auto font = failedStart([] {
        fontClose();
        setenv("ZENTORY_FONT", "/nonexistent/zentory-test-font.ttf", 1);
    });
    unsetenv("ZENTORY_FONT");
    ASSERT_EQ(font.size(), 1u);
    EXPECT_NE(font[0].find("/nonexistent/zentory-test-font.ttf"), std::string::npos);
    EXPECT_NE(font[0].find("fonts-dejavu-core"), std::string::npos);
}

} // namespace
