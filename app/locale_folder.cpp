#include "app/locale_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

static bool holdsCatalogue(const fs::path& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (fs::is_regular_file(it->path() / "LC_MESSAGES" / "zentory.mo", ec)) return true;
    return false;
}

std::string findLocaleFolder(const std::string& executableDir)
{
    if (executableDir.empty()) return "";
    const fs::path dir(executableDir);
    for (const fs::path& folder : {dir / "locale", dir.parent_path() / "locale", dir.parent_path() / "share" / "locale"})
        if (holdsCatalogue(folder)) return folder.lexically_normal().string();
    return "";
}
