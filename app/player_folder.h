#pragma once
// Where the player's own files go: the volume files and the galaxies the
// editor saves. The data folder itself where it can be written (the build
// tree) and is not an installed one, else the player's folder under
// $XDG_DATA_HOME.
#include <string>

// Whether the program may create and replace files in the folder.
bool isWritableFolder(const std::string& folder);
// $XDG_DATA_HOME/zentory, or ~/.local/share/zentory when the variable is unset,
// empty or not absolute; empty when no home folder is known either.
std::string userDataFolder();
// The folder for the player's files given the data folder; empty when the
// data folder and its galaxies/ folder are both writable (nothing moves). An
// installed data folder always sends them to the player's folder, even when
// root could write into it.
std::string playerFolderFor(const std::string& dataFolder, bool installed);
// Hands the folder to the volume files and the galaxy files (its galaxies/
// subfolder); an empty folder keeps everything in the data folder.
void usePlayerFolder(const std::string& folder);
