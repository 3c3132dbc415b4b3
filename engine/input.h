#pragma once
// The keyboard and mouse as each frame sees them: a 256-key snapshot in PC
// set-1 scan codes taken once per frame, and the mouse record filled by the
// mouse events that arrive between frames.
#include <cstdint>

#include "engine/platform/platform.h"

struct InputState {
    bool keyboard = false; // set up by initInput
    uint8_t currentKeys[256] = {};
    uint8_t previousKeys[256] = {};
};

struct MouseState {
    int x = 0, y = 0;
    bool leftHeld = false;
    bool leftPressed = false;
    bool leftReleased = false;
    bool rightPressed = false;
};

extern InputState inputState;
extern MouseState mouseState;

// Called by the main loop.
void initInput();
void pollInput();
void onMouseMessage(const PlatformEvent& event);
void endFrameInput();
void shutdownInput();

// Facade.
bool isKeyDown(int keyCode);
bool wasKeyPressed(int keyCode);
// True at once, then again each time more than intervalMs have passed since
// its last true answer, which is remembered even across a release.
bool isKeyRepeated(int keyCode, unsigned intervalMs);
double mouseX();
double mouseY();
bool isLeftButtonDown();
bool leftButtonPressed();
bool leftButtonReleased();
bool rightButtonPressed();
// One frame of editing an upper-case line; true when Return or keypad Enter
// finished it. Never writes more than maxLength characters and the zero.
bool editTextLine(char* text, int maxLength);
// Forgets the repeat table and both snapshots, for tests.
void resetInputForTests();

namespace keys {
constexpr int escape = 0x01, backspace = 0x0E, enter = 0x1C, space = 0x39, keypadEnter = 0x9C;
constexpr int f1 = 0x3B, f2 = 0x3C, f3 = 0x3D, f4 = 0x3E, f5 = 0x3F, f11 = 0x57, f12 = 0x58, del = 0xD3;
} // namespace keys
