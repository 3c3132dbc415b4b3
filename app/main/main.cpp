// Entry point: check for a display, find the data folder and the player's
// folder, fix the configuration, run the loop.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/autosave.h"
#include "app/data_folder.h"
#include "app/display_check.h"
#include "app/locale_folder.h"
#include "app/player_folder.h"
#include "app/resources.h"
#include "app/start_up.h"
#include "engine/main_loop.h"
#include "engine/translate.h"
#include "engine/platform/platform.h"
#include "game/editor_draft.h"
#include "screens/screens.h"

static std::string executableDir(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return self.parent_path().string();
}

int main(int, char** argv)
{
    startTranslations(findLocaleFolder(executableDir(argv[0])));
    if (std::string missing = missingDisplayMessage(); !missing.empty()) {
        platformShowError(errorCaption, missing.c_str());
        return 1;
    }
    const DataFolder data = enterDataFolder(executableDir(argv[0]));
    if (data.path.empty())
        std::fprintf(stderr, "zentory: data folder not found; running without sounds, music and galaxy files\n");
    std::error_code ec;
    const std::string here = std::filesystem::current_path(ec).string();
    const std::string playerFolder = playerFolderFor(here, data.installed);
    usePlayerFolder(playerFolder);
    useSaveFolder(playerFolder.empty() ? here : playerFolder);
    useDraftFolder(playerFolder.empty() ? here : playerFolder);
    configureProgram();
    const bool ran = runMainLoop(listBuiltinImages);
    // Quitting or closing the window during a game keeps it for the next
    // start, and the editor's unsaved work likewise.
    finishSaving();
    keepEditorWorkAsDraft();
    return ran ? 0 : 1;
}
