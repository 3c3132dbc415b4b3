// A mixer that records what it was asked to play, for tests.
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "engine/platform/audio.h"
#include "engine/platform/headless_audio.h"

namespace {
HeadlessAudio a;
// Music pieces are prepared and released on the music loader's worker.
std::mutex musicLock;
std::condition_variable released;
bool holdPreparation = false;
int playingPiece = -1;
} // namespace

HeadlessAudio& headlessAudio() { return a; }
void headlessAudioReset(bool deviceAvailable)
{
    std::lock_guard<std::mutex> held(musicLock);
    a = HeadlessAudio{};
    a.deviceAvailable = deviceAvailable;
    playingPiece = -1;
}

void headlessHoldMusicPreparation(bool hold)
{
    std::lock_guard<std::mutex> held(musicLock);
    holdPreparation = hold;
    released.notify_all();
}

bool audioOpen()
{
    if (!a.deviceAvailable) return false;
    a.open = true;
    return true;
}
void audioClose()
{
    std::lock_guard<std::mutex> held(musicLock);
    a.open = false;
    a.channelBusy.clear();
    a.channelGain.clear();
    a.clips.clear();
    a.pieces.clear();
    a.musicPlaying = false;
    playingPiece = -1;
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
    a.channelGain.resize(a.channelBusy.size(), 1.0);
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
    a.channelGain[channel] = gain;
}

void audioSetGain(int channel, double gain)
{
    if (channel >= 0 && channel < static_cast<int>(a.channelGain.size())) a.channelGain[channel] = gain;
}

int audioPrepareMusic(const std::string& path)
{
    std::unique_lock<std::mutex> held(musicLock);
    a.preparedOn.push_back(std::this_thread::get_id());
    released.wait(held, [] { return !holdPreparation; });
    if (!a.open || a.unpreparable.count(path)) return -1;
    int piece = a.nextPiece++;
    a.pieces[piece] = path;
    a.mostPieces = std::max(a.mostPieces, a.pieces.size());
    return piece;
}

bool audioStartMusic(int piece)
{
    std::lock_guard<std::mutex> held(musicLock);
    auto it = a.pieces.find(piece);
    if (!a.open || it == a.pieces.end() || a.unplayable.count(it->second)) return false;
    a.musicStarted.push_back(it->second);
    a.musicPlaying = a.reportPlaying;
    playingPiece = piece;
    return true;
}

void audioReleaseMusic(int piece)
{
    std::lock_guard<std::mutex> held(musicLock);
    a.pieces.erase(piece);
    if (playingPiece == piece) {
        a.musicPlaying = false;
        playingPiece = -1;
    }
}

void audioStopMusic()
{
    std::lock_guard<std::mutex> held(musicLock);
    a.musicPlaying = false;
    playingPiece = -1;
}
bool audioMusicPlaying()
{
    std::lock_guard<std::mutex> held(musicLock);
    return a.musicPlaying;
}
void audioThreadEnds() {}
void audioSetMusicGain(double gain) { a.musicGain = gain; }
