#include "engine/volume_file.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <system_error>

static std::string& volumeFolder()
{
    static std::string folder;
    return folder;
}

void setVolumeFolder(const std::string& folder) { volumeFolder() = folder; }

// Reads a decimal number as "%d" would (blanks, a sign, digits), but a number
// past the int range comes back as the end of the level range it lies beyond
// instead of being undefined.
static void parseLevel(FILE* f, int& level)
{
    int c;
    do c = std::fgetc(f);
    while (c != EOF && std::isspace(c));
    bool negative = c == '-';
    if (c == '-' || c == '+') c = std::fgetc(f);
    if (c == EOF || !std::isdigit(c)) return;
    long long value = 0;
    for (; c != EOF && std::isdigit(c); c = std::fgetc(f))
        if (value <= INT_MAX) value = value * 10 + (c - '0');
    if (value > INT_MAX) level = negative ? 1 : 20;
    else level = static_cast<int>(negative ? -value : value);
}

static bool readLevel(const std::string& path, int& level)
{
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return false;
    parseLevel(f, level);
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
