#include "app/player_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "engine/volume_file.h"
#include "game/galaxy_file.h"

// access() honours read-only mounts and immutable folders also for root,
// where a look at the permission bits would not.
bool isWritableFolder(const std::string& folder)
{
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string userDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/zentory";
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    if (!home || home[0] != '/') return {};
    return std::string(home) + "/.local/share/zentory";
}

std::string playerFolderFor(const std::string& dataFolder, bool installed)
{
    if (!installed && isWritableFolder(dataFolder) && isWritableFolder(dataFolder + "/galaxies")) return {};
    return userDataFolder();
}

void usePlayerFolder(const std::string& folder)
{
    setVolumeFolder(folder);
    setPlayerGalaxyFolder(folder.empty() ? std::string() : folder + "/galaxies");
}
