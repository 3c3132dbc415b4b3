#include "engine/volume_file.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "base/file_read.h"
#include "base/file_replace.h"

static std::string& volumeFolder()
{
    static std::string folder;
    return folder;
}

void setVolumeFolder(const std::string& folder) { volumeFolder() = folder; }

// Reads a decimal number as "%d" would (blanks, a sign, digits), but a number
// past the int range comes back as the end of the level range it lies beyond
// instead of being undefined.
static void parseLevel(const std::string& text, int& level)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return;
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) level = negative ? 1 : 20;
    else level = static_cast<int>(negative ? -value : value);
}

// Only the start of the file is looked at: a level takes a few characters.
static bool readLevel(const std::string& path, int& level)
{
    std::string text;
    if (readFileHead(path, SIZE_MAX, 4096, text) != FileRead::ok) return false;
    parseLevel(text, level);
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
    // Something other than a regular file or a link under the name (a FIFO,
    // a device, a folder) is left alone, and the level is not kept. A link is
    // replaced by the file, and what it points to is never written.
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return;
    int error = 0;
    // A failed write is silent, as everywhere with these files.
    replaceFile(path, path + ".tmp", std::to_string(level), error);
}

int clampVolume(int level) { return level < 1 ? 1 : level > 20 ? 20 : level; }
