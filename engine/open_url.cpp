#include "engine/open_url.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "engine/platform/platform.h"

std::string findUrlOpener()
{
    const char* path = std::getenv("PATH");
    if (!path) return {};
    const std::string folders = path;
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        // An empty entry means the current folder, which is the data folder:
        // nothing to look for there.
        if (end > start) {
            const std::string candidate = folders.substr(start, end - start) + "/xdg-open";
            struct stat info {};
            if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

bool openUrl(const std::string& url) { return !findUrlOpener().empty() && platformOpenUrl(url.c_str()); }

std::string fileUrl(const std::string& absolutePath)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : absolutePath) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                     c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}
