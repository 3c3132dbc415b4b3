// A mixer that records what it was asked to play, for tests.
#include <vector>

#include "engine/platform/audio.h"
#include "engine/platform/headless_audio.h"

namespace {
HeadlessAudio a;
}

HeadlessAudio& headlessAudio() { return a; }
void headlessAudioReset(bool deviceAvailable)
{
    a = HeadlessAudio{};
    a.deviceAvailable = deviceAvailable;
}

bool audioOpen()
{
    if (!a.deviceAvailable) return false;
    a.open = true;
    return true;
}
void audioClose()
{
    a.open = false;
    a.channelBusy.clear();
    a.clips.clear();
    a.musicPlaying = false;
}
bool audioAvailable() { return a.open; }

int audioLoadClip(const WavClip& clip)
{
    if (!a.open) return -1;
    a.clips.push_back(clip);
    return static_cast<int>(a.clips.size()) - 1;
}

int audioReserveChannels(int count)
{
    if (!a.open || count < 1) return -1;
    int first = static_cast<int>(a.channelBusy.size());
    a.channelBusy.resize(a.channelBusy.size() + static_cast<size_t>(count), false);
    return first;
}

bool audioChannelPlaying(int channel)
{
    return channel >= 0 && channel < static_cast<int>(a.channelBusy.size()) && a.channelBusy[channel];
}

void audioPlay(int channel, int clip, double gain)
{
    if (channel < 0 || channel >= static_cast<int>(a.channelBusy.size())) return;
    a.plays.push_back({channel, clip, gain});
    a.channelBusy[channel] = true;
}

void audioSetGain(int, double) {}

bool audioPlayMusic(const std::string& path)
{
    if (!a.open || a.unplayable.count(path)) return false;
    a.musicStarted.push_back(path);
    a.musicPlaying = true;
    return true;
}
void audioStopMusic() { a.musicPlaying = false; }
bool audioMusicPlaying() { return a.musicPlaying; }
void audioSetMusicGain(double gain) { a.musicGain = gain; }
