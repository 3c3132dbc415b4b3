#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/screens.h"
#include "app/states.h"
#include "engine/input.h"
#include "game/galaxy.h"

namespace {

std::vector<std::string> calls;
void stateA(int) { calls.push_back("A"); }
void stateB(int) { calls.push_back("B"); }
void switchingState(int)
{
    setState("B");
    calls.push_back("switching drew on");
}

struct StatesTest : ::testing::Test {
    void SetUp() override
    {
        resetStatesForTests();
        calls.clear();
    }
    void TearDown() override { resetStatesForTests(); }
};

TEST_F(StatesTest, NothingRunsBeforeTheFirstSwitch)
{
    registerState("A", stateA);
    runCurrentState(16);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(currentStateName(), "");
}

TEST_F(StatesTest, TheFirstRegistrationStaysAndUnknownNamesChangeNothing)
{
    registerState("A", stateA);
    registerState("A", stateB);
    setState("A");
    setState("never registered");
    setState("a"); // names are case-sensitive
    runCurrentState(16);
    EXPECT_EQ(calls, std::vector<std::string>({"A"}));
    EXPECT_EQ(currentStateName(), "A");
}

TEST_F(StatesTest, ASwitchTakesEffectFromTheNextFrame)
{
    registerState("S", switchingState);
    registerState("B", stateB);
    setState("S");
    runCurrentState(16);
    runCurrentState(16);
    EXPECT_EQ(calls, std::vector<std::string>({"switching drew on", "B"}));
}

TEST_F(StatesTest, TheFirstFrameRegistersEveryStateAndRunsTheTitle)
{
    resetTitleForTests();
    appFrame(16);
    EXPECT_EQ(currentStateName(), "title");
    EXPECT_FALSE(stateRegistry.firstFrame);
    EXPECT_TRUE(stateRegistry.handlers.count("title"));
    // The title ran in that frame: its countdown went down by 16 ms, so
    // 125 more frames of 16 ms end it.
    registerState("menu", stateA);
    for (int i = 0; i < 124; ++i) appFrame(16);
    EXPECT_EQ(currentStateName(), "title");
    appFrame(16);
    EXPECT_EQ(currentStateName(), "menu");
}

TEST_F(StatesTest, AClickInTheFirstFrameEndsTheTitleAtOnce)
{
    resetTitleForTests();
    resetInputForTests();
    registerState("menu", stateA);
    mouseState.leftPressed = true;
    appFrame(16);
    EXPECT_EQ(currentStateName(), "menu");
    EXPECT_TRUE(calls.empty()); // the menu runs from the next frame
    resetInputForTests();
}

TEST_F(StatesTest, RememberingAndReturningActions)
{
    registerState("menu", stateA);
    registerState("attackHuman", stateB);
    registerState("stats", stateA);
    // With no game opened, resuming does nothing.
    setState("attackHuman");
    menuFromGame(0);
    EXPECT_EQ(currentStateName(), "menu");
    EXPECT_EQ(menuReturnState, "attackHuman");
    resumeGame(0);
    EXPECT_EQ(currentStateName(), "menu");
    // Once a board was opened it returns to where the menu was opened from.
    gameGalaxy.gameInProgress = 1;
    resumeGame(0);
    EXPECT_EQ(currentStateName(), "attackHuman");
    gameGalaxy.gameInProgress = 0;

    setState("attackHuman");
    showStatistics(0);
    EXPECT_EQ(currentStateName(), "stats");
    continueAfterStatistics(0);
    EXPECT_EQ(currentStateName(), "attackHuman");

    // An empty slot switches nowhere.
    statsReturnState.clear();
    setState("menu");
    continueAfterStatistics(0);
    EXPECT_EQ(currentStateName(), "menu");
}

} // namespace
