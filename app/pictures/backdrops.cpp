// The full-screen pictures: title, main menu, screen background, board backdrop.
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/pictures/paint.h"
#include "app/pictures/painters.h"
#include "engine/translate.h"

namespace {

const Rgb ownerColours[] = {{40, 220, 60}, {230, 60, 50}, {60, 120, 255}, {240, 210, 40}, {200, 70, 220}, {40, 210, 220}};

// A large ringed planet with a lit rim, for the title and the menu.
void planet(Image& im, double cx, double cy, double r, Rgb light, Rgb dark, uint32_t seed)
{
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
            double d = std::hypot(dx, dy);
            double cover = std::clamp((1 - d) * r + 0.5, 0.0, 1.0);
            if (cover <= 0) continue;
            double z = std::sqrt(std::max(0.0, 1 - d * d));
            double bands = fractalNoise(x * 0.3, y * 3.0, 20, 3, seed);
            double lit = std::clamp(0.1 + 0.9 * (z * 0.5 - dx * 0.5 - dy * 0.3), 0.0, 1.0);
            Rgb c = mix(dark, light, lit * (0.75 + 0.25 * bands));
            blendPixel(im, x, y, c, cover);
        }
    glow(im, cx, cy, r * 1.15, {80, 130, 255}, 0.25);
}

} // namespace

void paintStarMap(Image& im, double x, double y, double w, double h, uint32_t seed, int count, double starScale)
{
    struct P {
        double x, y;
        int owner;
    };
    std::vector<P> stars;
    for (int i = 0; i < count * 8 && int(stars.size()) < count; ++i) {
        P p{x + hashUnit(i, 1, seed) * w, y + hashUnit(i, 2, seed) * h, int(hashOf(i, 3, seed) % 6)};
        bool crowded = false;
        for (const P& q : stars) crowded = crowded || std::hypot(p.x - q.x, p.y - q.y) < 40 * starScale;
        if (!crowded) stars.push_back(p);
    }
    // Each star links to its two nearest neighbours; links are drawn first so
    // that the stars sit on them.
    for (size_t i = 0; i < stars.size(); ++i) {
        size_t first = i, second = i;
        double d1 = 1e9, d2 = 1e9;
        for (size_t j = 0; j < stars.size(); ++j) {
            if (j == i) continue;
            double d = std::hypot(stars[i].x - stars[j].x, stars[i].y - stars[j].y);
            if (d < d1) {
                second = first, d2 = d1;
                first = j, d1 = d;
            } else if (d < d2) {
                second = j, d2 = d;
            }
        }
        for (size_t n : {first, second})
            if (n != i && std::hypot(stars[i].x - stars[n].x, stars[i].y - stars[n].y) < 170 * starScale)
                line(im, stars[i].x, stars[i].y, stars[n].x, stars[n].y, 1.3 * starScale, {120, 160, 230}, 0.55);
    }
    for (size_t i = 0; i < stars.size(); ++i) {
        const P& p = stars[i];
        Rgb c = ownerColours[p.owner];
        double r = (4 + 3 * hashUnit(int(i), 4, seed)) * starScale;
        glow(im, p.x, p.y, r * 4, c, 0.35);
        shadedSphere(im, p.x, p.y, r, mix(c, {255, 255, 255}, 0.6), mix(c, {0, 0, 0}, 0.5));
    }
}

void paintTitle(Image& im)
{
    im.resize(800, 600);
    spaceBackdrop(im, 11, 1.0);
    planet(im, 640, 620, 260, {120, 170, 255}, {10, 14, 40}, 5);
    paintStarMap(im, 60, 250, 520, 300, 21, 16, 1.3);
    glow(im, 400, 150, 330, {90, 60, 200}, 0.35);
    bigTextCentred(im, "ZENTORY", 3.2, 400, 140, {255, 245, 200}, {255, 150, 40}, {40, 10, 60});
    textCentred(im, tr("CONQUER THE STARS"), 26, 400, 245, {200, 220, 255});
    removeHoles(im);
}

void paintMainMenu(Image& im)
{
    im.resize(800, 600);
    spaceBackdrop(im, 12, 0.9);
    planet(im, 620, 330, 150, {150, 200, 255}, {8, 12, 36}, 9);
    // A small moon and a distant bright star.
    planet(im, 470, 200, 28, {230, 220, 200}, {30, 26, 30}, 17);
    glow(im, 720, 520, 60, {255, 220, 160}, 0.5);
    disc(im, 720, 520, 3, {255, 250, 230});
    // A darker column behind the buttons at x 64..336 keeps their labels readable.
    for (int y = 40; y < 540; ++y)
        for (int x = 40; x < 360; ++x) {
            double edge = std::min({x - 40.0, 360.0 - x, y - 40.0, 540.0 - y}) / 20.0;
            blendPixel(im, x, y, {6, 8, 24}, 0.55 * std::clamp(edge, 0.0, 1.0));
        }
    bigTextCentred(im, "ZENTORY", 1.2, 610, 80, {255, 245, 200}, {255, 150, 40}, {40, 10, 60});
    textCentred(im, tr("MAIN MENU"), 20, 610, 135, {190, 210, 255});
    removeHoles(im);
}

void paintBackground(Image& im)
{
    im.resize(800, 600);
    spaceBackdrop(im, 13, 0.7);
    // The control panel strip from row 499 down.
    for (int y = 499; y < 600; ++y) {
        double t = (y - 499) / 100.0;
        for (int x = 0; x < 800; ++x) {
            double grain = hashUnit(x, y, 77) * 6;
            Rgb c = mix({52, 62, 92}, {20, 24, 44}, t);
            im.row(y)[x] = packColour({c.r + grain, c.g + grain, c.b + grain});
        }
    }
    for (int x = 0; x < 800; ++x) {
        im.row(499)[x] = packRgb(150, 180, 240);
        im.row(500)[x] = packRgb(90, 110, 170);
        im.row(501)[x] = packRgb(30, 36, 60);
    }
    // Rivets along the strip.
    for (int x = 12; x < 800; x += 96) {
        shadedSphere(im, x, 510, 2.5, {200, 210, 230}, {60, 70, 90});
        shadedSphere(im, x, 590, 2.5, {200, 210, 230}, {60, 70, 90});
    }
    removeHoles(im);
}

void paintBigbar(Image& im)
{
    im.resize(800, 500);
    // Calm: a faint nebula and small dim stars, so links and labels stay readable.
    spaceBackdrop(im, 31, 0.35);
    for (int i = 0; i < 500; ++i) {
        int x = int(hashOf(i, 1, 41) % 800), y = int(hashOf(i, 2, 41) % 500);
        addPixel(im, x, y, {150, 160, 190}, 0.2 + 0.3 * hashUnit(i, 3, 41));
    }
    for (int x = 0; x < 800; ++x) im.row(499)[x] = packRgb(70, 90, 140);
    removeHoles(im);
}
