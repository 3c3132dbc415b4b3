#pragma once
// Where the translations lie: <folder>/<language>/LC_MESSAGES/zentory.mo.
#include <string>

// The build's locale/ beside the executable (or one folder up, for the
// tools and tests), else share/locale of the install prefix; "" (the
// system's folder) when none holds a catalogue of ours.
std::string findLocaleFolder(const std::string& executableDir);
