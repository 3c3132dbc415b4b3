#include "engine/open_url.h"

#include "engine/platform/platform.h"

bool openUrl(const std::string& url) { return platformOpenUrl(url.c_str()); }

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
