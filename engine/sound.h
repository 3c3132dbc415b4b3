#pragma once
// Sound effects by name, each with a number of voices that may sound at
// once, rate-limited per name; the effect volume lives only in svol.lst.
#include <map>
#include <memory>
#include <string>

struct SoundEffect {
    int clip = -1;         // the mixer's converted copy, shared by the voices
    int firstChannel = -1; // the voices are channels firstChannel .. + voiceCount - 1
    int voiceCount = 0;
    virtual ~SoundEffect() = default;
};

struct SoundPlayer {
    bool device = false;
    // An entry without an effect is a name whose loading failed.
    std::map<std::string, std::unique_ptr<SoundEffect>> sounds;
};

extern SoundPlayer soundPlayer;

// Start-up as the main loop calls it: device, list, then the stored volume.
void bringUpSound(const char* soundListFile);
void initSound();
void loadSoundList(const char* listFile);
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
