// The mixer on SDL2_mixer: effects on reserved channels, MIDI through the
// installed General MIDI soundfont.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/platform/audio.h"

namespace {

// Each voice's gain is applied by a channel effect as the mixer mixes, so a
// volume change reaches the voices already sounding, and one copy of each
// clip serves every gain.
struct ChannelGain {
    std::atomic<float> gain{1.0f};
};

std::atomic<bool> opened{false};
std::vector<Mix_Chunk*> clips;
std::vector<std::unique_ptr<ChannelGain>> channelGains;
int mixerRate = 22050;
int mixerChannels = 2;

// Prepared MIDI pieces by id; prepared and released on the music loader's
// worker, started on the frame thread.
std::mutex musicLock;
std::map<int, Mix_Music*> pieces;
int nextPiece = 0;

const char* soundFontPath()
{
    // The player's own choice wins; otherwise Debian's General MIDI soundfont.
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env) return env;
    static const char* candidates[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                       "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
    for (const char* c : candidates)
        if (FILE* f = std::fopen(c, "rb")) {
            std::fclose(f);
            return c;
        }
    return nullptr;
}

// Runs on the mixer's thread over the channel's copy of the samples.
void applyGain(int, void* stream, int length, void* data)
{
    float gain = static_cast<ChannelGain*>(data)->gain.load(std::memory_order_relaxed);
    if (gain >= 1.0f) return;
    int16_t* samples = static_cast<int16_t*>(stream);
    int count = length / static_cast<int>(sizeof(int16_t));
    for (int i = 0; i < count; ++i) samples[i] = static_cast<int16_t>(std::lround(samples[i] * gain));
}

} // namespace

bool audioOpen()
{
    if (opened) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // The device may have chosen another rate or channel count: clips are
    // converted to what it really plays.
    Uint16 format = 0;
    if (Mix_QuerySpec(&mixerRate, &format, &mixerChannels) == 0 || format != AUDIO_S16SYS) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    if (const char* sf = soundFontPath()) Mix_SetSoundFonts(sf);
    Mix_AllocateChannels(0);
    channelGains.clear();
    opened = true;
    return true;
}

void audioClose()
{
    if (!opened) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    {
        std::lock_guard<std::mutex> held(musicLock);
        for (auto& [id, music] : pieces) Mix_FreeMusic(music);
        pieces.clear();
    }
    for (Mix_Chunk* c : clips) Mix_FreeChunk(c);
    clips.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    channelGains.clear();
    opened = false;
}

bool audioAvailable() { return opened; }

int audioLoadClip(const WavClip& wav)
{
    if (!opened || wav.formatTag != 1 || (wav.bitsPerSample != 8 && wav.bitsPerSample != 16) || wav.channels < 1 ||
        wav.channels > 8 || wav.samplesPerSecond < 1000 || wav.samplesPerSecond > 384000)
        return -1;
    SDL_AudioCVT cvt;
    SDL_AudioFormat from = wav.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(wav.channels), static_cast<int>(wav.samplesPerSecond),
                          AUDIO_S16SYS, static_cast<Uint8>(mixerChannels), mixerRate) < 0)
        return -1;
    size_t frameBytes = static_cast<size_t>(wav.channels) * (wav.bitsPerSample / 8);
    size_t usable = wav.data.size() / frameBytes * frameBytes;
    if (usable == 0 || usable > kMaxWavFileBytes) return -1;
    std::vector<uint8_t> buffer(usable * static_cast<size_t>(cvt.len_mult));
    std::copy(wav.data.begin(), wav.data.begin() + static_cast<long>(usable), buffer.begin());
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(usable);
    if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt <= 0) return -1;
    Uint8* data = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len_cvt)));
    if (!data) return -1;
    std::memcpy(data, buffer.data(), static_cast<size_t>(cvt.len_cvt));
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(data, static_cast<Uint32>(cvt.len_cvt));
    if (!chunk) {
        SDL_free(data);
        return -1;
    }
    chunk->allocated = 1; // the mixer frees the data with the chunk
    clips.push_back(chunk);
    return static_cast<int>(clips.size()) - 1;
}

int audioReserveChannels(int count)
{
    if (!opened || count < 1) return -1;
    int first = static_cast<int>(channelGains.size());
    for (int i = 0; i < count; ++i) channelGains.push_back(std::make_unique<ChannelGain>());
    Mix_AllocateChannels(static_cast<int>(channelGains.size()));
    return first;
}

static bool isChannel(int channel) { return channel >= 0 && channel < static_cast<int>(channelGains.size()); }

bool audioChannelPlaying(int channel) { return opened && isChannel(channel) && Mix_Playing(channel) != 0; }

void audioPlay(int channel, int clip, double gain)
{
    if (!opened || !isChannel(channel) || clip < 0 || clip >= static_cast<int>(clips.size())) return;
    ChannelGain* g = channelGains[static_cast<size_t>(channel)].get();
    g->gain = static_cast<float>(std::clamp(gain, 0.0, 1.0));
    // The mixer drops a channel's effects when its voice ends; one effect per voice.
    Mix_UnregisterAllEffects(channel);
    if (Mix_RegisterEffect(channel, applyGain, nullptr, g) == 0) return;
    Mix_PlayChannel(channel, clips[static_cast<size_t>(clip)], 0);
}

void audioSetGain(int channel, double gain)
{
    if (!opened || !isChannel(channel)) return;
    channelGains[static_cast<size_t>(channel)]->gain = static_cast<float>(std::clamp(gain, 0.0, 1.0));
}

int audioPrepareMusic(const std::string& path)
{
    if (!opened) return -1;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) return -1;
    std::lock_guard<std::mutex> held(musicLock);
    pieces[nextPiece] = music;
    return nextPiece++;
}

bool audioStartMusic(int piece)
{
    std::lock_guard<std::mutex> held(musicLock);
    auto it = pieces.find(piece);
    return opened && it != pieces.end() && Mix_PlayMusic(it->second, 1) == 0;
}

void audioReleaseMusic(int piece)
{
    Mix_Music* music = nullptr;
    {
        std::lock_guard<std::mutex> held(musicLock);
        auto it = pieces.find(piece);
        if (it == pieces.end()) return;
        music = it->second;
        pieces.erase(it);
    }
    Mix_FreeMusic(music); // halts it first if it is the one playing
}

void audioStopMusic()
{
    if (opened) Mix_HaltMusic();
}

// SDL keeps each thread's error text until the thread says it is done.
void audioThreadEnds() { SDL_TLSCleanup(); }

bool audioMusicPlaying() { return opened && Mix_PlayingMusic() != 0; }

void audioSetMusicGain(double gain)
{
    if (!opened) return;
    Mix_VolumeMusic(static_cast<int>(std::lround(std::clamp(gain, 0.0, 1.0) * MIX_MAX_VOLUME)));
}
