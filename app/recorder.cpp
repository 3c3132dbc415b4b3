#include "app/recorder.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <deque>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/file_read.h"
#include "base/file_replace.h"
#include "engine/translate.h"
#include "game/course.h"
#include "game/game_state.h"
#include "game/recording.h"
#include "screens/core_texts.h"
#include "screens/notices.h"
#include "screens/replays.h"

namespace fs = std::filesystem;

namespace {

enum class JobKind { Open, Resume, Append, Close };

struct Job {
    JobKind kind = JobKind::Append;
    std::string name;
    // The recordings folder when handed.
    std::string folder;
    // Open: the header; Append: whole lines.
    std::string text;
    // Resume: the length to cut the file back to.
    uint64_t bytes = 0;
};

// The writer thread and what it has done; jobs run in the order handed.
struct Sink {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs;
    bool busy = false;
    bool stopping = false;
    std::thread thread;
    // The file being written (its name) and how much of it is on the disk.
    int fd = -1;
    std::string name;
    uint64_t durable = 0;
    // The failure of that file: 0, or the errno value.
    int error = 0;

    ~Sink() { stop(); }

    // Every job handed is done before the thread ends.
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

// The frame's side: the recording of the game in play.
struct Recorder {
    std::string folder;
    bool active = false;
    std::string name;
    // The turn last seen: a game whose turn goes back is another game
    // (one being watched again), never this recording's.
    int turn = 0;
    uint64_t handed = 0;
    // The failure already said for the file named, so that it is said once.
    std::string saidFor;
};

Sink sink;
Recorder recorder;

std::string pathOf(const std::string& name) { return recorder.folder + "/" + name; }

// A write cut short taken back to the last whole line; should even that
// fail, the reader stops at the last whole line anyway.
void takeBack(int fd, uint64_t length)
{
    if (::ftruncate(fd, static_cast<off_t>(length)) != 0) errno = 0;
}

// Removes the oldest recordings so that, with the one about to start, at most
// keptRecordings remain. Names begin with the start time, so their order is
// the order the games began.
void prune(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string n = it->path().filename().string();
        if (n.size() > 4 && n.ends_with(".rec") && it->is_regular_file(ec)) names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    for (size_t k = 0; k + keptRecordings <= names.size(); ++k) ::unlink((folder + "/" + names[k]).c_str());
}

// Runs one job; an errno value when it failed. The file always ends at a
// whole line: a write cut short is taken back.
int perform(const Job& job)
{
    const std::string& folder = job.folder;
    if (job.kind == JobKind::Close || job.kind == JobKind::Open || job.kind == JobKind::Resume) {
        if (sink.fd >= 0) ::close(sink.fd);
        sink.fd = -1;
    }
    if (job.kind == JobKind::Close) return 0;
    const std::string path = folder + "/" + job.name;
    if (job.kind == JobKind::Open) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        prune(folder);
        sink.fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (sink.fd < 0) return errno;
        if (!writeAll(sink.fd, job.text)) {
            const int e = errno;
            takeBack(sink.fd, 0);
            return e;
        }
        return ::fdatasync(sink.fd) == 0 ? 0 : errno;
    }
    if (job.kind == JobKind::Resume) {
        sink.fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
        if (sink.fd < 0) return errno;
        if (::ftruncate(sink.fd, static_cast<off_t>(job.bytes)) != 0) return errno;
        return ::fdatasync(sink.fd) == 0 ? 0 : errno;
    }
    if (sink.fd < 0) return EBADF;
    if (!writeAll(sink.fd, job.text)) {
        const int e = errno;
        takeBack(sink.fd, sink.durable);
        return e;
    }
    return ::fdatasync(sink.fd) == 0 ? 0 : errno;
}

void writerLoop()
{
    std::unique_lock lock(sink.mutex);
    for (;;) {
        sink.changed.wait(lock, [] { return !sink.jobs.empty() || sink.stopping; });
        if (sink.jobs.empty()) break;
        const Job job = std::move(sink.jobs.front());
        sink.jobs.pop_front();
        if (job.kind == JobKind::Open || job.kind == JobKind::Resume) {
            sink.name = job.name;
            sink.durable = 0;
            sink.error = 0;
        }
        // A file that failed takes nothing more.
        const bool skip = job.kind == JobKind::Append && sink.error != 0;
        sink.busy = true;
        lock.unlock();
        const int error = skip ? 0 : perform(job);
        lock.lock();
        sink.busy = false;
        if (!skip && error != 0) sink.error = error;
        if (!skip && error == 0) {
            if (job.kind == JobKind::Open || job.kind == JobKind::Append) sink.durable += job.text.size();
            if (job.kind == JobKind::Resume) sink.durable = job.bytes;
        }
        sink.changed.notify_all();
    }
}

void hand(Job job)
{
    {
        std::lock_guard lock(sink.mutex);
        job.folder = recorder.folder;
        sink.jobs.push_back(std::move(job));
        if (!sink.thread.joinable()) sink.thread = std::thread(writerLoop);
    }
    sink.changed.notify_all();
}

// The game goes on unrecorded; the board says why, once for each recording.
void stopRecording(const std::string& why)
{
    if (recorder.active) hand(Job{JobKind::Close, {}, {}, {}, 0});
    recorder.active = false;
    gameState.journal.on = false;
    gameState.journal.entries.clear();
    notices.recordingLine = why;
    if (recorder.saidFor != recorder.name) std::fprintf(stderr, "zentory: %s\n", why.c_str());
    recorder.saidFor = recorder.name;
}

std::string startTime(bool forName)
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, forName ? "%Y-%m-%dT%H%M%S" : "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// Start time and galaxy, the galaxy's name cut to letters, digits and dashes;
// a name taken already gets -2, -3, ...
std::string newName(const std::string& galaxy)
{
    std::string g;
    for (unsigned char c : galaxy) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (g.size() < 40) g += plain ? static_cast<char>(c) : '-';
    }
    if (g.empty()) g = "galaxy";
    const std::string base = startTime(true) + "-" + g;
    for (int k = 1;; ++k) {
        const std::string name = base + (k > 1 ? "-" + std::to_string(k) : "") + ".rec";
        struct stat st;
        if (name != recorder.name && ::lstat(pathOf(name).c_str(), &st) != 0) return name;
    }
}

} // namespace

