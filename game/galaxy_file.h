#pragma once
// Galaxy text files: whitespace-separated decimal tokens. Header playerCount
// and n, then n layout records and n game records of seven tokens each
// (active x y kind owner reserved armies), then the link count n*n and the
// link matrix row by row. The Galaxy members readFrom, loadFile, saveFile and
// loadBuiltIn are declared in galaxy.h.
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "game/galaxy.h"

// Largest slot count a file may declare; larger texts are refused.
constexpr int maxFileStars = 1000;
// Largest galaxy file read, 4 MiB: the writer's text of a galaxy of
// maxFileStars slots takes about 2.1 MB. A larger file is refused unread.
constexpr size_t maxGalaxyFileBytes = 4u * 1024 * 1024;

// The folder galaxy files live in, relative to the data folder (the working
// directory at run time): "galaxies" unless changed (tests use a temporary one).
void setGalaxyFolder(const std::string& folder);
const std::string& galaxyFolder();
// "<folder>/<name>.gly".
std::string galaxyPath(const std::string& name);
// The player's own galaxy folder where the shipped one cannot be written (a
// system-wide install); empty (the default) when there is none. loadFile
// looks there first and saveFile writes there, creating it on first need.
void setPlayerGalaxyFolder(const std::string& folder);
const std::string& playerGalaxyFolder();
// The folders to list galaxy files from, the player's first.
std::vector<std::string> galaxyFolders();
// A name that can be a file name inside the galaxy folder: not empty, at most
// 200 bytes, no '/', no NUL, not "." or "..".
bool isUsableGalaxyName(const std::string& name);
// Whether anything (a file, or a folder in the way) has that name in one of
// the galaxy folders, so that a save would replace or hide it.
bool galaxyFileExists(const std::string& name);
// Why the last saveFile failed, for the player: "NAME is read-only", "the
// folder is read-only", "the disk is full", "cannot make the folder FOLDER"
// and the like; empty after a save that succeeded.
std::string lastSaveFailure();

// The galaxy in the file format; a free slot's empty kind is written "empty".
void writeGalaxyText(std::ostream& out, const Galaxy& galaxy);

// The built-in galaxy "TENTACLES" in the file format, one token per line;
// built on the first call and kept for the run.
const std::string& builtInGalaxyText();
inline constexpr const char* builtInGalaxyName = "TENTACLES";
// The built-in galaxy under its name.
Galaxy builtInGalaxy();

// The six standard galaxies, the built-in one first.
extern const char* const standardGalaxyNames[6];
