// Entry point: check for a display, find the data folder and the player's
// folder, fix the configuration, run the loop.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/autosave.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/display_check.h"
#include "app/locale_folder.h"
#include "app/player_folder.h"
#include "app/registration.h"
#include "app/resources.h"
#include "app/start_up.h"
#include "engine/main_loop.h"
#include "engine/translate.h"
#include "engine/platform/platform.h"
#include "game/editor_draft.h"
#include "game/recording.h"
#include "screens/replays.h"
#include "screens/screens.h"

static std::string executableDir(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return self.parent_path().string();
}

int main(int argc, char** argv)
{
    startTranslations(findLocaleFolder(executableDir(argv[0])));
    // --replay FILE: read before anything opens (and before the data folder
    // becomes the working folder), so that a bad file costs no window.
    Recording replay;
    const bool replaying = argc >= 3 && std::string(argv[1]) == "--replay";
    if (replaying) {
        std::string why;
        std::error_code ec;
        if (!readRecordingFile(std::filesystem::absolute(argv[2], ec).string(), replay, why)) {
            std::fprintf(stderr, "zentory: %s\n", why.c_str());
            return 2;
        }
    }
    // --galaxy NAME --seats ...: a game started at once. Its faults are told
    // before anything opens, so the galaxy is read here, once the folders
    // it may come from are known.
    GameRequest request;
    std::string why;
    if (!replaying && !readGameRequest(argc, argv, request, why)) {
        std::fprintf(stderr, "zentory: %s\n", why.c_str());
        return 2;
    }
    std::error_code ec;
    const std::string startFolder = std::filesystem::current_path(ec).string();
    const DataFolder data = enterDataFolder(executableDir(argv[0]));
    if (data.path.empty())
        std::fprintf(stderr, "zentory: data folder not found; running without sounds, music and galaxy files\n");
    const std::string here = std::filesystem::current_path(ec).string();
    const std::string playerFolder = playerFolderFor(here, data.installed);
    usePlayerFolder(playerFolder);
    if (request.given) {
        GameState game;
        if (!dealRequestedGame(request, startFolder, game, why)) {
            std::fprintf(stderr, "zentory: %s\n", why.c_str());
            return 2;
        }
        openGameAtStart(game);
    }
    if (std::string missing = missingDisplayMessage(); !missing.empty()) {
        platformShowError(errorCaption, missing.c_str());
        return 1;
    }
    recordingsFolder = (std::filesystem::path(playerFolder.empty() ? here : playerFolder) / "recordings").string();
    if (replaying) openReplayAtStart(replay, std::filesystem::path(argv[2]).filename().string());
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