void useRecordingFolder(const std::string& playerFolder)
{
    recorder.folder = playerFolder.empty() ? "" : playerFolder + "/recordings";
}

std::string recordingFolder() { return recorder.folder; }

void recordNewGame()
{
    if (recorder.active) hand(Job{JobKind::Close, {}, {}, {}, 0});
    recorder.active = false;
    notices.recordingLine.clear();
    gameState.journal.on = false;
    if (recorder.folder.empty()) return;
    const Recording r = recordingOf(gameState, gameState.random.state, startTime(false));
    const std::string header = recordingHeaderText(r);
    recorder.name = newName(gameState.galaxy.name);
    if (header.size() > maxRecordingBytes) {
        stopRecording(tr("Not recording: the galaxy is too large for a recording"));
        return;
    }
    hand(Job{JobKind::Open, recorder.name, {}, header, 0});
    recorder.active = true;
    // The statistics screen's "replay" plays this file.
    currentRecordingPath = pathOf(recorder.name);
    recorder.turn = gameState.galaxy.turn;
    recorder.handed = header.size();
    gameState.journal.entries.clear();
    gameState.journal.on = true;
}

void recorderAfterFrame()
{
    int error = 0;
    {
        std::lock_guard lock(sink.mutex);
        if (recorder.active && sink.name == recorder.name) error = sink.error;
    }
    if (error != 0) stopRecording(tr("Not recording in ") + recorder.folder + ": " + trCore(writeFailureReason(error)));
    if (recorder.active && gameState.galaxy.turn < recorder.turn) {
        hand(Job{JobKind::Close, {}, {}, {}, 0});
        recorder.active = false;
    }
    if (!recorder.active) {
        gameState.journal.entries.clear();
        return;
    }
    recorder.turn = gameState.galaxy.turn;
    std::string lines;
    for (const CourseEntry& e : drainJournal(gameState)) lines += courseLine(e);
    if (recorder.handed + lines.size() > maxRecordingBytes) {
        stopRecording(tr("Recording stopped: the file reached 16 MiB"));
        return;
    }
    if (!lines.empty()) hand(Job{JobKind::Append, {}, {}, lines, 0});
    recorder.handed += lines.size();
    if (gameState.phase == GamePhase::Over) {
        hand(Job{JobKind::Close, {}, {}, {}, 0});
        recorder.active = false;
        gameState.journal.on = false;
    }
}

RecordingMark recordingMark()
{
    if (!recorder.active) return {};
    return RecordingMark{recorder.name, recorder.handed};
}

void waitForRecording(const RecordingMark& mark)
{
    if (mark.name.empty()) return;
    std::unique_lock lock(sink.mutex);
    sink.changed.wait(lock, [&] {
        return (sink.name == mark.name && (sink.durable >= mark.bytes || sink.error != 0)) ||
               (sink.jobs.empty() && !sink.busy);
    });
}

void continueRecording(const RecordingMark& mark)
{
    recorder.active = false;
    gameState.journal.on = false;
    currentRecordingPath.clear();
    if (mark.name.empty() || recorder.folder.empty() || !plainFileName(mark.name)) return;
    recorder.name = mark.name;
    std::string text;
    Recording r;
    std::string why = "recording cannot be read: it is gone or too large";
    const bool read = readWholeFile(pathOf(mark.name), maxRecordingBytes, text) == FileRead::ok;
    if (read && (text.size() < mark.bytes || (mark.bytes > 0 && text[mark.bytes - 1] != '\n')))
        why = "recording cannot be read: it is shorter than the saved game";
    else if (read && readRecording(text.substr(0, mark.bytes), r, why))
        why.clear();
    if (!why.empty()) {
        stopRecording(tr("Not recording this game: its recording ") + mark.name + tr(" is gone or damaged"));
        std::fprintf(stderr, "zentory: %s\n", why.c_str());
        return;
    }
    hand(Job{JobKind::Resume, mark.name, {}, {}, mark.bytes});
    recorder.active = true;
    currentRecordingPath = pathOf(mark.name);
    recorder.turn = gameState.galaxy.turn;
    recorder.handed = mark.bytes;
    gameState.journal.entries.clear();
    gameState.journal.on = true;
}

void finishRecording() { sink.stop(); }

void resetRecorderForTests()
{
    sink.stop();
    {
        std::lock_guard lock(sink.mutex);
        sink.jobs.clear();
        sink.name.clear();
        sink.durable = 0;
        sink.error = 0;
    }
    if (sink.fd >= 0) ::close(sink.fd);
    sink.fd = -1;
    recorder = Recorder{};
}
