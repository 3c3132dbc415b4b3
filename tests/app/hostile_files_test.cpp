// Files that are not what their names promise, under every name the game
// opens. Each case runs in a child process, so that one that hangs (a FIFO
// waits in open() for a writer) is killed and reported instead of hanging the
// tests, and so that its peak memory can be measured on its own.
//
// The bounds: each case returns within 20 s (it takes milliseconds) and
// raises the peak resident memory by less than 32 MiB.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/autosave.h"
#include "game/galaxy_list.h"
#include "engine/music.h"
#include "engine/platform/headless.h"
#include "engine/platform/headless_audio.h"
#include "engine/sound.h"
#include "engine/volume_file.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/wav_bytes.h"

namespace fs = std::filesystem;

namespace {

constexpr long memoryBoundKiB = 32 * 1024;
constexpr int timeBoundMs = 20000;

struct Source {
    const char* name;
    std::function<void(const fs::path&)> make;
};

const Source sources[] = {
    {"FIFO", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0644), 0); }},
    {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
    {"folder", [](const fs::path& p) { fs::create_directory(p); }},
    {"sparse 1 GB file",
     [](const fs::path& p) {
         const int fd = open(p.c_str(), O_WRONLY | O_CREAT, 0644);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(ftruncate(fd, off_t{1} << 30), 0);
         close(fd);
     }},
    {"WAV claiming 64 MiB", [](const fs::path& p) { writeText(p, wavText(64u << 20, 4)); }},
    {"100 000-line sound list",
     [](const fs::path& p) {
         std::string text;
         for (int i = 0; i < 100000; ++i) text += "s" + std::to_string(i) + " 64 sounds/click.wav\n";
         writeText(p, text);
     }},
};

void startSound()
{
    headlessReset();
    headlessAudioReset();
    bringUpSound("sounds.lst");
}

// What a use checks in the child: "" when the game treated the file soundly.
std::string startMusic()
{
    startSound(); // the music plays on the sound part's device
    bringUpMusic("music.lst");
    for (int slot : musicTracks.slots)
        if (slot >= 0) return "a track was loaded";
    return "";
}

struct Use {
    const char* name;
    const char* where; // the path the source takes
    const char* list;  // the list naming it, or nullptr
    const char* listText;
    std::function<std::string()> check;
};

const Use uses[] = {
    {"standard galaxy", "galaxies/PARA.gly", nullptr, nullptr, [] { return Galaxy().loadFile("PARA") ? "read" : ""; }},
    {"listed galaxy", "galaxies/HOSTILE.gly", nullptr, nullptr,
     [] {
         for (const std::string& name : listGalaxyFiles(galaxyFolders()))
             if (Galaxy().loadFile(name)) return "read " + name;
         return std::string();
     }},
    {"volume file", "svol.lst", nullptr, nullptr,
     [] {
         startSound();
         setSoundVolume(5);
         return getSoundVolume() == 3 || getSoundVolume() == 5 ? "" : "not level 3 or 5";
     }},
    {"sound list", "sounds.lst", nullptr, nullptr,
     [] {
         startSound();
         // At most the bound of effects, all from one clip loaded once.
         if (soundPlayer.sounds.size() > static_cast<size_t>(maxSoundEffects)) return "too many effects";
         return headlessAudio().clips.size() > 1 ? "a clip loaded twice" : "";
     }},
    {"sound-list entry", "hostile.wav", "sounds.lst", "menuSound 4 hostile.wav",
     [] {
         startSound();
         // Only what the file holds is kept: nothing, or a short clip of its few bytes.
         std::error_code error;
         const auto size = fs::is_regular_file("hostile.wav") ? fs::file_size("hostile.wav", error) : 0;
         for (const WavClip& clip : headlessAudio().clips)
             if (clip.data.size() > size) return "a clip longer than its file";
         return "";
     }},
    {"saved game", "savegame", nullptr, nullptr,
     [] {
         useSaveFolder(".");
         const bool resumed = loadSavedGame() == SaveAtStart::Resumed;
         // Never opened: it is set aside unread, and the name is free.
         return resumed ? "resumed" : fs::exists(fs::symlink_status("savegame")) ? "left in place" : "";
     }},
    {"music list", "music.lst", nullptr, nullptr, startMusic},
    {"music-list entry", "hostile.mid", "music.lst", "hostile.mid", startMusic},
};

long statusKiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
    return 0;
}

// Runs in the child: the message goes back through the pipe, "" for a pass.
std::string runCase(const Use& use)
{
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts from here
    const long before = statusKiB("VmRSS:");
    std::string failure = use.check();
    const long grown = statusKiB("VmHWM:") - before;
    if (failure.empty() && grown >= memoryBoundKiB) failure = "peak memory grew by " + std::to_string(grown) + " KiB";
    return failure;
}

// "" when the child passed within the time bound, else why not.
std::string inChild(const Use& use)
{
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::string failure = runCase(use);
        if (!failure.empty() && write(channel[1], failure.data(), failure.size()) < 0) _exit(3);
        _exit(failure.empty() ? 0 : 1);
    }
    close(channel[1]);
    int status = 0;
    const auto start = std::chrono::steady_clock::now();
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(timeBoundMs)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            close(channel[0]);
            return "did not return within " + std::to_string(timeBoundMs / 1000) + " s";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    char buffer[512];
    const ssize_t n = read(channel[0], buffer, sizeof buffer);
    close(channel[0]);
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    if (WEXITSTATUS(status) == 0) return "";
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "failed";
}

} // namespace

TEST(HostileFiles, EveryNameTheGameOpensTreatsADeviceFifoHugeOrLyingFileAsMissingOrBounded)
{
    for (const Source& source : sources) {
        for (const Use& use : uses) {
            SCOPED_TRACE(std::string(source.name) + " as " + use.name);
            ScratchFolder folder("hostile");
            fs::create_directories("galaxies");
            fs::create_directories("sounds");
            writeText("sounds/click.wav", wavText(200, 200));
            setGalaxyFolder("galaxies");
            setPlayerGalaxyFolder("");
            setVolumeFolder("");
            source.make(use.where);
            if (use.list) writeText(use.list, use.listText);
            EXPECT_EQ(inChild(use), "");
        }
    }
}
