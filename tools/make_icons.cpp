// Paints the desktop icons: make_icons <folder> makes <folder>/<n>x<n>/zentory.png
// for each size below, each painted at its own size from the shapes, and
// <folder>/scalable/zentory.svg from the same shapes.
// The design is the window icon's: a golden star held by two linked owner stars.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/png_writer.h"

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

// One shape of the design on a 64-unit square: a link (a thick segment), a ray
// (a triangle) or a star (a sphere lit from the upper left).
struct Shape {
    enum Kind { link, ray, star } kind;
    double x[3], y[3];
    double size; // the link's width or the star's radius
    Rgb light, dark;
};

std::vector<Shape> design()
{
    const Rgb linkColour{120, 160, 230}, rayColour{255, 196, 60};
    std::vector<Shape> shapes;
    for (const auto& [ax, ay, bx, by] : {std::array<double, 4>{14, 48, 32, 30}, {50, 48, 32, 30}, {14, 48, 50, 48}})
        shapes.push_back({Shape::link, {ax, bx}, {ay, by}, 3, linkColour, linkColour});
    shapes.push_back({Shape::star, {14}, {48}, 7, {150, 255, 160}, {20, 110, 40}});
    shapes.push_back({Shape::star, {50}, {48}, 7, {255, 160, 150}, {140, 30, 20}});
    for (int k = 0; k < 8; ++k) {
        const double a = k * 0.7853981 + 0.3927, len = k % 2 ? 18 : 24;
        shapes.push_back({Shape::ray,
                          {32 + std::cos(a) * len, 32 + std::cos(a + 0.5) * 10, 32 + std::cos(a - 0.5) * 10},
                          {26 + std::sin(a) * len, 26 + std::sin(a + 0.5) * 10, 26 + std::sin(a - 0.5) * 10},
                          0, rayColour, rayColour});
    }
    shapes.push_back({Shape::star, {32}, {26}, 13, {255, 246, 170}, {200, 110, 10}});
    return shapes;
}

// How lit a star's point is (0..1): dx, dy from the centre in radii.
double lightAt(double dx, double dy)
{
    const double z = std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy));
    return std::clamp(0.25 + 0.75 * (z * 0.6 - dx * 0.35 - dy * 0.45), 0.0, 1.0);
}

