#include "engine/volume_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

static std::string& volumeFolder()
{
    static std::string folder;
    return folder;
}

void setVolumeFolder(const std::string& folder) { volumeFolder() = folder; }

static bool readLevel(const std::string& path, int& level)
{
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return false;
    int value;
    if (std::fscanf(f, "%d", &value) == 1) level = value;
    std::fclose(f);
    return true;
}

int readVolumeFile(const char* fileName)
{
    int level = 3;
    if (volumeFolder().empty() || !readLevel(volumeFolder() + "/" + fileName, level)) readLevel(fileName, level);
    return level;
}

void writeVolumeFile(const char* fileName, int level)
{
    std::string path = fileName;
    if (!volumeFolder().empty()) {
        std::error_code ec;
        std::filesystem::create_directories(volumeFolder(), ec);
        path = volumeFolder() + "/" + fileName;
    }
    if (FILE* f = std::fopen(path.c_str(), "w")) {
        std::fprintf(f, "%d", level);
        std::fclose(f);
    }
}

int clampVolume(int level) { return level < 1 ? 1 : level > 20 ? 20 : level; }
