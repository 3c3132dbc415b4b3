#include "app/pictures/pictures.h"

#include <algorithm>
#include <cmath>

#include "app/pictures/paint.h"
#include "app/pictures/painters.h"

bool paintBuiltinPicture(int id, Image& out)
{
    switch (id) {
    case 150: paintAboutMoreGames(out); return true;
    case 151: paintAboutText(out); return true;
    case 153: paintAboutMainMenu(out); return true;
    case 154: paintBackground(out); return true;
    case 158: paintSilverButton(out); return true;
    case 160: paintLongSilverButton(out); return true;
    case 162: paintMainMenu(out); return true;
    case 165: paintSelectionArrow(out); return true;
    case 166: paintIncArrow(out); return true;
    case 167: paintDecArrow(out); return true;
    case 168: paintNormalStar(out); return true;
    case 169: paintGoldenStar(out); return true;
    case 170: paintDarkStar(out); return true;
    case 171: paintMenuShort(out); return true;
    case 172: paintLoadButton(out); return true;
    case 173: paintArrowUp(out); return true;
    case 174: paintArrowDown(out); return true;
    case 175: paintBullet(out); return true;
    case 177: paintLoadBasic(out); return true;
    case 178: paintBigbar(out); return true;
    case 179: paintTitle(out); return true;
    case 180: paintHelpPage1(out); return true;
    case 181: paintHelpPage2(out); return true;
    case 182: paintHelpPage3(out); return true;
    case 183: paintHelpCaption(out); return true;
    case 185: paintOptionsBack(out); return true;
    case 186: paintOptionsCaption(out); return true;
    case 187: paintMenuNormal(out); return true;
    default: return false;
    }
}

void paintWindowIcon(Image& out)
{
    out.resize(64, 64);
    // A golden star held by three linked owner stars.
    line(out, 14, 48, 32, 30, 3, {120, 160, 230}, 1);
    line(out, 50, 48, 32, 30, 3, {120, 160, 230}, 1);
    line(out, 14, 48, 50, 48, 3, {120, 160, 230}, 1);
    shadedSphere(out, 14, 48, 7, {150, 255, 160}, {20, 110, 40});
    shadedSphere(out, 50, 48, 7, {255, 160, 150}, {140, 30, 20});
    for (int k = 0; k < 8; ++k) {
        double a = k * 0.7853981 + 0.3927;
        double len = k % 2 ? 18 : 24;
        triangle(out, 32 + std::cos(a) * len, 26 + std::sin(a) * len, 32 + std::cos(a + 0.5) * 10,
                 26 + std::sin(a + 0.5) * 10, 32 + std::cos(a - 0.5) * 10, 26 + std::sin(a - 0.5) * 10, {255, 196, 60});
    }
    shadedSphere(out, 32, 26, 13, {255, 246, 170}, {200, 110, 10});
}
