#pragma once
// Whether a window can be had at all, asked before start-up.
#include <string>

// Empty when a display is named (DISPLAY or WAYLAND_DISPLAY) or a video driver
// was chosen (SDL_VIDEODRIVER, as the tests do); else the message that says
// what is missing. Without it SDL would fall back to drawing into nothing.
std::string missingDisplayMessage();
