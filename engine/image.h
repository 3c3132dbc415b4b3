#pragma once
// A picture in the display's pixel format: one 32-bit word per pixel,
// blue in bits 0-7, green 8-15, red 16-23, bits 24-31 zero. Black is
// transparent when an image is drawn.
#include <cstddef>
#include <cstdint>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // width * height, row by row

    void resize(int w, int h, uint32_t fill = 0)
    {
        width = w;
        height = h;
        pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), fill);
    }
    uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const uint32_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline uint32_t packRgb(int r, int g, int b)
{
    return (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
           static_cast<uint32_t>(b & 255);
}
inline int redOf(uint32_t p) { return static_cast<int>((p >> 16) & 255); }
inline int greenOf(uint32_t p) { return static_cast<int>((p >> 8) & 255); }
inline int blueOf(uint32_t p) { return static_cast<int>(p & 255); }
