#pragma once
// The game reads and writes its files relative to its data folder: the folder
// that holds sounds.lst, music.lst and galaxies/.
#include <string>

// Tries, in order: $ZENTORY_DATA, the current folder, a data/ folder beside
// the executable or up to three levels above it, the source tree's data/
// folder of the build. Returns the first that holds the three; empty if none.
std::string findDataFolder(const std::string& executableDir);
bool isDataFolder(const std::string& folder);
// Changes into the data folder; false (staying where we are) when none is found.
bool enterDataFolder(const std::string& executableDir);
