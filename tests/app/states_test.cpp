#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/registration.h"
#include "engine/input.h"
#include "screens/screens.h"
#include "screens/states.h"

namespace {

std::vector<std::string> calls;
void stateA(int) { calls.push_back("A"); }
void stateB(int) { calls.push_back("B"); }
void switchingState(int)
{
    setState("B");
    calls.push_back("switching drew on");
}

// Only EXPECTs below, so the registry and input are always put back at the end.
TEST(StatesTest, SwitchesTakeEffectNextFrameOnlyToRegisteredNamesAndTheTitleEndsOnTimeOrAtAClick)
{
    resetStatesForTests();
    resetTitleForTests();
    resetInputForTests();
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

    resetStatesForTests();
    calls.clear();
    appFrame(16);
    EXPECT_EQ(currentStateName(), "title");
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
    resetStatesForTests();
    resetInputForTests();
}

} // namespace
