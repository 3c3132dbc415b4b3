#include "app/pictures/paint.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/draw_text.h"

uint32_t hashOf(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double hashUnit(int x, int y, uint32_t seed) { return hashOf(x, y, seed) / 4294967295.0; }

static double smoothNoise(double x, double y, uint32_t seed)
{
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double fx = x - ix, fy = y - iy;
    double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    double a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
    double c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fractalNoise(double x, double y, double scale, int octaves, uint32_t seed)
{
    double sum = 0, amplitude = 1, total = 0, f = 1.0 / scale;
    for (int o = 0; o < octaves; ++o) {
        sum += smoothNoise(x * f, y * f, seed + static_cast<uint32_t>(o) * 101u) * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        f *= 2;
    }
    return sum / total;
}

Rgb rgbOf(uint32_t p) { return {double(redOf(p)), double(greenOf(p)), double(blueOf(p))}; }

uint32_t packColour(Rgb c)
{
    auto ch = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return packRgb(ch(c.r), ch(c.g), ch(c.b));
}

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

void blendPixel(Image& im, int x, int y, Rgb colour, double a)
{
    if (x < 0 || y < 0 || x >= im.width || y >= im.height || a <= 0) return;
    a = std::min(a, 1.0);
    uint32_t& p = im.row(y)[x];
    p = packColour(mix(rgbOf(p), colour, a));
}

void addPixel(Image& im, int x, int y, Rgb colour, double a)
{
    if (x < 0 || y < 0 || x >= im.width || y >= im.height || a <= 0) return;
    uint32_t& p = im.row(y)[x];
    Rgb c = rgbOf(p);
    p = packColour({c.r + colour.r * a, c.g + colour.g * a, c.b + colour.b * a});
}

void spaceBackdrop(Image& im, uint32_t seed, double nebulaStrength)
{
    // The clouds are soft, so their noise is taken on a grid of every fourth
    // pixel and interpolated between: sixteen times less work, same look.
    constexpr int step = 4;
    int gw = im.width / step + 2, gh = im.height / step + 2;
    std::vector<double> cloud(static_cast<size_t>(gw) * gh), veil(cloud.size());
    for (int gy = 0; gy < gh; ++gy)
        for (int gx = 0; gx < gw; ++gx) {
            double x = gx * step, y = gy * step;
            double n = fractalNoise(x, y, 260, 5, seed);
            double m = fractalNoise(x + 500, y, 180, 4, seed + 7);
            cloud[gy * gw + gx] = std::pow(std::clamp((n - 0.45) * 2.2, 0.0, 1.0), 1.6) * nebulaStrength;
            veil[gy * gw + gx] = std::pow(std::clamp((m - 0.5) * 2.0, 0.0, 1.0), 2.0) * nebulaStrength;
        }
    auto at = [&](const std::vector<double>& g, int x, int y) {
        int gx = x / step, gy = y / step;
        double fx = double(x % step) / step, fy = double(y % step) / step;
        const double* r0 = &g[static_cast<size_t>(gy) * gw + gx];
        const double* r1 = r0 + gw;
        return (r0[0] * (1 - fx) + r0[1] * fx) * (1 - fy) + (r1[0] * (1 - fx) + r1[1] * fx) * fy;
    };
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            double c = at(cloud, x, y), v = at(veil, x, y);
            Rgb base = {6 + 8.0 * y / im.height, 8 + 6.0 * y / im.height, 22 + 14.0 * y / im.height};
            im.row(y)[x] = packColour({base.r + 70 * c + 20 * v, base.g + 24 * c + 40 * v, base.b + 90 * c + 60 * v});
        }
    starfield(im, seed + 3, im.width * im.height / 900);
}

void starfield(Image& im, uint32_t seed, int count)
{
    for (int i = 0; i < count; ++i) {
        int x = static_cast<int>(hashOf(i, 1, seed) % static_cast<uint32_t>(std::max(im.width, 1)));
        int y = static_cast<int>(hashOf(i, 2, seed) % static_cast<uint32_t>(std::max(im.height, 1)));
        double b = std::pow(hashUnit(i, 3, seed), 3.0);
        Rgb tint = hashUnit(i, 4, seed) < 0.3 ? Rgb{255, 220, 180} : Rgb{200, 220, 255};
        addPixel(im, x, y, tint, 0.25 + 0.75 * b);
        if (b > 0.6) {
            addPixel(im, x + 1, y, tint, 0.3 * b);
            addPixel(im, x - 1, y, tint, 0.3 * b);
            addPixel(im, x, y + 1, tint, 0.3 * b);
            addPixel(im, x, y - 1, tint, 0.3 * b);
        }
    }
}

void glow(Image& im, double cx, double cy, double radius, Rgb colour, double strength)
{
    int x0 = std::max(0, int(cx - radius)), x1 = std::min(im.width - 1, int(cx + radius) + 1);
    int y0 = std::max(0, int(cy - radius)), y1 = std::min(im.height - 1, int(cy + radius) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d < 1) addPixel(im, x, y, colour, strength * (1 - d) * (1 - d));
        }
}

