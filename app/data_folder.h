#pragma once
// The game reads and writes its files relative to its data folder: the folder
// that holds sounds.lst, music.lst and galaxies/.
#include <string>

struct DataFolder {
    std::string path; // empty when none was found
    // Found as share/zentory of an install prefix: the package's files, never
    // written to, whoever runs the game (root included).
    bool installed = false;
};

// Tries, in order: $ZENTORY_DATA, the current folder, the executable's folder
// or one up to three levels above it, each itself or its data/ or share/zentory/
// subfolder, then the source tree's data/ folder of the build. Returns the
// first that holds the three.
DataFolder findDataFolder(const std::string& executableDir);
bool isDataFolder(const std::string& folder);
// Changes into the folder found; the path comes back empty (and we stay where
// we are) when none is found or it cannot be entered.
DataFolder enterDataFolder(const std::string& executableDir);
