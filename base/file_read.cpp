#include "base/file_read.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens path only when it is a regular file: stat never blocks on a FIFO,
// and the descriptor is checked again in case the name changed in between.
// O_NONBLOCK keeps the open itself from waiting should it have.
int openRegular(const std::string& path, off_t& size)
{
    struct stat before;
    if (::stat(path.c_str(), &before) != 0 || !S_ISREG(before.st_mode)) return -1;
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return -1;
    }
    size = opened.st_size;
    return fd;
}

// Reads up to limit bytes; false on a read error.
bool readUpTo(int fd, size_t limit, std::string& text)
{
    char buffer[65536];
    while (text.size() < limit) {
        const size_t want = std::min(sizeof buffer, limit - text.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        text.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

// Reads the first readBytes of a regular file of at most maxBytes.
FileRead read(const std::string& path, size_t maxBytes, size_t readBytes, std::string& text)
{
    text.clear();
    off_t size = 0;
    const int fd = openRegular(path, size);
    if (fd < 0) return FileRead::missing;
    if (static_cast<unsigned long long>(size) > maxBytes) {
        ::close(fd);
        return FileRead::tooLarge;
    }
    const bool ok = readUpTo(fd, readBytes, text);
    ::close(fd);
    if (!ok) text.clear();
    return ok ? FileRead::ok : FileRead::missing;
}

} // namespace

FileRead readWholeFile(const std::string& path, size_t maxBytes, std::string& text)
{
    // One byte past the bound tells a file that grew since it was measured.
    const FileRead result = read(path, maxBytes, maxBytes + 1, text);
    if (result != FileRead::ok || text.size() <= maxBytes) return result;
    text.clear();
    return FileRead::tooLarge;
}

FileRead readFileHead(const std::string& path, size_t maxBytes, size_t headBytes, std::string& text)
{
    return read(path, maxBytes, std::min(headBytes, maxBytes), text);
}

FileRead readWordList(const std::string& path, size_t maxBytes, std::string& text)
{
    const FileRead result = read(path, SIZE_MAX, maxBytes + 1, text);
    if (result != FileRead::ok || text.size() <= maxBytes) return result;
    // The byte past the bound shows whether the last word within it ends there.
    size_t keep = maxBytes;
    while (keep > 0 && !std::isspace(static_cast<unsigned char>(text[keep]))) --keep;
    text.resize(keep);
    return FileRead::ok;
}
