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
        resetTitleForTests();
        resetInputForTests();
        calls.clear();
    }
    void TearDown() override
    {
        resetStatesForTests();
        resetInputForTests();
        gameGalaxy.gameInProgress = 0;
    }
};

TEST_F(StatesTest, SwitchesTakeEffectFromTheNextFrameOnlyToRegisteredNames)
{
    registerState("A", stateA);
    registerState("A", stateB); // the first registration stays
    registerState("S", switchingState);
    registerState("B", stateB);
    runCurrentState(16); // nothing runs before the first switch
    EXPECT_EQ(currentStateName(), "");
    setState("A");
    setState("never registered");
    setState("a"); // names are case-sensitive
    runCurrentState(16);
    setState("S");
    runCurrentState(16);
    runCurrentState(16);
    EXPECT_EQ(calls, std::vector<std::string>({"A", "switching drew on", "B"}));
}

TEST_F(StatesTest, TheFirstFrameRegistersEveryStateAndRunsTheTitle)
{
    appFrame(16);
    EXPECT_EQ(currentStateName(), "title");
    for (const char* name : {"title", "menu", "options", "help", "about", "load", "openEditor", "editor", "confirm",
                             "openPlay", "play", "noSupport", "placeHuman", "attackHuman", "fightHuman",
                             "transferToConquered", "moveHuman", "startAI", "placeAI", "attackAI", "killed", "win",
                             "stats"})
        EXPECT_TRUE(stateRegistry.handlers.count(name)) << name;
    // The title ran in that frame: its countdown went down by 16 ms, so
    // 125 more frames of 16 ms end it.
    stateRegistry.handlers["menu"] = stateA; // the real menu needs a display
    for (int i = 0; i < 124; ++i) appFrame(16);
    EXPECT_EQ(currentStateName(), "title");
    appFrame(16);
    EXPECT_EQ(currentStateName(), "menu");
    EXPECT_TRUE(calls.empty());

    // A click in the first frame ends the title at once; the menu runs from the next.
    resetStatesForTests();
    resetTitleForTests();
    mouseState.leftPressed = true;
    appFrame(16);
    EXPECT_EQ(currentStateName(), "menu");
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
    resumeGame(0);
    EXPECT_EQ(currentStateName(), "menu");
    // Once a board was opened it returns to where the menu was opened from.
    gameGalaxy.gameInProgress = 1;
    resumeGame(0);
    EXPECT_EQ(currentStateName(), "attackHuman");

    showStatistics(0);
    EXPECT_EQ(currentStateName(), "stats");
    continueAfterStatistics(0);
    EXPECT_EQ(currentStateName(), "attackHuman");
    // An empty slot switches nowhere.
    statsReturnState.clear();
    continueAfterStatistics(0);
    EXPECT_EQ(currentStateName(), "attackHuman");
}

} // namespace
