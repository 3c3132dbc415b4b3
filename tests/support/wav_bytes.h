// A RIFF/WAVE file, mono at 22050 Hz, with an unrelated chunk first; dataSize
// may claim more than is there.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline std::vector<uint8_t> wavBytes(int bits, uint32_t dataSize, size_t present, uint32_t fmtSize = 16,
                                     uint16_t formatTag = 1)
{
    std::vector<uint8_t> v;
    auto put = [&v](uint32_t x) {
        for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    };
    // "RIFF", its size (set below), "WAVE", a 3-byte "LIST" chunk with its pad byte, then "fmt ".
    for (uint32_t x : {0x46464952u, 0u, 0x45564157u, 0x5453494Cu, 3u, 0x030201u, 0x20746D66u, fmtSize,
                       formatTag | 1u << 16, 22050u, 22050u * bits / 8, uint32_t(bits / 8) | uint32_t(bits) << 16})
        put(x);
    v.resize(v.size() + fmtSize - 16, 0);
    put(0x61746164u); // "data"
    put(dataSize);
    for (size_t i = 0; i < present; ++i) v.push_back(static_cast<uint8_t>(0x40 + i % 7));
    const uint32_t riff = static_cast<uint32_t>(v.size() - 8);
    std::memcpy(v.data() + 4, &riff, 4);
    return v;
}

// 16-bit samples, as the text of a file.
inline std::string wavText(uint32_t dataSize, size_t present)
{
    const std::vector<uint8_t> v = wavBytes(16, dataSize, present);
    return std::string(v.begin(), v.end());
}
