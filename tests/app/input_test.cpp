#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

#include "tests/app/test_support.h"

namespace {

struct InputTest : ::testing::Test {
    void SetUp() override
    {
        headlessReset();
        resetInputForTests();
        initInput();
    }
    // Holds exactly these keys in the next frame: the others go up, and these go down unless they are
    // down already.
    void hold(std::initializer_list<int> codes)
    {
        for (int c = 0; c < 256; ++c)
            if (std::find(codes.begin(), codes.end(), c) == codes.end()) headlessPushKey(c, false);
        for (int c : codes) headlessPushKey(c, true);
        nextInputFrame();
    }
    // Holds the keys and edits the text line with them.
    bool edit(std::initializer_list<int> codes, char* text, int limit = 40)
    {
        hold(codes);
        return editTextLine(text, limit);
    }
};

TEST_F(InputTest, EveryPressBetweenTwoFramesCountsOnceNoKeyStaysStuckAndClickFlagsLiveForOneFrame)
{
    hold({0x1E});
    EXPECT_TRUE(isKeyDown(0x1E) && wasKeyPressed(0x1E));
    headlessPushKey(0x1E, true); // the system's auto-repeat
    nextInputFrame();
    EXPECT_TRUE(isKeyDown(0x1E) && !wasKeyPressed(0x1E));
    // A tap inside one frame, and a held key let go and struck again: both pressed in the next frame only.
    const std::pair<int, bool> events[] = {{0x30, true}, {0x30, false}, {0x1E, false}, {0x1E, true}};
    for (auto [code, down] : events) headlessPushKey(code, down);
    nextInputFrame();
    EXPECT_TRUE(wasKeyPressed(0x30) && isKeyDown(0x30) && wasKeyPressed(0x1E));
    nextInputFrame();
    EXPECT_FALSE(wasKeyPressed(0x30) || isKeyDown(0x30) || wasKeyPressed(0x1E));
    EXPECT_FALSE(isKeyDown(-1) || wasKeyPressed(256));
    // Keys held when the keyboard goes to another window are forgotten there.
    headlessSetFocus(false);
    nextInputFrame();
    EXPECT_FALSE(isKeyDown(0x1E));
    headlessSetFocus(true);
    nextInputFrame();
    EXPECT_FALSE(isKeyDown(0x1E));
    hold({0x1E});
    EXPECT_TRUE(wasKeyPressed(0x1E));

    // {ms later, held, repeated}: exactly 140 ms is not more, across the clock wrap too; after a release
    // the time still counts from the last true answer (125 ms after the wrap).
    headlessSetTicks(0xFFFFFFF0u);
    const std::tuple<uint32_t, bool, bool> steps[] = {{0, true, true},   {140, true, false}, {1, true, true},
                                                      {0, false, false}, {50, true, false},  {91, true, true}};
    for (auto [ms, held, repeated] : steps) {
        headlessAdvance(ms);
        held ? hold({keys::backspace}) : hold({});
        EXPECT_EQ(isKeyRepeated(keys::backspace, 140), repeated) << ms;
    }

    // Click flags live for one frame; the button held and the position stay.
    headlessPushMouse(PlatformEventType::mouseButtonDown, 10, 20);
    headlessPushMouse(PlatformEventType::mouseButtonUp, 10, 20);
    headlessPushMouse(PlatformEventType::mouseButtonDown, 11, 21);
    headlessPushMouse(PlatformEventType::mouseButtonDown, 30, 40, 3);
    nextInputFrame();
    EXPECT_TRUE(leftButtonPressed() && leftButtonReleased() && rightButtonPressed() && isLeftButtonDown());
    EXPECT_EQ(std::pair(mouseX(), mouseY()), std::pair(30.0, 40.0));
    nextInputFrame();
    EXPECT_FALSE(leftButtonPressed() || leftButtonReleased() || rightButtonPressed());
    EXPECT_TRUE(isLeftButtonDown() && mouseX() == 30.0); // held and position stay
    headlessPushMouse(PlatformEventType::mouseButtonUp, 5, 6);
    nextInputFrame();
    EXPECT_FALSE(isLeftButtonDown());
}

// Taps (down and up) of these set-1 codes before the next frame.
void tap(std::initializer_list<int> codes)
{
    for (int c : codes) {
        headlessPushKey(c, true);
        headlessPushKey(c, false);
    }
}

TEST_F(InputTest, LineEditingTakesEveryTapOfAFrameInOrderWithinTheLimit)
{
    // The characters the keyboard typed, one event per key as Shift and the layout make them: small
    // letters come in as capitals, and anything else the line cannot hold is left out, never turned
    // into another character ("!" is no "1").
    char text[41] = "";
    for (const char* typed : {"S", "m", "A", "!", "L", "L", " ", "T", "*", "E", "S", "\xc3\xa9", "T", "@", "7"})
        headlessPushText(typed);
    nextInputFrame();
    EXPECT_FALSE(editTextLine(text, 40));
    EXPECT_STREQ(text, "SMALL TEST7");
    // Digits, a Backspace between them, then Return: what came before Return is taken, nothing after it.
    std::strcpy(text, "");
    headlessPushText("B");
    headlessPushText("A");
    tap({keys::backspace});
    headlessPushText("01");
    tap({keys::enter});
    headlessPushText("Z");
    nextInputFrame();
    EXPECT_TRUE(editTextLine(text, 40));
    EXPECT_STREQ(text, "B01");
    EXPECT_TRUE(edit({keys::keypadEnter}, text));

    // Two Backspace taps 60 ms apart both erase; a held one repeats 140 ms after its press, not before.
    std::strcpy(text, "ABCDE");
    const std::tuple<uint32_t, bool, const char*> backspaces[] = {
        {1000, false, "ABCD"}, {60, false, "ABC"}, {200, true, "AB"}, {140, true, "AB"}, {1, true, "A"}};
    for (auto [ms, keepHeld, after] : backspaces) {
        headlessAdvance(ms);
        if (keepHeld) {
            hold({keys::backspace});
        } else {
            tap({keys::backspace});
            nextInputFrame();
        }
        editTextLine(text, 40);
        EXPECT_STREQ(text, after) << ms;
    }

    // A full line takes no letters but still Backspace; a zero limit takes nothing; a flood of taps in one
    // frame keeps the first 64.
    std::strcpy(text, std::string(40, 'Q').c_str());
    headlessPushText("A");
    nextInputFrame();
    editTextLine(text, 40);
    EXPECT_EQ(std::strlen(text), 40u);
    char empty[2] = "";
    headlessPushText("A");
    EXPECT_FALSE(edit({keys::backspace}, empty, 0));
    EXPECT_STREQ(empty, "");
    char wide[101] = "";
    for (int i = 0; i < 70; ++i) headlessPushText("A");
    nextInputFrame();
    editTextLine(wide, 100);
    EXPECT_EQ(std::string(wide), std::string(64, 'A'));
}

} // namespace