double cross(double ax, double ay, double bx, double by, double px, double py)
{
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

// Whether the point (in design units) lies in the shape; `minWidth` keeps
// links at least a pixel wide on the small icons.
bool covers(const Shape& s, double px, double py, double minWidth)
{
    switch (s.kind) {
    case Shape::link: {
        const double dx = s.x[1] - s.x[0], dy = s.y[1] - s.y[0];
        const double t = std::clamp(((px - s.x[0]) * dx + (py - s.y[0]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(px - s.x[0] - t * dx, py - s.y[0] - t * dy) <= std::max(s.size, minWidth) / 2;
    }
    case Shape::ray: {
        const double d0 = cross(s.x[0], s.y[0], s.x[1], s.y[1], px, py);
        const double d1 = cross(s.x[1], s.y[1], s.x[2], s.y[2], px, py);
        const double d2 = cross(s.x[2], s.y[2], s.x[0], s.y[0], px, py);
        return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
    }
    case Shape::star: return std::hypot(px - s.x[0], py - s.y[0]) <= s.size;
    }
    return false;
}

Rgb colourAt(const Shape& s, double px, double py)
{
    if (s.kind != Shape::star) return s.light;
    return mix(s.dark, s.light, lightAt((px - s.x[0]) / s.size, (py - s.y[0]) / s.size));
}

// Each pixel takes 8x8 samples of every shape and lays the shapes over one
// another in order, so edges are smooth at every size without any scaling.
std::vector<uint8_t> paint(const std::vector<Shape>& shapes, int size)
{
    constexpr int grid = 8;
    const double unit = 64.0 / size;
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0; // premultiplied
            for (const Shape& s : shapes) {
                Rgb sum{0, 0, 0};
                int hits = 0;
                for (int sy = 0; sy < grid; ++sy)
                    for (int sx = 0; sx < grid; ++sx) {
                        const double px = (x + (sx + 0.5) / grid) * unit, py = (y + (sy + 0.5) / grid) * unit;
                        if (!covers(s, px, py, unit)) continue;
                        const Rgb c = colourAt(s, px, py);
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                        ++hits;
                    }
                if (!hits) continue;
                const double cover = double(hits) / (grid * grid);
                r = sum.r / (grid * grid) / 255 + r * (1 - cover);
                g = sum.g / (grid * grid) / 255 + g * (1 - cover);
                b = sum.b / (grid * grid) / 255 + b * (1 - cover);
                a = cover + a * (1 - cover);
            }
            auto byte = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
            const double unmultiply = a > 0 ? 1 / a : 0;
            for (double v : {r * unmultiply, g * unmultiply, b * unmultiply, a}) out.push_back(byte(v));
        }
    return out;
}

std::string hex(Rgb c)
{
    char s[8];
    std::snprintf(s, sizeof s, "#%02x%02x%02x", int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b)));
    return s;
}

// The same shapes as vectors; a radial gradient from the brightest point
// stands in for the lit sphere.
std::string svg(const std::vector<Shape>& shapes)
{
    std::string defs, body;
    char buf[400];
    int gradients = 0;
    for (const Shape& s : shapes) {
        switch (s.kind) {
        case Shape::link:
            std::snprintf(buf, sizeof buf,
                          "  <line x1=\"%.3f\" y1=\"%.3f\" x2=\"%.3f\" y2=\"%.3f\" stroke=\"%s\" stroke-width=\"%g\" "
                          "stroke-linecap=\"round\"/>\n",
                          s.x[0], s.y[0], s.x[1], s.y[1], hex(s.light).c_str(), s.size);
            break;
        case Shape::ray:
            std::snprintf(buf, sizeof buf, "  <polygon points=\"%.3f,%.3f %.3f,%.3f %.3f,%.3f\" fill=\"%s\"/>\n",
                          s.x[0], s.y[0], s.x[1], s.y[1], s.x[2], s.y[2], hex(s.light).c_str());
            break;
        case Shape::star: {
            // From the brightest point, towards the light, to the shade of the
            // rim's middle, a quarter turn from the light.
            const double len = std::hypot(0.35, 0.45, 0.6), side = std::hypot(0.35, 0.45);
            const double fx = 0.5 - 0.5 * 0.35 / len, fy = 0.5 - 0.5 * 0.45 / len;
            char stops[300];
            std::snprintf(stops, sizeof stops,
                          "   <stop offset=\"0\" stop-color=\"%s\"/>\n   <stop offset=\"1\" stop-color=\"%s\"/>\n",
                          hex(mix(s.dark, s.light, lightAt(-0.35 / len, -0.45 / len))).c_str(),
                          hex(mix(s.dark, s.light, lightAt(0.45 / side, -0.35 / side))).c_str());
            std::snprintf(buf, sizeof buf, "  <radialGradient id=\"lit%d\" cx=\"0.5\" cy=\"0.5\" r=\"0.5\" fx=\"%.3f\" fy=\"%.3f\">\n", gradients, fx, fy);
            defs += std::string(buf) + stops + "  </radialGradient>\n";
            std::snprintf(buf, sizeof buf, "  <circle cx=\"%g\" cy=\"%g\" r=\"%g\" fill=\"url(#lit%d)\"/>\n", s.x[0],
                          s.y[0], s.size, gradients);
            ++gradients;
            break;
        }
        }
        body += buf;
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
           " <defs>\n" +
           defs + " </defs>\n" + body + "</svg>\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <folder>\n");
        return 2;
    }
    const std::vector<Shape> shapes = design();
    const std::string top = argv[1];
    int failures = 0;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string dir = top + "/" + std::to_string(size) + "x" + std::to_string(size);
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!png::writeRgba(dir + "/zentory.png", size, size, paint(shapes, size))) {
            std::fprintf(stderr, "make_icons: cannot write %s/zentory.png\n", dir.c_str());
            ++failures;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(top + "/scalable", ec);
    std::ofstream out(top + "/scalable/zentory.svg", std::ios::binary);
    out << svg(shapes);
    if (!out.flush()) {
        std::fprintf(stderr, "make_icons: cannot write %s/scalable/zentory.svg\n", top.c_str());
        ++failures;
    }
    return failures ? 1 : 0;
}
