#include "base/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace {

bool fail(int& error, const std::string& temporary)
{
    error = errno != 0 ? errno : EIO;
    std::remove(temporary.c_str());
    return false;
}

// Clears the temporary name of whatever a crash or another program left
// there: a file or a link goes, a folder is removed when empty and renamed
// aside (NAME.stale, NAME.stale.2, ...) otherwise, so that its content is
// never lost and the name is free for good.
void clearTemporary(const std::string& temporary)
{
    if (::unlink(temporary.c_str()) == 0 || errno == ENOENT) return;
    if (errno != EISDIR && errno != EPERM) return;
    if (::rmdir(temporary.c_str()) == 0) return;
    for (int k = 1; k < 100; ++k) {
        const std::string aside = temporary + ".stale" + (k > 1 ? "." + std::to_string(k) : "");
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return;
        if (errno != EEXIST) return;
    }
}

} // namespace

bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool replaceFile(const std::string& path, const std::string& temporary, const std::string& text, int& error)
{
    error = 0;
    // A new file each time: a stale one from a crash goes, and a link planted
    // under the temporary name is never followed.
    clearTemporary(temporary);
    errno = 0;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno != 0 ? errno : EIO;
        return false;
    }
    const bool written = writeAll(fd, text) && ::fsync(fd) == 0;
    const int writeError = errno;
    // close reports delayed write errors of some file systems.
    if (::close(fd) != 0 || !written) {
        if (!written) errno = writeError;
        return fail(error, temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) return fail(error, temporary);

    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int dir = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        error = errno != 0 ? errno : EIO;
        return false;
    }
    // Some file systems cannot flush a folder at all (EINVAL): the file
    // itself is on the disk, which is all they offer.
    const bool synced = ::fsync(dir) == 0 || errno == EINVAL;
    const int syncError = errno;
    ::close(dir);
    if (!synced) {
        error = syncError != 0 ? syncError : EIO;
        return false;
    }
    return true;
}

std::string writeFailureReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return "the folder is read-only";
    case ENOSPC:
    case EDQUOT: return "the disk is full";
    case EINVAL: return "not a usable file name";
    default: return std::strerror(error);
    }
}
