#pragma once
// A minimal PNG writer: 8-bit RGB or RGBA, no filtering, deflated by zlib.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <zlib.h>

#include "engine/image.h"

namespace png {

inline uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0)
{
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 255] ^ (crc >> 8);
    return ~crc;
}

inline void put32(std::vector<uint8_t>& v, uint32_t x)
{
    for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

inline void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data)
{
    put32(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc32(body.data(), body.size()));
}

// Filtered scanlines (a 0 before each row), deflated; colourType 2 is RGB,
// 6 is RGBA, 8 bits a channel.
inline bool writeRows(const std::string& path, int width, int height, uint8_t colourType,
                      const std::vector<uint8_t>& raw)
{
    uLongf zSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> z(zSize);
    if (compress2(z.data(), &zSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return false;
    z.resize(zSize);
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    put32(ihdr, static_cast<uint32_t>(width));
    put32(ihdr, static_cast<uint32_t>(height));
    ihdr.insert(ihdr.end(), {8, colourType, 0, 0, 0});
    chunk(out, "IHDR", ihdr);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

inline bool write(const std::string& path, const Image& im)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < im.height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < im.width; ++x) {
            uint32_t p = im.at(x, y);
            raw.push_back(static_cast<uint8_t>(redOf(p)));
            raw.push_back(static_cast<uint8_t>(greenOf(p)));
            raw.push_back(static_cast<uint8_t>(blueOf(p)));
        }
    }
    return writeRows(path, im.width, im.height, 2, raw);
}

// rgba: width * height pixels of four bytes, row by row.
inline bool writeRgba(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + static_cast<long>(y) * width * 4,
                   rgba.begin() + static_cast<long>(y + 1) * width * 4);
    }
    return writeRows(path, width, height, 6, raw);
}

} // namespace png
