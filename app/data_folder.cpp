#include "app/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

#ifndef ZENTORY_SOURCE_DATA_DIR
#define ZENTORY_SOURCE_DATA_DIR ""
#endif

bool isDataFolder(const std::string& folder)
{
    if (folder.empty()) return false;
    std::error_code ec;
    fs::path p(folder);
    return fs::is_regular_file(p / "sounds.lst", ec) && fs::is_regular_file(p / "music.lst", ec) &&
           fs::is_directory(p / "galaxies", ec);
}

DataFolder findDataFolder(const std::string& executableDir)
{
    if (const char* env = std::getenv("ZENTORY_DATA"); env && isDataFolder(env)) return {env};
    std::error_code ec;
    std::string cwd = fs::current_path(ec).string();
    if (!ec && isDataFolder(cwd)) return {cwd};
    if (!executableDir.empty()) {
        fs::path dir(executableDir);
        for (int up = 0; up <= 3 && !dir.empty(); ++up) {
            if (isDataFolder(dir.string())) return {dir.string()};
            if (isDataFolder((dir / "data").string())) return {(dir / "data").string()};
            if (isDataFolder((dir / "share" / "zentory").string())) return {(dir / "share" / "zentory").string(), true};
            fs::path parent = dir.parent_path();
            if (parent == dir) break;
            dir = parent;
        }
    }
    if (isDataFolder(ZENTORY_SOURCE_DATA_DIR)) return {ZENTORY_SOURCE_DATA_DIR};
    return {};
}

DataFolder enterDataFolder(const std::string& executableDir)
{
    DataFolder folder = findDataFolder(executableDir);
    if (folder.path.empty()) return {};
    std::error_code ec;
    fs::current_path(folder.path, ec);
    return ec ? DataFolder{} : folder;
}
