// The mixer on SDL2_mixer: effects on reserved channels, MIDI through the
// installed General MIDI soundfont.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/platform/audio.h"

namespace {

struct Clip {
    std::vector<int16_t> samples; // stereo 16-bit at the mixer's rate
    Mix_Chunk* chunk = nullptr;   // samples scaled by chunkGain
    double chunkGain = -1;
};

bool opened = false;
std::vector<Clip> clips;
std::vector<Mix_Chunk*> retired; // chunks a voice may still be playing
std::vector<uint8_t> scaledData;
int reservedChannels = 0;
Mix_Music* music = nullptr;
constexpr int mixerRate = 22050;

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

// A chunk of the clip at the given gain; the old one is kept until close
// because a voice may still be playing it.
Mix_Chunk* chunkAt(Clip& clip, double gain)
{
    if (clip.chunk && clip.chunkGain == gain) return clip.chunk;
    if (clip.chunk) retired.push_back(clip.chunk);
    size_t bytes = clip.samples.size() * sizeof(int16_t);
    Uint8* data = static_cast<Uint8*>(SDL_malloc(bytes));
    if (!data) return nullptr;
    int16_t* out = reinterpret_cast<int16_t*>(data);
    for (size_t i = 0; i < clip.samples.size(); ++i) out[i] = static_cast<int16_t>(std::lround(clip.samples[i] * gain));
    clip.chunk = Mix_QuickLoad_RAW(data, static_cast<Uint32>(bytes));
    if (clip.chunk) clip.chunk->allocated = 1; // the mixer frees the data with the chunk
    else SDL_free(data);
    clip.chunkGain = gain;
    return clip.chunk;
}

} // namespace

bool audioOpen()
{
    if (opened) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(mixerRate, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MID);
    if (const char* sf = soundFontPath()) Mix_SetSoundFonts(sf);
    Mix_AllocateChannels(0);
    reservedChannels = 0;
    opened = true;
    return true;
}

void audioClose()
{
    if (!opened) return;
    Mix_HaltChannel(-1);
    audioStopMusic();
    for (Clip& c : clips)
        if (c.chunk) Mix_FreeChunk(c.chunk);
    for (Mix_Chunk* c : retired) Mix_FreeChunk(c);
    clips.clear();
    retired.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
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
                          AUDIO_S16SYS, 2, mixerRate) < 0)
        return -1;
    size_t frameBytes = static_cast<size_t>(wav.channels) * (wav.bitsPerSample / 8);
    size_t usable = wav.data.size() / frameBytes * frameBytes;
    if (usable == 0 || usable > kMaxWavDataBytes) return -1;
    std::vector<uint8_t> buffer(usable * static_cast<size_t>(cvt.len_mult));
    std::copy(wav.data.begin(), wav.data.begin() + static_cast<long>(usable), buffer.begin());
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(usable);
    if (SDL_ConvertAudio(&cvt) != 0) return -1;
    Clip clip;
    clip.samples.resize(static_cast<size_t>(cvt.len_cvt) / sizeof(int16_t));
    std::memcpy(clip.samples.data(), buffer.data(), clip.samples.size() * sizeof(int16_t));
    clips.push_back(std::move(clip));
    return static_cast<int>(clips.size()) - 1;
}

int audioReserveChannels(int count)
{
    if (!opened || count < 1) return -1;
    int first = reservedChannels;
    reservedChannels += count;
    Mix_AllocateChannels(reservedChannels);
    return first;
}

bool audioChannelPlaying(int channel)
{
    return opened && channel >= 0 && channel < reservedChannels && Mix_Playing(channel) != 0;
}

void audioPlay(int channel, int clip, double gain)
{
    if (!opened || channel < 0 || channel >= reservedChannels || clip < 0 || clip >= static_cast<int>(clips.size()))
        return;
    if (Mix_Chunk* chunk = chunkAt(clips[static_cast<size_t>(clip)], gain)) Mix_PlayChannel(channel, chunk, 0);
}

void audioSetGain(int, double) {} // the gain is applied to the samples when a voice starts

bool audioPlayMusic(const std::string& path)
{
    if (!opened) return false;
    audioStopMusic();
    music = Mix_LoadMUS(path.c_str());
    if (!music) return false;
    if (Mix_PlayMusic(music, 1) != 0) {
        Mix_FreeMusic(music);
        music = nullptr;
        return false;
    }
    return true;
}

void audioStopMusic()
{
    if (!music) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    music = nullptr;
}

bool audioMusicPlaying() { return opened && music && Mix_PlayingMusic() != 0; }

void audioSetMusicGain(double gain)
{
    if (!opened) return;
    Mix_VolumeMusic(static_cast<int>(std::lround(std::clamp(gain, 0.0, 1.0) * MIX_MAX_VOLUME)));
}
