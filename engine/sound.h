#pragma once
// Sound effects by name, each with a number of voices that may sound at
// once, rate-limited per name; the effect volume lives only in svol.lst.
#include <cstddef>
#include <map>
#include <memory>
#include <string>

struct SoundEffect {
    int clip = -1;         // the mixer's converted copy, shared by the voices
    int firstChannel = -1; // the voices are channels firstChannel .. + voiceCount - 1
    int voiceCount = 0;
    virtual ~SoundEffect() = default;
};

// Bounds on what a sound list can make us hold: its first 64 KiB are read
// (a record takes a few dozen bytes), at most 32 effect names are kept (the
// game plays one), each with at most 64 voices, and each effect is at most
// kMaxEffectMs long (wav.h). A WAV file named more than once is read once.
constexpr size_t maxSoundListBytes = 64u * 1024;
constexpr int maxSoundEffects = 32;
constexpr int maxSoundVoices = 64;

struct SoundPlayer {
    bool device = false;
    // An entry without an effect is a name whose loading failed.
    std::map<std::string, std::unique_ptr<SoundEffect>> sounds;
    // The mixer's clip of each WAV path loaded, -1 for one that failed.
    std::map<std::string, int> clipsByPath;
};

extern SoundPlayer soundPlayer;

// Start-up as the main loop calls it: device, list, then the stored volume.
void bringUpSound(const char* soundListFile);
void initSound();
// Each name once, with its last record; names past maxSoundEffects are left out.
void loadSoundList(const char* listFile);
// A name past maxSoundEffects gets no entry.
void loadSound(const std::string& path, const std::string& name, int voiceCount);
void startSound(const std::string& name); // one voice, without the rate limit
void shutdownSound();

// Facade.
void playSound(const std::string& name);
void setSoundVolume(int level);
int getSoundVolume();

// Attenuation in hundredths of a decibel for a level 1..20.
int soundAttenuation(int level);
// Forgets the rate table, for tests.
void resetSoundRateTable();
