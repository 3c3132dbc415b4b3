#include "app/screens.h"
#include "app/states.h"
#include "engine/display.h"
#include "engine/input.h"

namespace {
constexpr int keyEscape = 0x01;
// Shown once per run: the countdown is never reset.
int titleCountdown = 2000;
} // namespace

void titleScreen(int elapsedMs)
{
    if (wasKeyPressed(keyEscape) || leftButtonPressed()) setState("menu");
    titleCountdown -= elapsedMs;
    drawImage(0, 0, "title");
    if (titleCountdown < 0) setState("menu");
}

void resetTitleForTests() { titleCountdown = 2000; }
