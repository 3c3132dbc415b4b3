#include "engine/music.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "base/file_read.h"
#include "base/random.h"
#include "engine/music_loader.h"
#include "engine/platform/audio.h"
#include "engine/platform/platform.h"
#include "engine/volume_file.h"

MusicPlayer musicPlayer;
MusicTrackList musicTracks;
MusicChooser musicChooser;

int musicMasterValue(int level)
{
    static const int values[20] = {-5000, -4000, -2000, -1000, -200, 200,  800,  1500, 2500, 3500,
                                   4500,  5000,  6000,  7000,  7500, 8000, 8500, 9000, 9500, 10000};
    return values[clampVolume(level) - 1];
}

double musicGainOfLevel(int level)
{
    double db = -30.0 + 30.0 * (clampVolume(level) - 1) / 19.0;
    return std::pow(10.0, db / 20.0);
}

void initMusic()
{
    shutdownMusic();
    musicPlayer = MusicPlayer{};
    for (int i = 0; i < musicSlotCount; ++i) musicPlayer.slots[i].index = i;
    musicTracks = MusicTrackList{};
    musicChooser = MusicChooser{};
    // The player plays on the sound part's device; without it there is no music.
    musicPlayer.player = audioAvailable();
    if (musicPlayer.player) startMusicLoader();
}

// A Standard MIDI File starts with its header chunk; checked again just
// before the file is handed to the mixer, which reads any path it is given.
static bool isStandardMidiFile(const std::string& path)
{
    std::string header;
    if (readFileHead(path, maxMidiFileBytes, 14, header) != FileRead::ok || header.size() < 14) return false;
    return std::memcmp(header.data(), "MThd", 4) == 0 && header[4] == 0 && header[5] == 0 && header[6] == 0 &&
           header[7] >= 6;
}

int loadMusicFile(const std::string& fileName)
{
    if (!musicPlayer.player || fileName.size() > 259) return -1;
    for (MusicSlot& slot : musicPlayer.slots) {
        if (slot.state != 0) continue;
        if (!isStandardMidiFile(fileName)) return -1;
        slot.piece = fileName;
        slot.state = 1;
        return slot.index;
    }
    return -1;
}

static MusicSlot* loadedSlot(int slot)
{
    if (slot < 0 || slot >= musicSlotCount) return nullptr;
    MusicSlot& s = musicPlayer.slots[slot];
    return s.state == 0 || s.piece.empty() ? nullptr : &s;
}

// Starts the piece prepared for the slot; false when there is none or the
// mixer cannot play it.
bool playMusicSlot(int slot)
{
    MusicSlot* s = loadedSlot(slot);
    if (!s || s->prepared < 0) return false;
    if (musicPlayer.currentSlot >= 0) stopMusicSlot(musicPlayer.currentSlot);
    if (!audioStartMusic(s->prepared)) return false;
    s->state = 2;
    musicPlayer.currentSlot = slot;
    return true;
}

bool stopMusicSlot(int slot)
{
    MusicSlot* s = loadedSlot(slot);
    if (!s) return false;
    audioStopMusic();
    s->state = 3;
    musicPlayer.currentSlot = -1;
    return true;
}

int musicSlotState(int slot)
{
    MusicSlot* s = loadedSlot(slot);
    if (!s) return 0;
    s->state = (musicPlayer.currentSlot == slot && audioMusicPlaying()) ? 2 : 3;
    return s->state;
}

void loadMusicList(const char* listFile)
{
    std::string text;
    if (!listFile || readWordList(listFile, maxMusicListBytes, text) != FileRead::ok) return;
    std::istringstream in(std::move(text));
    std::string word;
    if (!(in >> word) || word == "noMusic") return;
    do {
        musicTracks.names.push_back(word);
        musicTracks.slots.push_back(loadMusicFile(word));
    } while (musicTracks.names.size() < maxMusicTracks && in >> word);
}

static bool anyTrackLoaded()
{
    for (int slot : musicTracks.slots)
        if (slot >= 0) return true;
    return false;
}

