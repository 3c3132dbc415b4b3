#include <gtest/gtest.h>

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
    // Holds exactly these keys in the next frame.
    void hold(std::initializer_list<int> codes)
    {
        for (int c = 0; c < 256; ++c) headlessPushKey(c, false);
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

TEST_F(InputTest, AHeldKeyIsPressedOnlyInTheFirstFrameNotInTheBackgroundAndRepeatsOnItsOwnClock)
{
    hold({0x1E});
    EXPECT_TRUE(isKeyDown(0x1E) && wasKeyPressed(0x1E));
    nextInputFrame();
    EXPECT_TRUE(isKeyDown(0x1E) && !wasKeyPressed(0x1E));
    // Pressed and released between two polls: never seen.
    headlessPushKey(0x30, true);
    headlessPushKey(0x30, false);
    nextInputFrame();
    EXPECT_FALSE(isKeyDown(0x30) || wasKeyPressed(0x30) || isKeyDown(-1) || wasKeyPressed(256));
    headlessSetFocus(false);
    nextInputFrame();
    EXPECT_FALSE(isKeyDown(0x1E));
    headlessSetFocus(true);
    nextInputFrame();
    EXPECT_TRUE(wasKeyPressed(0x1E)); // seen again as a new press

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
}

TEST_F(InputTest, LineEditingKeepsTableOrderLimitsAndFinishesOnReturn)
{
    char text[41] = "";
    EXPECT_FALSE(edit({0x30, 0x1E}, text)); // B, A
    edit({0x0B, 0x02, 0x39}, text);         // 0, 1, space
    EXPECT_STREQ(text, "AB10 ");
    // Return and a letter in the same frame: finished, letter not taken.
    EXPECT_TRUE(edit({keys::enter, 0x2C}, text));
    EXPECT_STREQ(text, "AB10 ");
    EXPECT_TRUE(edit({keys::keypadEnter}, text));

    // A full line takes no letters but still Backspace.
    std::strcpy(text, std::string(40, 'Q').c_str());
    edit({0x1E}, text);
    EXPECT_EQ(std::strlen(text), 40u);
    headlessAdvance(1000);
    edit({keys::backspace}, text);
    EXPECT_EQ(std::strlen(text), 39u);
    // Backspace on an empty text does nothing; a zero limit takes nothing.
    char empty[2] = "";
    headlessAdvance(1000);
    EXPECT_FALSE(edit({keys::backspace, 0x1E}, empty, 0));
    EXPECT_STREQ(empty, "");
}

TEST_F(InputTest, ClickFlagsLiveForOneFrame)
{
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

} // namespace
