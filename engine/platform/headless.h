#pragma once
// Controls of the headless platform: a scripted clock and scripted events, no
// window and no devices, and every presented frame readable by the test.
#include <string>
#include <vector>

#include "engine/image.h"
#include "engine/platform/platform.h"

// Back to the start: clock at 1000 ms, no events, focus, nothing presented.
void headlessReset();
void headlessSetTicks(uint32_t ms);
void headlessAdvance(uint32_t ms);
void headlessPushEvent(const PlatformEvent& event);
void headlessPushKey(int code, bool down);
// The characters a key typed (cut to 31 bytes), as a text input event.
void headlessPushText(const char* text);
void headlessPushMouse(PlatformEventType type, int x, int y, int button = 1);
void headlessSetFocus(bool focused);
// The next `count` presents fail.
void headlessFailPresents(int count);
void headlessFailWindow(bool fail);
void headlessFailDisplay(bool fail);

int headlessPresentCount();
const Image& headlessLastFrame();
// Whether the engine said the last presented frame differs from the one before.
bool headlessLastPresentChanged();
uint32_t headlessSleptMs();
int headlessWaitCount();
bool headlessWindowOpen();
const std::vector<std::string>& headlessErrors();
// Every address given to platformOpenUrl since the reset, in order.
const std::vector<std::string>& headlessOpenedUrls();
