#include "engine/music.h"

#include <cmath>
#include <cstring>
#include <fstream>

#include "engine/platform/audio.h"
#include "engine/random.h"
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
    musicPlayer = MusicPlayer{};
    for (int i = 0; i < musicSlotCount; ++i) musicPlayer.slots[i].index = i;
    musicTracks = MusicTrackList{};
    musicChooser = MusicChooser{};
    // The player plays on the sound part's device; without it there is no music.
    musicPlayer.player = audioAvailable();
}

// A Standard MIDI File starts with its header chunk.
static bool isStandardMidiFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char header[14];
    if (!in.read(header, sizeof header)) return false;
    return std::memcmp(header, "MThd", 4) == 0 && header[4] == 0 && header[5] == 0 && header[6] == 0 && header[7] >= 6;
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

bool playMusicSlot(int slot)
{
    MusicSlot* s = loadedSlot(slot);
    if (!s) return false;
    if (musicPlayer.currentSlot >= 0) stopMusicSlot(musicPlayer.currentSlot);
    audioPlayMusic(s->piece);
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
    std::ifstream in(listFile ? listFile : "");
    std::string word;
    if (!(in >> word) || word == "noMusic") return;
    do {
        musicTracks.names.push_back(word);
        musicTracks.slots.push_back(loadMusicFile(word));
    } while (musicTracks.names.size() < maxMusicTracks && in >> word);
}

void updateMusic()
{
    int count = static_cast<int>(musicTracks.names.size());
    if (count == 0) return;
    // A list none of whose files loaded stays silent without drawing numbers.
    bool anyLoaded = false;
    for (int slot : musicTracks.slots) anyLoaded = anyLoaded || slot >= 0;
    if (!anyLoaded) return;
    if (!musicChooser.requested) {
        musicChooser.chosen = randomInt(count);
        // A track whose file did not load is passed over: choose again next frame.
        if (musicTracks.slots[musicChooser.chosen] < 0) return;
        playMusicSlot(musicTracks.slots[musicChooser.chosen]);
        musicChooser.requested = true;
        musicChooser.confirmed = false;
    }
    int slot = musicTracks.slots[musicChooser.chosen];
    if (!musicChooser.confirmed) {
        if (musicSlotState(slot) == 2) musicChooser.confirmed = true;
    } else if (musicSlotState(slot) != 2) {
        musicChooser.requested = false;
        musicChooser.confirmed = false;
    }
}

void setMusicVolume(int level)
{
    level = clampVolume(level);
    if (musicPlayer.player) audioSetMusicGain(musicGainOfLevel(level));
    writeVolumeFile("mvol.lst", level);
}

int getMusicVolume() { return readVolumeFile("mvol.lst"); }

void bringUpMusic(const char* musicListFile)
{
    initMusic();
    if (musicListFile && *musicListFile) loadMusicList(musicListFile);
    setMusicVolume(readVolumeFile("mvol.lst"));
}

void shutdownMusic()
{
    audioStopMusic();
    for (MusicSlot& s : musicPlayer.slots) {
        s.piece.clear();
        s.state = 0;
    }
    musicPlayer.currentSlot = -1;
    musicPlayer.player = false;
}
