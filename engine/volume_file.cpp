#include "engine/volume_file.h"

#include <cstdio>

int readVolumeFile(const char* fileName)
{
    int level = 3;
    if (FILE* f = std::fopen(fileName, "r")) {
        int value;
        if (std::fscanf(f, "%d", &value) == 1) level = value;
        std::fclose(f);
    }
    return level;
}

void writeVolumeFile(const char* fileName, int level)
{
    if (FILE* f = std::fopen(fileName, "w")) {
        std::fprintf(f, "%d", level);
        std::fclose(f);
    }
}

int clampVolume(int level) { return level < 1 ? 1 : level > 20 ? 20 : level; }
