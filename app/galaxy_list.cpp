#include "app/galaxy_list.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "game/galaxy_file.h"

namespace fs = std::filesystem;

static bool hasGalaxyExtension(const std::string& fileName)
{
    if (fileName.size() < 4) return false;
    std::string ext = fileName.substr(fileName.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".gly";
}

static bool isStandardName(const std::string& name)
{
    for (const char* standard : standardGalaxyNames)
        if (name == standard) return true;
    return false;
}

std::vector<std::string> listGalaxyFiles(const std::vector<std::string>& folders)
{
    std::set<std::string> names;
    for (const std::string& folder : folders) {
        std::error_code ec;
        fs::directory_iterator it(folder, ec), end;
        for (; !ec && it != end; it.increment(ec)) {
            std::string fileName = it->path().filename().string();
            std::error_code typeError;
            if (!hasGalaxyExtension(fileName) || !it->is_regular_file(typeError)) continue;
            std::string name = fileName.substr(0, fileName.size() - 4);
            // A name the loader cannot open (".gly" alone) would show an empty row.
            if (isStandardName(name) || !isUsableGalaxyName(name)) continue;
            names.insert(name); // listed once, wherever else it lies
        }
    }
    // std::set orders std::string by char_traits, which compares bytes unsigned.
    return {names.begin(), names.end()};
}
