#include "app/display_check.h"

#include <cstdlib>

static bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0];
}

std::string missingDisplayMessage()
{
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("SDL_VIDEODRIVER")) return {};
    return "No display: neither DISPLAY nor WAYLAND_DISPLAY is set, so no window can be opened. "
           "Start the game from a desktop session (or with ssh -X), or set SDL_VIDEODRIVER to choose "
           "a video driver. The program will now exit.";
}
