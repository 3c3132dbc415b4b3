#include "app/locale_folder.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// gettext reads a catalogue's tables without checking them against the
// file's size, so a cut or foreign file could make it read past its end.
// Only well-formed files of revision 0 (what msgfmt writes) are taken: every
// string inside the file and ended by a zero byte.
bool wellFormed(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && !in.good()) return false;
    const uint64_t size = data.size();
    if (size < 28) return false;
    uint32_t magic;
    std::memcpy(&magic, data.data(), 4);
    const bool swapped = magic == 0xde120495u;
    if (!swapped && magic != 0x950412deu) return false;
    auto word = [&](uint64_t at) {
        uint32_t w;
        std::memcpy(&w, data.data() + at, 4);
        return swapped ? __builtin_bswap32(w) : w;
    };
    const uint64_t count = word(8), originals = word(12), translations = word(16);
    const uint64_t hashSize = word(20), hashAt = word(24);
    if (word(4) != 0 || originals + 8 * count > size || translations + 8 * count > size || hashAt + 4 * hashSize > size)
        return false;
    for (uint64_t table : {originals, translations})
        for (uint64_t i = 0; i < count; ++i) {
            const uint64_t length = word(table + 8 * i), at = word(table + 8 * i + 4);
            if (at + length >= size || data[at + length] != '\0') return false;
        }
    return true;
}

// At least one catalogue of ours, and none broken.
bool holdsCatalogues(const fs::path& folder)
{
    std::error_code ec;
    bool found = false;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path file = it->path() / "LC_MESSAGES" / "zentory.mo";
        if (!fs::exists(file, ec)) continue;
        if (!wellFormed(file)) return false;
        found = true;
    }
    return found;
}

} // namespace

std::string findLocaleFolder(const std::string& executableDir)
{
    if (executableDir.empty()) return "";
    const fs::path dir(executableDir);
    const fs::path up = dir.parent_path();
    for (const fs::path& folder : {dir / "locale", up / "locale", up / "share" / "locale"})
        if (holdsCatalogues(folder)) return folder.lexically_normal().string();
    return "";
}
