// Buttons: metallic panels with room for the labels their screens draw.
#include "app/pictures/paint.h"
#include "app/pictures/painters.h"
#include "engine/translate.h"

namespace {

// Steel blue for white labels, light silver for black ones.
void steel(Image& im, int w, int h, int radius)
{
    im.resize(w, h);
    panel(im, 0, 0, w, h, radius, {92, 112, 160}, {30, 40, 78}, {170, 196, 250});
    removeHoles(im, radius);
}

void silver(Image& im, int w, int h, int radius)
{
    im.resize(w, h);
    panel(im, 0, 0, w, h, radius, {236, 240, 248}, {150, 160, 180}, {90, 100, 125});
    removeHoles(im, radius);
}

void labelled(Image& im, int w, int h, const char* label)
{
    steel(im, w, h, 10);
    textCentred(im, label, 20, w / 2.0 + 1, h / 2.0 + 1, {10, 12, 30});
    textCentred(im, label, 20, w / 2.0, h / 2.0, {255, 255, 255});
}

} // namespace

void paintMenuNormal(Image& im)
{
    steel(im, 124, 19, 5);
}

void paintMenuShort(Image& im)
{
    steel(im, 37, 19, 5);
}

void paintSilverButton(Image& im)
{
    silver(im, 188, 42, 10);
}

void paintLongSilverButton(Image& im)
{
    steel(im, 272, 42, 12);
    // A bright stripe on the left edge, like a lit console key.
    for (int y = 8; y < 34; ++y)
        for (int x = 10; x < 14; ++x) blendPixel(im, x, y, {120, 220, 255}, 0.8);
}

void paintLoadButton(Image& im)
{
    steel(im, 192, 28, 7);
}

void paintLoadBasic(Image& im)
{
    silver(im, 145, 23, 6);
}

void paintOptionsBack(Image& im) { labelled(im, 212, 41, tr("Main Menu")); }
void paintAboutMoreGames(Image& im) { labelled(im, 212, 61, tr("Homepage")); }
void paintAboutMainMenu(Image& im) { labelled(im, 212, 61, tr("Main Menu")); }
