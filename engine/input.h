#pragma once
// The keyboard and mouse as each frame sees them: a 256-key snapshot in PC
// set-1 scan codes taken once per frame, and the mouse record filled by the
// mouse events that arrive between frames. The key snapshot is built from the
// key events since the last frame, so a tap shorter than a frame still counts
// as a press and typed keys keep their order.
#include <cstdint>

#include "engine/platform/platform.h"

// Presses and typed characters kept for one frame; more in one frame are
// dropped (no one types that fast: a frame is about 16 ms).
constexpr int maxTypedPerFrame = 64;
// In the typed queue, a character (a byte of the text typed) is this plus
// the byte; below it, a key's set-1 code.
constexpr int typedCharacterMark = 0x100;

struct InputState {
    bool keyboard = false; // set up by initInput
    // The frame's snapshot: down at any moment since the last poll, and went
    // down since the last poll.
    uint8_t currentKeys[256] = {};
    uint8_t pressedKeys[256] = {};
    uint16_t typed[maxTypedPerFrame] = {}; // key codes and characters in the order they came
    int typedCount = 0;
    // Gathered from the events until the next poll.
    bool heldKeys[256] = {};
    bool pressedSincePoll[256] = {};
    uint16_t pendingTyped[maxTypedPerFrame] = {};
    int pendingCount = 0;
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
// A key went down or up (the platform's set-1 code); a down for a key that is
// already down is the system's auto-repeat, not a press.
void onKeyMessage(const PlatformEvent& event);
// Characters typed: queued among the key presses in the order they came.
void onTextMessage(const PlatformEvent& event);
void onMouseMessage(const PlatformEvent& event);
void endFrameInput();
void shutdownInput();

// Facade.
// Down at any moment since the previous frame.
bool isKeyDown(int keyCode);
// Went down since the previous frame.
bool wasKeyPressed(int keyCode);
// A press read once: true if the key went down since the previous frame and
// no one took the press before in this frame; later readers of the frame see
// no press. For a key two readers of one frame would both act on.
bool takeKeyPress(int keyCode);
// Either Shift key is down.
bool isShiftDown();
// True at once, then again each time more than intervalMs have passed since
// its last true answer, which is remembered even across a release.
bool isKeyRepeated(int keyCode, unsigned intervalMs);
double mouseX();
double mouseY();
bool isLeftButtonDown();
bool leftButtonPressed();
bool leftButtonReleased();
bool rightButtonPressed();
// One frame of editing an upper-case line: the frame's typed characters and
// presses are taken in the order they happened, a held Backspace repeats;
// true when Return or keypad Enter finished it, and input after it in the
// same frame is not taken. The characters come from the text the keyboard
// typed (so Shift and the layout count): capitals, digits and space are
// taken, small letters as capitals, and every other character is ignored.
// Never writes more than maxLength characters and the zero.
bool editTextLine(char* text, int maxLength);
// The same taking every printable ASCII character as typed (small letters,
// '.', ':' too): a host's address, a player's name.
bool editPlainLine(char* text, int maxLength);
// Forgets the repeat table, the snapshots and the gathered events, for tests.
void resetInputForTests();

namespace keys {
constexpr int escape = 0x01, backspace = 0x0E, enter = 0x1C, space = 0x39, keypadEnter = 0x9C;
constexpr int tab = 0x0F, leftShift = 0x2A, rightShift = 0x36, n = 0x31, one = 0x02;
constexpr int up = 0xC8, left = 0xCB, right = 0xCD, down = 0xD0;
constexpr int f1 = 0x3B, f2 = 0x3C, f3 = 0x3D, f4 = 0x3E, f5 = 0x3F, f11 = 0x57, f12 = 0x58, del = 0xD3;
} // namespace keys
