#pragma once
// The galaxy files a player can choose besides the standard galaxies.
#include <string>
#include <vector>

// Names of the files ending in ".gly" (in any letter case) in the folders,
// extension removed, sorted by name in byte order. The standard galaxy names
// are left out (exact comparison), and a name found in more than one folder
// is listed once: the first folder holding it wins. A missing or unreadable
// folder adds nothing.
std::vector<std::string> listGalaxyFiles(const std::vector<std::string>& folders);
