#pragma once
// Where the translations lie: <folder>/<language>/LC_MESSAGES/zentory.mo.
#include <string>

// The build's locale/ beside the executable (or one folder up, for the
// tools and tests), else share/locale of the install prefix: the first that
// holds a catalogue of ours and no broken one (cut, empty, not a catalogue).
// "" when there is none: the game is then in English.
std::string findLocaleFolder(const std::string& executableDir);
