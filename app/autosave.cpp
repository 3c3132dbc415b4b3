#include "app/autosave.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "game/file_replace.h"
#include "game/game_state.h"
#include "game/save_file.h"

namespace {

// How long the panel shows that a save failed.
constexpr int failureNoticeMs = 8000;

// A copy of the game to write, or the removal of the save. The text is made
// on the writer's thread too: for the largest galaxies a file may hold it
// takes far longer than a frame, the copy a fraction of one.
struct Job {
    bool remove = false;
    GameState state;
};

// The one writer thread. Only the newest job waits: a save handed over while
// an older one still waits replaces it, since only the last state matters.
struct Writer {
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<Job> next;
    bool busy = false;
    bool stopping = false;
    // The outcome of the last job: 0, or the errno value of its failure.
    int error = 0;
    // Moves on with every job done, so that the frame sees each failure once.
    unsigned done = 0;
    std::thread thread;

    ~Writer() { stop(); }

    void stop()
    {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        changed.notify_all();
        if (thread.joinable()) thread.join();
        stopping = false;
    }
};

struct Autosave {
    std::string folder;
    unsigned seenChanges = 0;
    bool haveSeen = false;
    // A damaged save that could not be set aside is never overwritten.
    bool blocked = false;
    std::string menuNotice;
    std::string panelNotice;
    int panelMsLeft = 0;
    bool failureShown = false;
    unsigned doneSeen = 0;
};

Writer writer;
Autosave autosave;

void perform(const Job& job, const std::string& path, const std::string& folder, int& error)
{
    error = 0;
    if (job.remove) {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) error = errno;
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    replaceFile(path, path + ".tmp", saveText(job.state), error);
}

void writerLoop(std::string path, std::string folder)
{
    std::unique_lock lock(writer.mutex);
    for (;;) {
        writer.changed.wait(lock, [] { return writer.next.has_value() || writer.stopping; });
        if (!writer.next) return;
        const Job job = std::move(*writer.next);
        writer.next.reset();
        writer.busy = true;
        lock.unlock();
        int error = 0;
        perform(job, path, folder, error);
        lock.lock();
        writer.busy = false;
        writer.error = error;
        ++writer.done;
        writer.changed.notify_all();
    }
}

void hand(Job job)
{
    if (autosave.folder.empty() || autosave.blocked) return;
    {
        std::lock_guard lock(writer.mutex);
        writer.next = std::move(job);
        if (!writer.thread.joinable()) writer.thread = std::thread(writerLoop, savePath(), autosave.folder);
    }
    writer.changed.notify_all();
}

// A game a player could go on with later: started, not a demonstration, not decided.
bool keptGame()
{
    return gameState.demoMode == 0 && gameInProgress(gameState);
}

// The first failure after a success is told once; a success makes the next one told again.
void noteWriterOutcome()
{
    std::lock_guard lock(writer.mutex);
    if (writer.done == autosave.doneSeen) return;
    autosave.doneSeen = writer.done;
    if (writer.error == 0) {
        autosave.failureShown = false;
    } else if (!autosave.failureShown) {
        autosave.failureShown = true;
        autosave.panelNotice = "Game not saved: " + writeFailureReason(writer.error);
        autosave.panelMsLeft = failureNoticeMs;
    }
}

// Renames the unreadable save to the first free name of savegame.bad,
// savegame.bad.2, ...; never over an existing file. Returns the name, or ""
// when it could not be moved.
std::string setAside(const std::string& path)
{
    for (int k = 1; k < 100; ++k) {
        const std::string name = std::string(saveFileName) + ".bad" + (k > 1 ? "." + std::to_string(k) : "");
        const std::string bad = autosave.folder + "/" + name;
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, bad.c_str(), RENAME_NOREPLACE) == 0) return name;
        if (errno == EEXIST) continue;
        // A file system without the no-replace rename: a hard link never replaces either.
        if (errno != EINVAL && errno != ENOSYS) return "";
        if (::link(path.c_str(), bad.c_str()) == 0) return ::unlink(path.c_str()) == 0 ? name : "";
        if (errno != EEXIST) return "";
    }
    return "";
}

} // namespace

void useSaveFolder(const std::string& folder) { autosave.folder = folder; }

std::string savePath() { return autosave.folder + "/" + saveFileName; }

SaveAtStart loadSavedGame()
{
    // Whatever the game state holds before this start is no game to save.
    autosave.seenChanges = gameChanges;
    autosave.haveSeen = true;
    if (autosave.folder.empty()) return SaveAtStart::None;
    const std::string path = savePath();
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) return SaveAtStart::None;
    }
    std::ostringstream text;
    text << in.rdbuf();
    GameState loaded;
    std::string why;
    const bool readable = in.is_open() && readSaveText(text.str(), loaded, why);
    // A decided game is not kept, whatever wrote it.
    if (readable && loaded.phase == GamePhase::Over) {
        ::unlink(path.c_str());
        return SaveAtStart::None;
    }
    if (readable) {
        gameState = std::move(loaded);
        autosave.seenChanges = gameChanges;
        autosave.haveSeen = true;
        return SaveAtStart::Resumed;
    }
    const std::string kept = setAside(path);
    if (kept.empty()) {
        autosave.blocked = true;
        autosave.menuNotice = "The saved game could not be read, nor be set aside; no game will be saved";
    } else {
        autosave.menuNotice = "The saved game could not be read; it was kept as " + kept;
    }
    std::fprintf(stderr, "zentory: %s (%s)\n", autosave.menuNotice.c_str(), why.empty() ? "unreadable" : why.c_str());
    return SaveAtStart::SetAside;
}

void autosaveAfterFrame()
{
    noteWriterOutcome();
    if (autosave.haveSeen && gameChanges == autosave.seenChanges) return;
    autosave.haveSeen = true;
    autosave.seenChanges = gameChanges;
    if (gameState.phase != GamePhase::None) autosave.menuNotice.clear();
    if (gameState.demoMode != 0) return;
    if (gameState.phase == GamePhase::Over)
        hand(Job{true, {}});
    else if (keptGame())
        hand(Job{false, gameState});
}

void finishSaving()
{
    if (keptGame()) hand(Job{false, gameState});
    writer.stop();
}

void waitForSaves()
{
    std::unique_lock lock(writer.mutex);
    writer.changed.wait(lock, [] { return !writer.next && !writer.busy; });
}

const std::string& savedGameNotice() { return autosave.menuNotice; }

std::string saveFailureNotice(int elapsedMs)
{
    noteWriterOutcome();
    if (autosave.panelMsLeft <= 0) return {};
    autosave.panelMsLeft -= std::max(elapsedMs, 0);
    return autosave.panelNotice;
}

void resetAutosaveForTests()
{
    writer.stop();
    {
        std::lock_guard lock(writer.mutex);
        writer.next.reset();
        writer.error = 0;
    }
    const unsigned done = writer.done;
    autosave = Autosave{};
    autosave.doneSeen = done;
}
