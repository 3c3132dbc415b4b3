#include "app/autosave.h"
#include "game/seats.h"

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/recorder.h"
#include "base/file_read.h"
#include "base/file_replace.h"
#include "engine/translate.h"
#include "game/game_state.h"
#include "game/save_file.h"
#include "screens/core_texts.h"
#include "screens/notices.h"

namespace {

// A copy of the game to write, or the removal of the save. The text is made
// on the writer's thread too: for the largest galaxies a file may hold it
// takes far longer than a frame, the copy a fraction of one.
struct Job {
    bool remove = false;
    GameState state;
    // The game's recording as far as this state has made it.
    RecordingMark recording;
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
    // The open lock file while this copy holds the folder; -1 otherwise.
    int lockFd = -1;
    // Another copy holds the folder: nothing is resumed or saved here.
    bool elsewhere = false;
    unsigned seenChanges = 0;
    bool haveSeen = false;
    // A damaged save that could not be set aside is never overwritten.
    bool blocked = false;
    // Why the last write failed; empty once one succeeds.
    std::string failure;
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
    // Never a save ahead of its recording: a resumed game cuts the recording
    // back to the save's mark, which must be on the disk.
    waitForRecording(job.recording);
    replaceFile(path, path + ".tmp", saveText(job.state, job.recording), error);
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
    return !isDemo(gameState) && gameInProgress(gameState);
}

// The outcome of the newest write decides what the board says.
void noteWriterOutcome()
{
    std::lock_guard lock(writer.mutex);
    if (writer.done == autosave.doneSeen) return;
    autosave.doneSeen = writer.done;
    autosave.failure.clear();
    if (writer.error != 0)
        autosave.failure = tr("Game not saved in ") + autosave.folder + ": " + trCore(writeFailureReason(writer.error));
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

// Takes the folder for this copy of the game. The kernel lets go of an flock
// when the process ends in any way, so a crash never leaves the folder held.
// A folder that cannot be made or locked (read-only) is not held by anyone
// else either: saving there fails and says so.
void holdFolder()
{
    if (autosave.lockFd >= 0) return;
    std::error_code ec;
    std::filesystem::create_directories(autosave.folder, ec);
    const std::string path = autosave.folder + "/" + lockFileName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    int held;
    do held = ::flock(fd, LOCK_EX | LOCK_NB);
    while (held != 0 && errno == EINTR);
    if (held == 0) {
        autosave.lockFd = fd;
        return;
    }
    ::close(fd);
    if (errno == EWOULDBLOCK) autosave.elsewhere = true;
}

void releaseFolder()
{
    if (autosave.lockFd >= 0) ::close(autosave.lockFd);
    autosave.lockFd = -1;
}

} // namespace

void useSaveFolder(const std::string& folder)
{
    autosave.folder = folder;
    useRecordingFolder(folder);
}

std::string savePath() { return autosave.folder + "/" + saveFileName; }

SaveAtStart loadSavedGame()
{
    // Whatever the game state holds before this start is no game to save.
    autosave.seenChanges = gameChanges;
    autosave.haveSeen = true;
    if (autosave.folder.empty()) return SaveAtStart::None;
    holdFolder();
    if (autosave.elsewhere) {
        autosave.blocked = true;
        notices.menuLine = tr("Another copy of the game uses ") + autosave.folder + tr("; this one will not save");
        return SaveAtStart::None;
    }
    const std::string path = savePath();
    // Whatever lies under the name, a FIFO or a link to a device included,
    // is only opened when it is a regular file of a size a save can have.
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return SaveAtStart::None;
    std::string text;
    const FileRead got = readWholeFile(path, maxSaveFileBytes, text);
    GameState loaded;
    RecordingMark recording;
    std::string why = got == FileRead::tooLarge ? "too large" : got == FileRead::missing ? "not a readable file" : "";
    const bool readable = got == FileRead::ok && readSaveText(text, loaded, why, &recording);
    // A decided game is not kept, whatever wrote it.
    if (readable && loaded.phase == GamePhase::Over) {
        ::unlink(path.c_str());
        return SaveAtStart::None;
    }
    if (readable) {
        gameState = std::move(loaded);
        continueRecording(recording);
        autosave.seenChanges = gameChanges;
        autosave.haveSeen = true;
        return SaveAtStart::Resumed;
    }
    const std::string kept = setAside(path);
    if (kept.empty()) {
        autosave.blocked = true;
        notices.menuLine = tr("The saved game in ") + autosave.folder + tr(" could not be read, nor be set aside; no game will be saved");
    } else {
        notices.menuLine = tr("The saved game could not be read; it was kept as ") + kept;
    }
    std::fprintf(stderr, "zentory: %s (%s)\n", notices.menuLine.c_str(), why.empty() ? "unreadable" : why.c_str());
    return SaveAtStart::SetAside;
}

// The board's line while the game in play is not being kept; empty when it is.
static std::string panelLine()
{
    if (!keptGame()) return {};
    // A game nothing will keep says so for as long as it is played.
    if (autosave.blocked)
        return autosave.elsewhere ? tr("Not saved: another copy of the game uses ") + autosave.folder
                                  : tr("Not saved: the saved game in ") + autosave.folder + tr(" is in the way");
    return autosave.failure;
}

void autosaveAfterFrame()
{
    noteWriterOutcome();
    notices.panelLine = panelLine();
    if (autosave.haveSeen && gameChanges == autosave.seenChanges) return;
    autosave.haveSeen = true;
    autosave.seenChanges = gameChanges;
    if (gameState.phase != GamePhase::None) notices.menuLine.clear();
    if (isDemo(gameState)) return;
    if (gameState.phase == GamePhase::Over)
        hand(Job{true, {}, {}});
    else if (keptGame())
        hand(Job{false, gameState, recordingMark()});
}

void finishSaving()
{
    finishRecording();
    if (keptGame()) hand(Job{false, gameState, recordingMark()});
    writer.stop();
}

void waitForSaves()
{
    std::unique_lock lock(writer.mutex);
    writer.changed.wait(lock, [] { return !writer.next && !writer.busy; });
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
    releaseFolder();
    autosave = Autosave{};
    notices = Notices{};
    autosave.doneSeen = done;
}
