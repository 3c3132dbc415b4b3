#pragma once
// Our own RIFF/WAVE reader: the format chunk and the sample data, nothing more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The largest WAV file read, 16 MiB; a larger one is refused unread.
constexpr size_t kMaxWavFileBytes = 16u * 1024 * 1024;
// The longest effect kept, 10 s: effects are clicks and short cues, and every
// voice of a long one would hold the mixer's converted copy for the whole run.
constexpr uint32_t kMaxEffectMs = 10000;

struct WavClip {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    std::vector<uint8_t> extraFormat;
    std::vector<uint8_t> data; // the data chunk, as much of it as the file holds
};

// Refuses (false) anything that is not RIFF/WAVE, a "fmt " chunk under 16
// bytes, truncated extra format bytes, a missing or empty "data" chunk, a
// format without a rate, or sound longer than kMaxEffectMs. A data chunk that
// claims more than the file holds is taken as far as the file goes: its size
// field is never trusted for memory.
bool parseWav(const uint8_t* bytes, size_t size, WavClip& out);
// Only a regular file of at most kMaxWavFileBytes is read.
bool readWavFile(const std::string& path, WavClip& out);
