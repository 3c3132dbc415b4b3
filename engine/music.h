#pragma once
// Background music: a list of Standard MIDI Files, one random track after
// another, for the whole run. The music volume lives only in mvol.lst.
//
// Every listed file is checked at start-up; the piece that plays a track is
// prepared on a worker thread while the track before it plays (see
// music_loader.h), so that starting a track never stalls a frame and at most
// three pieces exist at once, whatever the length of the list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int musicSlotCount = 64;
// Bounds on the music list and its files: the list's first 64 KiB are read
// (60 names take at most 15 KiB), and a MIDI file over 4 MiB, or anything that
// is not a regular file, is not loaded.
constexpr size_t maxMusicListBytes = 64u * 1024;
constexpr size_t maxMidiFileBytes = 4u * 1024 * 1024;
constexpr int maxMusicTracks = 60;
// A started track that is not playing this long after its start, or that ends
// sooner, is taken for a damaged file and passed over from then on.
constexpr uint32_t musicFailureMs = 1000;

struct MusicSlot {
    std::string piece; // the file checked into the slot
    int prepared = -1; // the mixer's piece that plays it now, or -1
    int index = 0;
    int state = 0; // 0 empty, 1 loaded, 2 playing, 3 stopped
};

struct MusicPlayer {
    bool player = false;
    MusicSlot slots[musicSlotCount];
    int currentSlot = -1;
};

struct MusicTrackList {
    std::vector<std::string> names;
    std::vector<int> slots; // per name, -1 when its file could not be loaded or failed to play
};

struct MusicChooser {
    int chosen = 0;
    bool requested = false;
    bool confirmed = false;
    uint32_t startedAt = 0;
    int next = -1; // the track being prepared to follow, -1 when none is
};

extern MusicPlayer musicPlayer;
extern MusicTrackList musicTracks;
extern MusicChooser musicChooser;

// Start-up as the main loop calls it: player, list (a null name: none), volume.
void bringUpMusic(const char* musicListFile);
void initMusic();
void loadMusicList(const char* listFile);
void updateMusic();
void shutdownMusic();

int loadMusicFile(const std::string& fileName);
bool playMusicSlot(int slot);
bool stopMusicSlot(int slot);
int musicSlotState(int slot);

// Facade.
void setMusicVolume(int level);
int getMusicVolume();

// The master-volume value of a level, in hundredths of a decibel.
int musicMasterValue(int level);
// Our mixer's gain for a level: -30 dB at level 1 up to 0 dB at level 20 in
// even steps, so that every level sounds different and level 1 is still heard.
double musicGainOfLevel(int level);
