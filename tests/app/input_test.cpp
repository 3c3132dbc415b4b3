#include <gtest/gtest.h>

#include <cstring>
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
    void press(int code) { headlessPushKey(code, true); }
    void release(int code) { headlessPushKey(code, false); }
};

TEST_F(InputTest, AHeldKeyIsDownEveryFrameButPressedOnlyInTheFirst)
{
    press(0x1E);
    frame();
    EXPECT_TRUE(isKeyDown(0x1E));
    EXPECT_TRUE(wasKeyPressed(0x1E));
    for (int i = 0; i < 5; ++i) {
        frame();
        EXPECT_TRUE(isKeyDown(0x1E));
        EXPECT_FALSE(wasKeyPressed(0x1E));
    }
    release(0x1E);
    frame();
    EXPECT_FALSE(isKeyDown(0x1E));
    // Pressed and released between two polls: never seen.
    press(0x30);
    release(0x30);
    frame();
    EXPECT_FALSE(isKeyDown(0x30));
    EXPECT_FALSE(wasKeyPressed(0x30));
    EXPECT_FALSE(isKeyDown(-1));
    EXPECT_FALSE(wasKeyPressed(256));
}

TEST_F(InputTest, InTheBackgroundEveryKeyReadsAsUp)
{
    press(0x01);
    frame();
    EXPECT_TRUE(isKeyDown(0x01));
    headlessSetFocus(false);
    frame();
    EXPECT_FALSE(isKeyDown(0x01));
    headlessSetFocus(true);
    frame();
    EXPECT_TRUE(wasKeyPressed(0x01)); // seen again as a new press
}

TEST_F(InputTest, RepeatTimingOutlivesARelease)
{
    headlessSetTicks(10000);
    press(keys::backspace);
    frame();
    EXPECT_TRUE(isKeyRepeated(keys::backspace, 140));
    headlessAdvance(140);
    EXPECT_FALSE(isKeyRepeated(keys::backspace, 140)); // exactly 140: not more
    headlessAdvance(1);
    EXPECT_TRUE(isKeyRepeated(keys::backspace, 140)); // last true at 10141
    release(keys::backspace);
    frame();
    EXPECT_FALSE(isKeyRepeated(keys::backspace, 140));
    headlessAdvance(50);
    press(keys::backspace);
    frame();
    EXPECT_FALSE(isKeyRepeated(keys::backspace, 140)); // 50 ms after its last true answer
    headlessAdvance(91);
    EXPECT_TRUE(isKeyRepeated(keys::backspace, 140)); // 141 ms after it
}

TEST_F(InputTest, TheRepeatClockWrapsAround)
{
    headlessSetTicks(0xFFFFFFF0u);
    press(0x0E);
    frame();
    EXPECT_TRUE(isKeyRepeated(0x0E, 140));
    headlessSetTicks(100); // 116 ms later across the wrap
    EXPECT_FALSE(isKeyRepeated(0x0E, 140));
    headlessSetTicks(200);
    EXPECT_TRUE(isKeyRepeated(0x0E, 140));
}

TEST_F(InputTest, LineEditingKeepsTableOrderAndLimits)
{
    char text[41] = "";
    press(0x30); // B
    press(0x1E); // A
    frame();
    EXPECT_FALSE(editTextLine(text, 40));
    EXPECT_STREQ(text, "AB");
    release(0x30);
    release(0x1E);
    press(0x0B); // 0
    press(0x02); // 1
    press(0x39); // space
    frame();
    editTextLine(text, 40);
    EXPECT_STREQ(text, "AB10 ");

    // Return and a letter in the same frame: finished, letter not taken.
    release(0x0B);
    release(0x02);
    release(0x39);
    frame();
    press(0x1C);
    press(0x2C);
    frame();
    EXPECT_TRUE(editTextLine(text, 40));
    EXPECT_STREQ(text, "AB10 ");
    release(0x1C);
    release(0x2C);
    frame();
    press(0x9C);
    frame();
    EXPECT_TRUE(editTextLine(text, 40));
}

TEST_F(InputTest, AFullLineTakesNoLettersButStillBackspaceAndReturn)
{
    char text[41];
    std::memset(text, 'Q', 40);
    text[40] = 0;
    press(0x1E);
    frame();
    editTextLine(text, 40);
    EXPECT_EQ(std::strlen(text), 40u);
    release(0x1E);
    press(keys::backspace);
    frame();
    editTextLine(text, 40);
    EXPECT_EQ(std::strlen(text), 39u);
    release(keys::backspace);
    frame();
    press(0x1C);
    frame();
    EXPECT_TRUE(editTextLine(text, 40));

    // Backspace on an empty text does nothing; a zero limit takes nothing.
    char empty[2] = "";
    release(0x1C);
    headlessAdvance(1000);
    press(keys::backspace);
    press(0x1E);
    frame();
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
    EXPECT_TRUE(leftButtonPressed());
    EXPECT_TRUE(leftButtonReleased());
    EXPECT_TRUE(rightButtonPressed());
    EXPECT_TRUE(isLeftButtonDown());
    EXPECT_EQ(mouseX(), 30.0);
    EXPECT_EQ(mouseY(), 40.0);
    frame();
    EXPECT_FALSE(leftButtonPressed());
    EXPECT_FALSE(leftButtonReleased());
    EXPECT_FALSE(rightButtonPressed());
    EXPECT_TRUE(isLeftButtonDown()); // held and position stay
    EXPECT_EQ(mouseX(), 30.0);
    headlessPushMouse(PlatformEventType::mouseButtonUp, 5, 6);
    frame();
    EXPECT_FALSE(isLeftButtonDown());
}

} // namespace
