#pragma once
// Our own RIFF/WAVE reader: the format chunk and the sample data, nothing more.
#include <cstdint>
#include <string>
#include <vector>

// The largest sample data we accept. A damaged size field must not make us
// allocate gigabytes of padding; 64 MiB holds minutes of CD-quality sound.
constexpr uint32_t kMaxWavDataBytes = 64u * 1024 * 1024;

struct WavClip {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    std::vector<uint8_t> extraFormat;
    std::vector<uint8_t> data; // the whole data chunk, padded with silence if the file is short
};

// Refuses (false) anything that is not RIFF/WAVE, a "fmt " chunk under 16
// bytes, a missing or empty "data" chunk, a "data" chunk declaring more than
// kMaxWavDataBytes, or truncated extra format bytes.
bool parseWav(const uint8_t* bytes, size_t size, WavClip& out);
bool readWavFile(const std::string& path, WavClip& out);
