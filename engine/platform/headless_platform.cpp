// A platform without a window or devices, for tests and tools.
#include <cstring>
#include <deque>

#include "engine/platform/headless.h"

namespace {

struct Headless {
    uint32_t ticks = 1000;
    std::deque<PlatformEvent> events;
    bool focused = true;
    int failPresents = 0;
    bool failWindow = false;
    bool failDisplay = false;
    int presents = 0;
    Image lastFrame;
    bool lastChanged = false;
    uint32_t slept = 0;
    int waits = 0;
    bool windowOpen = false;
    bool displayOpen = false;
    bool leftHeld = false;
    std::vector<std::string> errors;
    std::vector<std::string> openedUrls;
};

Headless h;

} // namespace

void headlessReset() { h = Headless{}; }
void headlessSetTicks(uint32_t ms) { h.ticks = ms; }
void headlessAdvance(uint32_t ms) { h.ticks += ms; }
void headlessPushEvent(const PlatformEvent& event) { h.events.push_back(event); }

void headlessPushKey(int code, bool down)
{
    PlatformEvent e;
    e.type = down ? PlatformEventType::keyDown : PlatformEventType::keyUp;
    e.code = code;
    h.events.push_back(e);
}

void headlessPushText(const char* text)
{
    PlatformEvent e;
    e.type = PlatformEventType::textInput;
    std::strncpy(e.text, text, sizeof e.text - 1);
    h.events.push_back(e);
}

void headlessPushMouse(PlatformEventType type, int x, int y, int button)
{
    PlatformEvent e;
    e.type = type;
    e.x = x;
    e.y = y;
    e.button = button;
    if (type == PlatformEventType::mouseButtonDown && button == 1) h.leftHeld = true;
    if (type == PlatformEventType::mouseButtonUp && button == 1) h.leftHeld = false;
    e.leftHeld = h.leftHeld;
    h.events.push_back(e);
}

void headlessSetFocus(bool focused) { h.focused = focused; }
void headlessFailPresents(int count) { h.failPresents = count; }
void headlessFailWindow(bool fail) { h.failWindow = fail; }
void headlessFailDisplay(bool fail) { h.failDisplay = fail; }
int headlessPresentCount() { return h.presents; }
const Image& headlessLastFrame() { return h.lastFrame; }
bool headlessLastPresentChanged() { return h.lastChanged; }
uint32_t headlessSleptMs() { return h.slept; }
int headlessWaitCount() { return h.waits; }
bool headlessWindowOpen() { return h.windowOpen; }
const std::vector<std::string>& headlessErrors() { return h.errors; }
const std::vector<std::string>& headlessOpenedUrls() { return h.openedUrls; }

bool platformOpenWindow(const PlatformWindowConfig&)
{
    if (h.failWindow) return false;
    h.windowOpen = true;
    return true;
}

void platformCloseWindow()
{
    h.windowOpen = false;
    h.displayOpen = false;
}

bool platformOpenDisplay(bool)
{
    if (h.failDisplay || !h.windowOpen) return false;
    h.displayOpen = true;
    return true;
}

void platformCloseDisplay() { h.displayOpen = false; }

int platformRestoreDisplay() { return h.displayOpen ? 0 : -1; }

int platformPresent(const Image& frame, bool changed)
{
    if (!h.displayOpen) return -1;
    if (h.failPresents > 0) {
        --h.failPresents;
        return -1;
    }
    ++h.presents;
    h.lastFrame = frame;
    h.lastChanged = changed;
    return 0;
}

bool platformPollEvent(PlatformEvent& event)
{
    if (h.events.empty()) return false;
    event = h.events.front();
    h.events.pop_front();
    return true;
}

void platformWaitEvent() { ++h.waits; }
bool platformHasFocus() { return h.focused; }

void platformPostQuit()
{
    PlatformEvent e;
    e.type = PlatformEventType::quit;
    h.events.push_back(e);
}

uint32_t platformTicks() { return h.ticks; }
uint32_t platformTickCount() { return h.ticks; }

void platformSleep(uint32_t ms)
{
    h.slept += ms;
    h.ticks += ms;
}

void platformShowError(const char*, const char* text) { h.errors.emplace_back(text ? text : ""); }

bool platformLoadBmp(const char*, Image&) { return false; }

bool platformOpenUrl(const char* url)
{
    h.openedUrls.emplace_back(url ? url : "");
    return true;
}
