#include "engine/sound.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>
#include <vector>

#include "base/file_read.h"
#include "base/random.h"
#include "engine/platform/audio.h"
#include "engine/platform/platform.h"
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
    soundPlayer.clipsByPath.clear();
    audioClose();
    soundPlayer.device = audioOpen();
}

// The mixer's clip of a WAV file, read and converted on its first use only.
static int clipOfFile(const std::string& path)
{
    auto [known, added] = soundPlayer.clipsByPath.emplace(path, -1);
    if (!added) return known->second;
    WavClip clip;
    if (readWavFile(path, clip)) known->second = audioLoadClip(clip);
    return known->second;
}

void loadSound(const std::string& path, const std::string& name, int voiceCount)
{
    if (!soundPlayer.sounds.count(name) && static_cast<int>(soundPlayer.sounds.size()) >= maxSoundEffects) return;
    std::unique_ptr<SoundEffect>& entry = soundPlayer.sounds[name];
    entry.reset();
    // The path buffer holds 79 characters; longer paths are refused, not cut.
    if (!soundPlayer.device || voiceCount < 1 || path.size() > 79) return;
    int clipId = clipOfFile(path);
    if (clipId < 0) return;
    // A list cannot ask for more voices than a mixer can sensibly hold.
    voiceCount = std::min(voiceCount, maxSoundVoices);
    int first = audioReserveChannels(voiceCount);
    if (first < 0) return;
    auto effect = std::make_unique<SoundEffect>();
    effect->clip = clipId;
    effect->firstChannel = first;
    effect->voiceCount = voiceCount;
    entry = std::move(effect);
}

void loadSoundList(const char* listFile)
{
    std::string text;
    if (!listFile || readWordList(listFile, maxSoundListBytes, text) != FileRead::ok) return;
    std::istringstream in(std::move(text));
    // A later record of a name replaces the earlier one, so only the last is
    // loaded: a name listed again and again reserves its voices once.
    std::vector<std::string> order;
    std::map<std::string, std::pair<int, std::string>> records;
    std::string name, path;
    int voices;
    while (in >> name && in >> voices && in >> path) {
        auto [record, added] = records.try_emplace(name);
        if (added) {
            if (static_cast<int>(order.size()) == maxSoundEffects) {
                records.erase(record);
                continue;
            }
            order.push_back(name);
        }
        record->second = {voices, path};
    }
    for (const std::string& n : order) loadSound(records[n].second, n, records[n].first);
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

static int applySoundVolume(int level)
{
    level = clampVolume(level);
    currentGain = std::pow(10.0, soundAttenuation(level) / 2000.0);
    for (auto& [name, effect] : soundPlayer.sounds)
        if (effect)
            for (int i = 0; i < effect->voiceCount; ++i) audioSetGain(effect->firstChannel + i, currentGain);
    return level;
}

void setSoundVolume(int level) { writeVolumeFile("svol.lst", applySoundVolume(level)); }

int getSoundVolume() { return readVolumeFile("svol.lst"); }

void bringUpSound(const char* soundListFile)
{
    initSound();
    loadSoundList(soundListFile);
    // The level read is applied, never written back: only the player changes it.
    applySoundVolume(readVolumeFile("svol.lst"));
}

void shutdownSound()
{
    soundPlayer.sounds.clear();
    soundPlayer.clipsByPath.clear();
    audioClose();
    soundPlayer.device = false;
}

void resetSoundRateTable() { soundRateTable.clear(); }
