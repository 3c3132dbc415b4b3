#pragma once
// Replacing a file whole, so that a crash or a power cut leaves either the old
// file or the complete new one under its name, never an empty or torn one.
#include <string>

// Writes text to temporary (a path in the same folder as path; whatever lies
// there is cleared first, a folder that is not empty renamed aside as
// TEMPORARY.stale), flushes it to the disk, renames it over path and flushes
// the folder, so that the rename itself is on the disk too. error is 0 after a success; on failure returns
// false with the errno value (EIO where none was set) in error and removes
// temporary; path keeps its old content unless only the flush of the folder
// failed, after the rename.
bool replaceFile(const std::string& path, const std::string& temporary, const std::string& text, int& error);

// Why a write failed, in the player's words ("the disk is full"), from its
// errno value; the system's own text for a failure without plain words.
std::string writeFailureReason(int error);

// Writes the whole text to fd, going on after an interrupted or short write;
// false with errno set (EIO for a write that wrote nothing) when it fails.
bool writeAll(int fd, const std::string& text);
