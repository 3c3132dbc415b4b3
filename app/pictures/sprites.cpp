// Stars, arrows and the bullet: small pictures on transparent black.
#include <algorithm>
#include <cmath>

#include "app/pictures/paint.h"
#include "app/pictures/painters.h"

namespace {

// Anti-aliased edges over black leave near-black pixels; lift any exact
// black inside the shape so that only the surroundings stay transparent.
void liftInside(Image& im, const Image& coverage)
{
    for (size_t i = 0; i < im.pixels.size(); ++i)
        if (im.pixels[i] == 0 && coverage.pixels[i] != 0) im.pixels[i] = 0x010102;
}

Image shapeCoverage(int w, int h, double cx, double cy, double r)
{
    Image c;
    c.resize(w, h);
    disc(c, cx, cy, r, {255, 255, 255});
    return c;
}

} // namespace

void paintNormalStar(Image& im)
{
    im.resize(23, 24);
    double cx = 11.5, cy = 12;
    shadedSphere(im, cx, cy, 7.5, {235, 245, 255}, {70, 110, 190});
    glow(im, cx - 2, cy - 2.5, 4, {255, 255, 255}, 0.6);
    // Four short rays make it read as a star on any owner colour.
    for (int k = 0; k < 4; ++k) {
        double a = k * 3.14159265 / 2;
        line(im, cx + std::cos(a) * 7, cy + std::sin(a) * 7, cx + std::cos(a) * 11, cy + std::sin(a) * 11, 1.4,
             {190, 215, 255}, 0.9);
    }
    liftInside(im, shapeCoverage(23, 24, cx, cy, 7.5));
}

void paintGoldenStar(Image& im)
{
    im.resize(33, 32);
    double cx = 16.5, cy = 16;
    for (int k = 0; k < 8; ++k) {
        double a = k * 3.14159265 / 4 + 0.3927;
        double len = k % 2 ? 12 : 15.5;
        triangle(im, cx + std::cos(a) * len, cy + std::sin(a) * len, cx + std::cos(a + 0.5) * 7,
                 cy + std::sin(a + 0.5) * 7, cx + std::cos(a - 0.5) * 7, cy + std::sin(a - 0.5) * 7, {255, 196, 60});
    }
    shadedSphere(im, cx, cy, 9, {255, 246, 170}, {200, 110, 10});
    glow(im, cx - 2.5, cy - 3, 5, {255, 255, 220}, 0.7);
    ring(im, cx, cy, 9, 1.2, {255, 230, 120}, 0.8);
    liftInside(im, shapeCoverage(33, 32, cx, cy, 10));
}

void paintDarkStar(Image& im)
{
    im.resize(50, 49);
    double cx = 25, cy = 24.5;
    // A glowing violet disc of matter around a deep, almost black core.
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            double dx = x + 0.5 - cx, dy = (y + 0.5 - cy) * 2.4;
            double d = std::hypot(dx, dy);
            double band = std::exp(-std::pow((d - 19) / 3.2, 2));
            if (band > 0.02) blendPixel(im, x, y, mix({120, 40, 200}, {240, 160, 255}, band), std::min(1.0, band * 1.4));
        }
    shadedSphere(im, cx, cy, 12, {110, 60, 150}, {22, 8, 36});
    ring(im, cx, cy, 12.5, 2.2, {220, 140, 255}, 0.9);
    // The front half of the disc passes over the core.
    for (int y = int(cy); y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            double dx = x + 0.5 - cx, dy = (y + 0.5 - cy) * 2.4;
            double d = std::hypot(dx, dy);
            double band = std::exp(-std::pow((d - 19) / 3.0, 2));
            if (band > 0.1 && std::fabs(dx) < 19) blendPixel(im, x, y, {235, 170, 255}, band * 0.8);
        }
    liftInside(im, shapeCoverage(50, 49, cx, cy, 12.5));
}

static void arrowShape(Image& im, double ax, double ay, double bx, double by, double cx, double cy, Rgb light, Rgb dark)
{
    Image mask;
    mask.resize(im.width, im.height);
    triangle(mask, ax, ay, bx, by, cx, cy, {255, 255, 255});
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            double a = redOf(mask.at(x, y)) / 255.0;
            if (a <= 0) continue;
            double t = double(y) / im.height;
            blendPixel(im, x, y, mix(light, dark, t), a);
            if (im.row(y)[x] == 0) im.row(y)[x] = 0x010102;
        }
}

void paintIncArrow(Image& im)
{
    im.resize(20, 20);
    arrowShape(im, 3, 2, 18, 10, 3, 18, {160, 255, 170}, {20, 140, 60});
}

void paintDecArrow(Image& im)
{
    im.resize(20, 20);
    arrowShape(im, 17, 2, 2, 10, 17, 18, {255, 190, 160}, {170, 50, 30});
}

void paintArrowUp(Image& im)
{
    im.resize(39, 49);
    panel(im, 2, 2, 35, 45, 8, {70, 100, 160}, {25, 35, 80}, {150, 190, 255});
    arrowShape(im, 19.5, 10, 33, 36, 6, 36, {230, 245, 255}, {140, 180, 240});
}

void paintArrowDown(Image& im)
{
    im.resize(39, 49);
    panel(im, 2, 2, 35, 45, 8, {70, 100, 160}, {25, 35, 80}, {150, 190, 255});
    arrowShape(im, 6, 13, 33, 13, 19.5, 39, {230, 245, 255}, {140, 180, 240});
}

void paintSelectionArrow(Image& im)
{
    im.resize(18, 19);
    arrowShape(im, 2, 2, 17, 9.5, 2, 17, {255, 240, 150}, {230, 150, 20});
}

void paintBullet(Image& im)
{
    im.resize(20, 15);
    shadedSphere(im, 10, 7.5, 5.5, {200, 235, 255}, {40, 90, 170});
    glow(im, 8.5, 6, 2.5, {255, 255, 255}, 0.6);
    liftInside(im, shapeCoverage(20, 15, 10, 7.5, 5.5));
}
