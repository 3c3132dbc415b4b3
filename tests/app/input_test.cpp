#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "engine/input.h"
#include "engine/platform/headless.h"

namespace {

struct InputTest : ::testing::Test {
    void SetUp() override
    {
        headlessReset();
        resetInputForTests();
        initInput();
    }
    // Delivers the queued events the way the main loop does, then polls.
    void frame()
    {
        endFrameInput();
        PlatformEvent e;
        while (platformPollEvent(e))
            if (e.type != PlatformEventType::keyDown && e.type != PlatformEventType::keyUp) onMouseMessage(e);
        pollInput();
    }
    // Holds exactly these keys in the next frame.
    void hold(std::initializer_list<int> codes)
    {
        for (int c = 0; c < 256; ++c) headlessPushKey(c, false);
        for (int c : codes) headlessPushKey(c, true);
        frame();
    }
};

TEST_F(InputTest, AHeldKeyIsDownEveryFrameButPressedOnlyInTheFirstAndNotInTheBackground)
{
    hold({0x1E});
    EXPECT_TRUE(isKeyDown(0x1E) && wasKeyPressed(0x1E));
    frame();
    EXPECT_TRUE(isKeyDown(0x1E));
    EXPECT_FALSE(wasKeyPressed(0x1E));
    // Pressed and released between two polls: never seen.
    headlessPushKey(0x30, true);
    headlessPushKey(0x30, false);
    frame();
    EXPECT_FALSE(isKeyDown(0x30) || wasKeyPressed(0x30) || isKeyDown(-1) || wasKeyPressed(256));
    headlessSetFocus(false);
    frame();
    EXPECT_FALSE(isKeyDown(0x1E));
    headlessSetFocus(true);
    frame();
    EXPECT_TRUE(wasKeyPressed(0x1E)); // seen again as a new press
}

TEST_F(InputTest, RepeatTimingOutlivesAReleaseAndTheClockWrap)
{
    headlessSetTicks(0xFFFFFFF0u);
    hold({keys::backspace});
    EXPECT_TRUE(isKeyRepeated(keys::backspace, 140));
    headlessAdvance(140);
    EXPECT_FALSE(isKeyRepeated(keys::backspace, 140)); // exactly 140, across the wrap: not more
    headlessAdvance(1);
    EXPECT_TRUE(isKeyRepeated(keys::backspace, 140)); // last true at 125 after the wrap
    hold({});
    EXPECT_FALSE(isKeyRepeated(keys::backspace, 140));
    headlessAdvance(50);
    hold({keys::backspace});
    EXPECT_FALSE(isKeyRepeated(keys::backspace, 140)); // 50 ms after its last true answer
    headlessAdvance(91);
    EXPECT_TRUE(isKeyRepeated(keys::backspace, 140));
}

TEST_F(InputTest, LineEditingKeepsTableOrderLimitsAndFinishesOnReturn)
{
    char text[41] = "";
    hold({0x30, 0x1E}); // B, A
    EXPECT_FALSE(editTextLine(text, 40));
    hold({0x0B, 0x02, 0x39}); // 0, 1, space
    editTextLine(text, 40);
    EXPECT_STREQ(text, "AB10 ");
    // Return and a letter in the same frame: finished, letter not taken.
    hold({keys::enter, 0x2C});
    EXPECT_TRUE(editTextLine(text, 40));
    EXPECT_STREQ(text, "AB10 ");
    hold({keys::keypadEnter});
    EXPECT_TRUE(editTextLine(text, 40));

    // A full line takes no letters but still Backspace.
    std::memset(text, 'Q', 40);
    text[40] = 0;
    hold({0x1E});
    editTextLine(text, 40);
    EXPECT_EQ(std::strlen(text), 40u);
    headlessAdvance(1000);
    hold({keys::backspace});
    editTextLine(text, 40);
    EXPECT_EQ(std::strlen(text), 39u);
    // Backspace on an empty text does nothing; a zero limit takes nothing.
    char empty[2] = "";
    headlessAdvance(1000);
    hold({keys::backspace, 0x1E});
    EXPECT_FALSE(editTextLine(empty, 0));
    EXPECT_STREQ(empty, "");
}

TEST_F(InputTest, ClickFlagsLiveForOneFrame)
{
    headlessPushMouse(PlatformEventType::mouseButtonDown, 10, 20);
    headlessPushMouse(PlatformEventType::mouseButtonUp, 10, 20);
    headlessPushMouse(PlatformEventType::mouseButtonDown, 11, 21);
    headlessPushMouse(PlatformEventType::mouseButtonDown, 30, 40, 3);
    frame();
    EXPECT_TRUE(leftButtonPressed() && leftButtonReleased() && rightButtonPressed() && isLeftButtonDown());
    EXPECT_EQ(mouseX(), 30.0);
    EXPECT_EQ(mouseY(), 40.0);
    frame();
    EXPECT_FALSE(leftButtonPressed() || leftButtonReleased() || rightButtonPressed());
    EXPECT_TRUE(isLeftButtonDown()); // held and position stay
    EXPECT_EQ(mouseX(), 30.0);
    headlessPushMouse(PlatformEventType::mouseButtonUp, 5, 6);
    frame();
    EXPECT_FALSE(isLeftButtonDown());
}

} // namespace