// The slot's piece is done with: released off the frame thread.
static void releaseSlotPiece(int slot)
{
    MusicSlot* s = loadedSlot(slot);
    if (!s || s->prepared < 0) return;
    releaseMusicPiece(s->prepared);
    s->prepared = -1;
}

// A track whose file would not play is passed over like one that did not load.
static void markTrackFailed(int track)
{
    int slot = musicTracks.slots[track];
    if (musicPlayer.currentSlot == slot) stopMusicSlot(slot);
    releaseSlotPiece(slot);
    if (MusicSlot* s = loadedSlot(slot)) {
        s->piece.clear();
        s->state = 0;
    }
    for (int& other : musicTracks.slots)
        if (other == slot) other = -1;
}

// Picks the track to follow (uniform, so the one playing may come again) and
// has its piece prepared while the current one plays. A pick without a loaded
// file waits for the next frame's pick.
static void chooseNextTrack(int count)
{
    int pick = engineRandomInt(count);
    if (musicTracks.slots[pick] < 0) return;
    if (!isStandardMidiFile(musicTracks.names[pick])) {
        markTrackFailed(pick);
        return;
    }
    musicChooser.next = pick;
    prepareMusicPiece(musicTracks.names[pick]);
}

// Starts the prepared next track if its piece is ready; never waits for it.
static void startNextTrack(int count)
{
    if (musicChooser.next < 0) {
        chooseNextTrack(count);
        return;
    }
    int piece = -1;
    PieceStatus status = takeMusicPiece(piece);
    if (status == PieceStatus::preparing) return;
    int track = musicChooser.next;
    musicChooser.next = -1;
    if (status != PieceStatus::ready) {
        markTrackFailed(track);
        return;
    }
    int slot = musicTracks.slots[track];
    if (slot < 0) { // the track failed meanwhile
        releaseMusicPiece(piece);
        return;
    }
    if (musicPlayer.currentSlot >= 0) stopMusicSlot(musicPlayer.currentSlot);
    releaseSlotPiece(slot);
    musicPlayer.slots[slot].prepared = piece;
    musicChooser.chosen = track;
    if (!playMusicSlot(slot)) {
        markTrackFailed(track);
        return;
    }
    musicChooser.requested = true;
    musicChooser.confirmed = false;
    musicChooser.startedAt = platformTicks();
    chooseNextTrack(count);
}

void updateMusic()
{
    int count = static_cast<int>(musicTracks.names.size());
    // A list none of whose files loaded stays silent without drawing numbers.
    if (count == 0 || !anyTrackLoaded()) return;
    if (!musicChooser.requested) {
        startNextTrack(count);
        return;
    }
    int track = musicChooser.chosen;
    int slot = musicTracks.slots[track];
    bool playing = musicSlotState(slot) == 2;
    bool early = platformTicks() - musicChooser.startedAt < musicFailureMs;
    if (!musicChooser.confirmed) {
        if (playing) musicChooser.confirmed = true;
        else if (!early) {
            musicChooser.requested = false;
            markTrackFailed(track);
        }
    } else if (!playing) {
        musicChooser.requested = false;
        musicChooser.confirmed = false;
        if (early) markTrackFailed(track);
        else releaseSlotPiece(slot);
    }
}

static int applyMusicVolume(int level)
{
    level = clampVolume(level);
    if (musicPlayer.player) audioSetMusicGain(musicGainOfLevel(level));
    return level;
}

void setMusicVolume(int level) { writeVolumeFile("mvol.lst", applyMusicVolume(level)); }

int getMusicVolume() { return readVolumeFile("mvol.lst"); }

void bringUpMusic(const char* musicListFile)
{
    initMusic();
    if (musicListFile && *musicListFile) loadMusicList(musicListFile);
    // The level read is applied, never written back: only the player changes it.
    applyMusicVolume(readVolumeFile("mvol.lst"));
}

void shutdownMusic()
{
    audioStopMusic();
    stopMusicLoader();
    for (MusicSlot& s : musicPlayer.slots) {
        if (s.prepared >= 0) audioReleaseMusic(s.prepared);
        s.prepared = -1;
        s.piece.clear();
        s.state = 0;
    }
    musicPlayer.currentSlot = -1;
    musicPlayer.player = false;
    musicChooser = MusicChooser{};
}
