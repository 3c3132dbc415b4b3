#pragma once
// The one-number volume files svol.lst and mvol.lst.

#include <string>

// The folder the volume files are written to when the data folder is not
// writable (a system-wide install); empty, the default, for the data folder
// itself (the working directory).
void setVolumeFolder(const std::string& folder);
// The number at the start of the file (its first 4 KiB), unclamped; 3 when
// it is missing, not a regular file, or holds none. With a volume folder
// set, its file wins over one in the data folder.
int readVolumeFile(const char* fileName);
// Writes the number alone, without a line end, creating the volume folder
// if needed, through replaceFile (a link under the name is replaced, never
// followed); failures are silent, and something other than a regular file
// or a link under the name (a FIFO, a device) is left as it is. Only a
// change the player makes writes.
void writeVolumeFile(const char* fileName, int level);
int clampVolume(int level);
