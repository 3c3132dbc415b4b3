#pragma once
// The one-number volume files svol.lst and mvol.lst.

// The number in the file, unclamped; 3 when it is missing or holds none.
int readVolumeFile(const char* fileName);
// Writes the number alone, without a line end; failures are silent.
void writeVolumeFile(const char* fileName, int level);
int clampVolume(int level);