void disc(Image& im, double cx, double cy, double radius, Rgb colour)
{
    int x0 = std::max(0, int(cx - radius) - 1), x1 = std::min(im.width - 1, int(cx + radius) + 1);
    int y0 = std::max(0, int(cy - radius) - 1), y1 = std::min(im.height - 1, int(cy + radius) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            blendPixel(im, x, y, colour, std::clamp(radius - d + 0.5, 0.0, 1.0));
        }
}

void shadedSphere(Image& im, double cx, double cy, double radius, Rgb light, Rgb dark)
{
    int x0 = std::max(0, int(cx - radius) - 1), x1 = std::min(im.width - 1, int(cx + radius) + 1);
    int y0 = std::max(0, int(cy - radius) - 1), y1 = std::min(im.height - 1, int(cy + radius) + 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double dx = (x + 0.5 - cx) / radius, dy = (y + 0.5 - cy) / radius;
            double d = std::hypot(dx, dy);
            double cover = std::clamp((1 - d) * radius + 0.5, 0.0, 1.0);
            if (cover <= 0) continue;
            double z = std::sqrt(std::max(0.0, 1 - d * d));
            double lit = std::clamp(0.25 + 0.75 * (z * 0.6 - dx * 0.35 - dy * 0.45), 0.0, 1.0);
            blendPixel(im, x, y, mix(dark, light, lit), cover);
        }
}

void ring(Image& im, double cx, double cy, double radius, double width, Rgb colour, double alpha)
{
    int r = int(radius + width) + 2;
    for (int y = int(cy) - r; y <= int(cy) + r; ++y)
        for (int x = int(cx) - r; x <= int(cx) + r; ++x) {
            double d = std::fabs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius);
            blendPixel(im, x, y, colour, alpha * std::clamp(width / 2 - d + 0.5, 0.0, 1.0));
        }
}

void line(Image& im, double x0, double y0, double x1, double y1, double width, Rgb colour, double alpha)
{
    int minX = int(std::min(x0, x1) - width) - 1, maxX = int(std::max(x0, x1) + width) + 1;
    int minY = int(std::min(y0, y1) - width) - 1, maxY = int(std::max(y0, y1) + width) + 1;
    double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0;
            double d = std::hypot(px - t * dx, py - t * dy);
            blendPixel(im, x, y, colour, alpha * std::clamp(width / 2 - d + 0.5, 0.0, 1.0));
        }
}

void panel(Image& im, int x, int y, int w, int h, int radius, Rgb top, Rgb bottom, Rgb border)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            // Distance outside the rounded rectangle, for soft corners.
            double qx = std::max(std::max(radius - (i + 0.5), (i + 0.5) - (w - radius)), 0.0);
            double qy = std::max(std::max(radius - (j + 0.5), (j + 0.5) - (h - radius)), 0.0);
            double outside = std::hypot(qx, qy) - radius;
            double cover = std::clamp(0.5 - outside, 0.0, 1.0);
            if (cover <= 0) continue;
            double t = h > 1 ? double(j) / (h - 1) : 0;
            Rgb c = mix(top, bottom, t);
            // A soft sheen on the upper half.
            if (t < 0.5) c = mix(c, Rgb{255, 255, 255}, 0.12 * (0.5 - t));
            if (outside > -1.6) c = border;
            blendPixel(im, x + i, y + j, c, cover);
        }
}

