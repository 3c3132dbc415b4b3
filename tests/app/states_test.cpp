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
    setState(State::about);
    calls.push_back("switching drew on");
}

// Only EXPECTs below, so the registry and input are always put back at the end.
TEST(StatesTest, SwitchesTakeEffectNextFrameOnlyToRegisteredStatesAndTheTitleEndsOnTimeOrAtAClick)
{
    resetStatesForTests();
    resetTitleForTests();
    resetInputForTests();
    registerState(State::help, stateA);
    registerState(State::help, stateB); // the first registration stays
    registerState(State::options, switchingState);
    registerState(State::about, stateB);
    runCurrentState(16); // nothing runs before the first switch
    EXPECT_EQ(currentState(), State::none);
    setState(State::help);
    setState(State::menu); // never registered
    runCurrentState(16);
    setState(State::options);
    runCurrentState(16);
    runCurrentState(16);
    EXPECT_EQ(calls, std::vector<std::string>({"A", "switching drew on", "B"}));

    resetStatesForTests();
    calls.clear();
    registerState(State::menu, stateA); // kept by appFrame: the real menu needs a display
    appFrame(16);
    EXPECT_EQ(currentState(), State::title);
    // The title ran in that frame: its countdown went down by 16 ms, so
    // 125 more frames of 16 ms end it.
    for (int i = 0; i < 124; ++i) appFrame(16);
    EXPECT_EQ(currentState(), State::title);
    appFrame(16);
    EXPECT_EQ(currentState(), State::menu);
    EXPECT_TRUE(calls.empty());

    // A click in the first frame ends the title at once; the menu runs from the next.
    resetStatesForTests();
    resetTitleForTests();
    mouseState.leftPressed = true;
    appFrame(16);
    EXPECT_EQ(currentState(), State::menu);
    resetStatesForTests();
    resetInputForTests();
}

} // namespace
