#pragma once
// What the engine needs of the operating system: a window that shows our back
// buffer, events, a millisecond clock, sleep, focus and an error box. Two
// implementations: sdl_*.cpp for the game, headless_*.cpp for tests. The
// platform knows nothing of the game.
#include <cstdint>

#include "engine/image.h"

enum class PlatformEventType {
    quit,          // the window was closed or quitApplication was called
    minimised,     // the window was minimised or hidden
    restored,      // shown again
    keyDown,       // code is a PC set-1 scan code (extended keys 0x80 | code)
    keyUp,
    mouseMove,     // x, y in logical 800x600 coordinates, clamped
    mouseButtonDown, // button 1 left, 3 right
    mouseButtonUp,
    moveOrSizeEnded, // a window drag or resize ended: time spent in it is not a frame
    displayLost,   // the render target was lost: rebuild and reload the images
    textInput,     // text holds the characters typed, as the layout and Shift make them (UTF-8)
};

struct PlatformEvent {
    PlatformEventType type = PlatformEventType::quit;
    int code = 0;
    int x = 0;
    int y = 0;
    int button = 0;
    bool leftHeld = false; // mouse events: the left button is down after this event
    char text[32] = {};    // textInput: zero-terminated
};

struct PlatformWindowConfig {
    const char* title = "";
    bool fullScreen = true;
    bool showCursor = true;
    const Image* icon = nullptr;
};

// The window alone; false when it cannot be made.
bool platformOpenWindow(const PlatformWindowConfig& config);
void platformCloseWindow();
// What shows our back buffer in the window (renderer and texture); false when
// the 800x600 32-bit picture cannot be shown.
bool platformOpenDisplay(bool windowed);
void platformCloseDisplay();
// Shows an 800x600 picture; 0 on success, negative on failure. `changed`
// false: the picture is the one shown by the last successful call.
int platformPresent(const Image& frame, bool changed);
// Rebuilds the render target after a loss; 0 on success.
int platformRestoreDisplay();
bool platformPollEvent(PlatformEvent& event);
void platformWaitEvent();
bool platformHasFocus();
void platformPostQuit();
uint32_t platformTicks();
// The system's tick count: milliseconds since the machine started, truncated
// to 32 bits, so that it differs from run to run (the start seed). Readable
// before the window exists.
uint32_t platformTickCount();
void platformSleep(uint32_t ms);
void platformShowError(const char* caption, const char* text);
// Reads a BMP file into an image; false when it cannot be read.
bool platformLoadBmp(const char* path, Image& out);
// Asks the desktop to open an address in its default handler (a browser) and
// returns at once; false when the request could not be made.
bool platformOpenUrl(const char* url);