void triangle(Image& im, double ax, double ay, double bx, double by, double cx, double cy, Rgb colour)
{
    int x0 = int(std::min({ax, bx, cx})) - 1, x1 = int(std::max({ax, bx, cx})) + 1;
    int y0 = int(std::min({ay, by, cy})) - 1, y1 = int(std::max({ay, by, cy})) + 1;
    auto edge = [](double px, double py, double qx, double qy, double x, double y) {
        double ex = qx - px, ey = qy - py;
        return ((x - px) * ey - (y - py) * ex) / std::hypot(ex, ey);
    };
    double sign = edge(ax, ay, bx, by, cx, cy) > 0 ? 1 : -1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double d = std::min({sign * edge(ax, ay, bx, by, px, py), sign * edge(bx, by, cx, cy, px, py),
                                 sign * edge(cx, cy, ax, ay, px, py)});
            blendPixel(im, x, y, colour, std::clamp(d + 0.5, 0.0, 1.0));
        }
}

// The text's coverage as a grey mask: white rendered onto black.
static Image textMask(const char* s, int size)
{
    int w, h;
    measureText(s, size, w, h);
    Image mask;
    mask.resize(std::max(w, 1), std::max(h, 1));
    drawTextOnImage(mask, 0, 0, 255, 255, 255, s, size, false);
    return mask;
}

int textWidth(const char* s, int size)
{
    int w, h;
    measureText(s, size, w, h);
    return w;
}

void text(Image& im, const char* s, int size, double x, double y, Rgb colour)
{
    Image mask = textMask(s, size);
    if (x < 0 || y < 0 || int(x) + mask.width > im.width || int(y) + mask.height > im.height)
        reportTextOverflow(s, 0, 0, im.width, im.height);
    for (int j = 0; j < mask.height; ++j)
        for (int i = 0; i < mask.width; ++i)
            blendPixel(im, int(x) + i, int(y) + j, colour, redOf(mask.at(i, j)) / 255.0);
}

void textCentred(Image& im, const char* s, int size, double cx, double cy, Rgb colour)
{
    Image mask = textMask(s, size);
    text(im, s, size, cx - mask.width / 2.0, cy - mask.height / 2.0, colour);
}

void bigTextCentred(Image& im, const char* s, double scale, double cx, double cy, Rgb top, Rgb bottom, Rgb outline)
{
    Image mask = textMask(s, 60);
    double w = mask.width * scale, h = mask.height * scale;
    double left = cx - w / 2, topY = cy - h / 2;
    auto sample = [&](double u, double v) {
        // Bilinear look-up into the mask, 0..1.
        u = std::clamp(u, 0.0, mask.width - 1.001);
        v = std::clamp(v, 0.0, mask.height - 1.001);
        int iu = int(u), iv = int(v);
        double fu = u - iu, fv = v - iv;
        auto at = [&](int a, int b) { return redOf(mask.at(std::min(a, mask.width - 1), std::min(b, mask.height - 1))) / 255.0; };
        return (at(iu, iv) * (1 - fu) + at(iu + 1, iv) * fu) * (1 - fv) + (at(iu, iv + 1) * (1 - fu) + at(iu + 1, iv + 1) * fu) * fv;
    };
    int pad = int(scale * 2) + 2;
    for (int y = int(topY) - pad; y < int(topY + h) + pad; ++y)
        for (int x = int(left) - pad; x < int(left + w) + pad; ++x) {
            double u = (x + 0.5 - left) / scale, v = (y + 0.5 - topY) / scale;
            double a = sample(u, v);
            double o = 0;
            for (int k = 0; k < 8; ++k) {
                double ang = k * 3.14159265 / 4;
                o = std::max(o, sample(u + std::cos(ang) * 1.6, v + std::sin(ang) * 1.6));
            }
            blendPixel(im, x, y, outline, o * 0.9);
            double t = std::clamp((y - topY) / h, 0.0, 1.0);
            blendPixel(im, x, y, mix(top, bottom, t), a);
        }
}

void removeHoles(Image& im, int cornerRadius)
{
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            bool corner = (x < cornerRadius || x >= im.width - cornerRadius) &&
                          (y < cornerRadius || y >= im.height - cornerRadius);
            if (!corner && im.row(y)[x] == 0) im.row(y)[x] = 0x010102;
        }
}
