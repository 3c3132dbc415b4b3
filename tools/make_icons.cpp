// Writes the window icon as the desktop's PNG icons: make_icons <folder>
// makes <folder>/48x48/zentory.png and <folder>/256x256/zentory.png.
// Black is transparent in our pictures, as in the window icon itself.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/pictures/pictures.h"
#include "tools/png_writer.h"

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0; // colour premultiplied by alpha
};

Rgba sourceAt(const Image& im, int x, int y)
{
    x = x < 0 ? 0 : x >= im.width ? im.width - 1 : x;
    y = y < 0 ? 0 : y >= im.height ? im.height - 1 : y;
    uint32_t p = im.at(x, y) & 0xFFFFFFu;
    if (!p) return {};
    return {redOf(p) / 255.0, greenOf(p) / 255.0, blueOf(p) / 255.0, 1.0};
}

// Each target pixel averages a 4x4 grid of bilinear samples over its area,
// which smooths both the 4x enlargement and the reduction to 48 pixels.
std::vector<uint8_t> scaled(const Image& im, int size)
{
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(size) * size * 4);
    const double step = static_cast<double>(im.width) / size;
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            Rgba sum;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    double fx = (tx + (sx + 0.5) / 4) * step - 0.5, fy = (ty + (sy + 0.5) / 4) * step - 0.5;
                    int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
                    double wx = fx - x0, wy = fy - y0;
                    const Rgba c[4] = {sourceAt(im, x0, y0), sourceAt(im, x0 + 1, y0), sourceAt(im, x0, y0 + 1),
                                       sourceAt(im, x0 + 1, y0 + 1)};
                    const double w[4] = {(1 - wx) * (1 - wy), wx * (1 - wy), (1 - wx) * wy, wx * wy};
                    for (int k = 0; k < 4; ++k) {
                        sum.r += c[k].r * w[k] / 16;
                        sum.g += c[k].g * w[k] / 16;
                        sum.b += c[k].b * w[k] / 16;
                        sum.a += c[k].a * w[k] / 16;
                    }
                }
            auto byte = [](double v) { return static_cast<uint8_t>(std::lround(std::fmin(1.0, std::fmax(0.0, v)) * 255)); };
            double unmultiply = sum.a > 0 ? 1 / sum.a : 0;
            out.push_back(byte(sum.r * unmultiply));
            out.push_back(byte(sum.g * unmultiply));
            out.push_back(byte(sum.b * unmultiply));
            out.push_back(byte(sum.a));
        }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    Image icon;
    paintWindowIcon(icon);
    int failures = 0;
    for (int size : {48, 256}) {
        std::string dir = std::string(argv[1]) + "/" + std::to_string(size) + "x" + std::to_string(size);
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!png::writeRgba(dir + "/zentory.png", size, size, scaled(icon, size))) {
            std::fprintf(stderr, "make_icons: cannot write %s/zentory.png\n", dir.c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
