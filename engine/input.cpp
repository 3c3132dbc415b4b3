#include "engine/input.h"

#include <cstring>
#include <map>

InputState inputState;
MouseState mouseState;

// Key code -> tick of its last true repeat answer; entries are never removed.
static std::map<int, uint32_t> keyRepeatTable;

void initInput()
{
    shutdownInput();
    inputState.keyboard = true;
}

static void forgetGatheredKeys()
{
    std::memset(inputState.heldKeys, 0, sizeof inputState.heldKeys);
    std::memset(inputState.pressedSincePoll, 0, sizeof inputState.pressedSincePoll);
    inputState.pendingCount = 0;
}

void pollInput()
{
    if (!inputState.keyboard) return;
    // In the background every key reads up, and keys held when the window
    // lost the keyboard are forgotten, so none stays stuck down; the platform
    // reports a key still held as a new press when the keyboard comes back.
    if (!platformHasFocus()) forgetGatheredKeys();
    for (int code = 0; code < 256; ++code) {
        bool pressed = inputState.pressedSincePoll[code];
        inputState.pressedKeys[code] = pressed ? 0x80 : 0;
        inputState.currentKeys[code] = pressed || inputState.heldKeys[code] ? 0x80 : 0;
    }
    std::memcpy(inputState.typed, inputState.pendingTyped, sizeof inputState.typed);
    inputState.typedCount = inputState.pendingCount;
    std::memset(inputState.pressedSincePoll, 0, sizeof inputState.pressedSincePoll);
    inputState.pendingCount = 0;
}

void onKeyMessage(const PlatformEvent& e)
{
    if (!inputState.keyboard || e.code <= 0 || e.code > 255) return;
    bool& held = inputState.heldKeys[e.code];
    if (e.type == PlatformEventType::keyUp) {
        held = false;
        return;
    }
    if (e.type != PlatformEventType::keyDown || held) return;
    held = true;
    inputState.pressedSincePoll[e.code] = true;
    if (inputState.pendingCount < maxTypedPerFrame)
        inputState.pendingTyped[inputState.pendingCount++] = static_cast<uint16_t>(e.code);
}

void onTextMessage(const PlatformEvent& e)
{
    if (!inputState.keyboard || e.type != PlatformEventType::textInput) return;
    for (size_t i = 0; i < sizeof e.text && e.text[i] && inputState.pendingCount < maxTypedPerFrame; ++i)
        inputState.pendingTyped[inputState.pendingCount++] =
            static_cast<uint16_t>(typedCharacterMark | static_cast<unsigned char>(e.text[i]));
}

void onMouseMessage(const PlatformEvent& e)
{
    mouseState.leftHeld = e.leftHeld;
    mouseState.x = e.x & 0xFFFF;
    mouseState.y = e.y & 0xFFFF;
    if (e.type == PlatformEventType::mouseButtonDown && e.button == 1) mouseState.leftPressed = true;
    if (e.type == PlatformEventType::mouseButtonUp && e.button == 1) mouseState.leftReleased = true;
    if (e.type == PlatformEventType::mouseButtonDown && e.button == 3) mouseState.rightPressed = true;
}

void endFrameInput()
{
    mouseState.leftPressed = false;
    mouseState.leftReleased = false;
    mouseState.rightPressed = false;
}

void shutdownInput()
{
    inputState = InputState{};
}

static bool validCode(int code) { return code >= 0 && code < 256; }

bool isKeyDown(int keyCode) { return validCode(keyCode) && inputState.currentKeys[keyCode] != 0; }

bool wasKeyPressed(int keyCode) { return validCode(keyCode) && inputState.pressedKeys[keyCode] != 0; }

bool takeKeyPress(int keyCode)
{
    if (!wasKeyPressed(keyCode)) return false;
    inputState.pressedKeys[keyCode] = 0;
    return true;
}

bool isShiftDown() { return isKeyDown(keys::leftShift) || isKeyDown(keys::rightShift); }

bool isKeyRepeated(int keyCode, unsigned intervalMs)
{
    if (!isKeyDown(keyCode)) return false;
    uint32_t now = platformTicks();
    auto it = keyRepeatTable.find(keyCode);
    if (it == keyRepeatTable.end()) {
        keyRepeatTable.emplace(keyCode, now);
        return true;
    }
    if (now - it->second <= intervalMs) return false;
    it->second = now;
    return true;
}

double mouseX() { return mouseState.x; }
double mouseY() { return mouseState.y; }
bool isLeftButtonDown() { return mouseState.leftHeld; }
bool leftButtonPressed() { return mouseState.leftPressed; }
bool leftButtonReleased() { return mouseState.leftReleased; }
bool rightButtonPressed() { return mouseState.rightPressed; }

// What a typed character puts into a text line, 0 for nothing: capitals,
// digits and space; small letters as capitals. The bytes of a character
// beyond ASCII are all 0x80 or above, so none of them is taken.
static char lineCharacter(int entry)
{
    if (entry < typedCharacterMark) return 0;
    const char c = static_cast<char>(entry - typedCharacterMark);
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ? c : 0;
}

// Any printable ASCII character as typed: addresses, names.
static char plainCharacter(int entry)
{
    if (entry < typedCharacterMark) return 0;
    const char c = static_cast<char>(entry - typedCharacterMark);
    return c >= 0x20 && c < 0x7f ? c : 0;
}

static bool editLine(char* text, int maxLength, char (*take)(int));

bool editTextLine(char* text, int maxLength) { return editLine(text, maxLength, lineCharacter); }
bool editPlainLine(char* text, int maxLength) { return editLine(text, maxLength, plainCharacter); }

static bool editLine(char* text, int maxLength, char (*take)(int))
{
    if (!text) return false;
    size_t length = std::strlen(text);
    bool erased = false;
    for (int i = 0; i < inputState.typedCount; ++i) {
        int code = inputState.typed[i];
        if (code == keys::enter || code == keys::keypadEnter) return true;
        if (code == keys::backspace) {
            if (length > 0) text[--length] = 0;
            // The press is the repeat's first answer: it repeats from here.
            keyRepeatTable[keys::backspace] = platformTicks();
            erased = true;
            continue;
        }
        const char c = take(code);
        if (c && static_cast<long long>(length) < maxLength) {
            text[length++] = c;
            text[length] = 0;
        }
    }
    if (!erased && isKeyRepeated(keys::backspace, 140) && length > 0) text[--length] = 0;
    return false;
}

void resetInputForTests()
{
    keyRepeatTable.clear();
    inputState = InputState{};
    mouseState = MouseState{};
}
