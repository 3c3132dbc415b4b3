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

void pollInput()
{
    if (!inputState.keyboard) return;
    std::memcpy(inputState.previousKeys, inputState.currentKeys, sizeof inputState.currentKeys);
    std::memset(inputState.currentKeys, 0, sizeof inputState.currentKeys);
    // In the background the platform reports every key up.
    for (int code = 1; code < 256; ++code)
        if (platformKeyDown(code)) inputState.currentKeys[code] = 0x80;
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
    inputState.keyboard = false;
    std::memset(inputState.currentKeys, 0, sizeof inputState.currentKeys);
    std::memset(inputState.previousKeys, 0, sizeof inputState.previousKeys);
}

static bool validCode(int code) { return code >= 0 && code < 256; }

bool isKeyDown(int keyCode) { return validCode(keyCode) && inputState.currentKeys[keyCode] != 0; }

bool wasKeyPressed(int keyCode)
{
    return validCode(keyCode) && inputState.currentKeys[keyCode] != 0 && inputState.previousKeys[keyCode] == 0;
}

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

namespace {
struct TypedKey {
    int code;
    char character;
};
// The order characters are appended in when several keys go down in one frame.
constexpr TypedKey typedKeys[] = {
    {0x1E, 'A'}, {0x30, 'B'}, {0x2E, 'C'}, {0x20, 'D'}, {0x12, 'E'}, {0x21, 'F'}, {0x22, 'G'}, {0x23, 'H'},
    {0x17, 'I'}, {0x24, 'J'}, {0x25, 'K'}, {0x26, 'L'}, {0x32, 'M'}, {0x31, 'N'}, {0x18, 'O'}, {0x19, 'P'},
    {0x10, 'Q'}, {0x13, 'R'}, {0x1F, 'S'}, {0x14, 'T'}, {0x16, 'U'}, {0x2F, 'V'}, {0x11, 'W'}, {0x2D, 'X'},
    {0x15, 'Y'}, {0x2C, 'Z'}, {0x02, '1'}, {0x03, '2'}, {0x04, '3'}, {0x05, '4'}, {0x06, '5'}, {0x07, '6'},
    {0x08, '7'}, {0x09, '8'}, {0x0A, '9'}, {0x0B, '0'}, {0x39, ' '},
};
} // namespace

bool editTextLine(char* text, int maxLength)
{
    if (!text) return false;
    if (wasKeyPressed(keys::enter) || wasKeyPressed(keys::keypadEnter)) return true;
    size_t length = std::strlen(text);
    if (isKeyRepeated(keys::backspace, 140) && length > 0) text[--length] = 0;
    for (const TypedKey& k : typedKeys) {
        if (wasKeyPressed(k.code) && static_cast<long long>(length) < maxLength) {
            text[length++] = k.character;
            text[length] = 0;
        }
    }
    return false;
}

void resetInputForTests()
{
    keyRepeatTable.clear();
    inputState = InputState{};
    mouseState = MouseState{};
}
