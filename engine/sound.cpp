#include "engine/sound.h"

#include <cmath>
#include <fstream>

#include "engine/platform/audio.h"
#include "engine/platform/platform.h"
#include "engine/random.h"
#include "engine/volume_file.h"

SoundPlayer soundPlayer;

static std::map<std::string, uint32_t> soundRateTable;
static double currentGain = 1.0;

int soundAttenuation(int level)
{
    level = clampVolume(level);
    return level == 1 ? -5000 : -4500 + (level - 2) * 250;
}

void initSound()
{
    soundPlayer.sounds.clear();
    audioClose();
    soundPlayer.device = audioOpen();
}

void loadSound(const std::string& path, const std::string& name, int voiceCount)
{
    std::unique_ptr<SoundEffect>& entry = soundPlayer.sounds[name];
    entry.reset();
    // The path buffer holds 79 characters; longer paths are refused, not cut.
    if (!soundPlayer.device || voiceCount < 1 || path.size() > 79) return;
    WavClip clip;
    if (!readWavFile(path, clip)) return;
    int clipId = audioLoadClip(clip);
    if (clipId < 0) return;
    // A list cannot ask for more voices than a mixer can sensibly hold.
    int first = audioReserveChannels(voiceCount > 64 ? 64 : voiceCount);
    if (first < 0) return;
    auto effect = std::make_unique<SoundEffect>();
    effect->clip = clipId;
    effect->firstChannel = first;
    effect->voiceCount = voiceCount > 64 ? 64 : voiceCount;
    entry = std::move(effect);
}

void loadSoundList(const char* listFile)
{
    std::ifstream in(listFile ? listFile : "");
    std::string name, path;
    int voices;
    while (in >> name && in >> voices && in >> path) loadSound(path, name, voices);
}

void startSound(const std::string& name)
{
    auto it = soundPlayer.sounds.find(name);
    if (it == soundPlayer.sounds.end() || !it->second) return;
    const SoundEffect& e = *it->second;
    int voice = -1;
    for (int i = 0; i < e.voiceCount && voice < 0; ++i)
        if (!audioChannelPlaying(e.firstChannel + i)) voice = i;
    if (voice < 0) {
        // Every voice is busy: a random one is asked, and a busy voice goes on
        // playing rather than restarting.
        voice = engineRandomInt(e.voiceCount);
        if (audioChannelPlaying(e.firstChannel + voice)) return;
    }
    audioPlay(e.firstChannel + voice, e.clip, currentGain);
}

void playSound(const std::string& name)
{
    auto it = soundPlayer.sounds.find(name);
    if (it == soundPlayer.sounds.end() || !it->second) return;
    uint32_t now = platformTicks();
    // A name's first request always sounds: the clock starts near 0 with the
    // program, and a start value of 0 would silence the first two seconds.
    auto [entry, first] = soundRateTable.emplace(name, now);
    uint32_t interval = static_cast<uint32_t>(2000 / it->second->voiceCount);
    if (!first && now - entry->second < interval) return;
    entry->second = now;
    startSound(name);
}

void setSoundVolume(int level)
{
    level = clampVolume(level);
    currentGain = std::pow(10.0, soundAttenuation(level) / 2000.0);
    for (auto& [name, effect] : soundPlayer.sounds)
        if (effect)
            for (int i = 0; i < effect->voiceCount; ++i) audioSetGain(effect->firstChannel + i, currentGain);
    writeVolumeFile("svol.lst", level);
}

int getSoundVolume() { return readVolumeFile("svol.lst"); }

void bringUpSound(const char* soundListFile)
{
    initSound();
    loadSoundList(soundListFile);
    setSoundVolume(readVolumeFile("svol.lst"));
}

void shutdownSound()
{
    soundPlayer.sounds.clear();
    audioClose();
    soundPlayer.device = false;
}

void resetSoundRateTable() { soundRateTable.clear(); }
