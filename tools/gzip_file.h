#pragma once
// Writes text to a gzip file, for the recordings the tests read back.
#include <algorithm>
#include <string>

#include <zlib.h>

inline bool writeCompressed(const std::string& path, const std::string& text)
{
    gzFile out = gzopen(path.c_str(), "wb9");
    if (!out) return false;
    bool ok = true;
    for (size_t done = 0; ok && done < text.size();) {
        const unsigned chunk = static_cast<unsigned>(std::min<size_t>(text.size() - done, 1 << 20));
        ok = gzwrite(out, text.data() + done, chunk) == static_cast<int>(chunk);
        done += chunk;
    }
    return gzclose(out) == Z_OK && ok;
}
