#pragma once
// The galaxy files a player can choose besides the standard galaxies.
#include <string>
#include <vector>

// Names of the galaxy files in the folders, extension removed: exactly the
// files the loader opens, those ending in ".gly" in lower case that are
// regular files (a FIFO or a link to a device is not listed). The standard
// galaxy names are left out (exact comparison), and a name found in more
// than one folder is listed once. Sorted by naturalLess. A missing or
// unreadable folder adds nothing.
std::vector<std::string> listGalaxyFiles(const std::vector<std::string>& folders);

// Case-insensitive natural order: letters compare without regard to case
// (ASCII), runs of digits by their value ("MY GALAXY 2" before "MY GALAXY
// 10"); names equal so far are ordered by their bytes, so the order is total.
bool naturalLess(const std::string& a, const std::string& b);
