#include "engine/volume_file.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/file_read.h"

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
    // Something other than a regular file under the name (a FIFO that would
    // block the open, a device) is left alone, and the level is not kept.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) == 0) {
        const std::string text = std::to_string(level);
        // A failed write is silent, as everywhere with these files.
        [[maybe_unused]] const ssize_t written = ::write(fd, text.data(), text.size());
    }
    ::close(fd);
}

int clampVolume(int level) { return level < 1 ? 1 : level > 20 ? 20 : level; }
