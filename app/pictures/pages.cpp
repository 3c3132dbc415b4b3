// Help pages, captions and the about page: text on transparent black, drawn
// over the screen background.
#include <algorithm>
#include <cstring>

#include "app/pictures/paint.h"
#include "app/pictures/painters.h"

namespace {

const Rgb heading = {255, 210, 90};
const Rgb body = {225, 232, 250};

// Lines of a page; a line starting with '#' is a heading.
void writeLines(Image& im, double x, double y, const char* const* lines, int count, int size)
{
    for (int i = 0; i < count; ++i) {
        const char* s = lines[i];
        bool isHeading = s[0] == '#';
        text(im, isHeading ? s + 1 : s, isHeading ? size + 4 : size, x, y, isHeading ? heading : body);
        y += isHeading ? size + 10 : size + 4;
    }
}

void frame(Image& im)
{
    // A thin luminous frame shows where the page lies on the background.
    panel(im, 0, 0, im.width, im.height, 14, {18, 24, 52}, {10, 12, 30}, {110, 140, 220});
}

void smallStar(Image& im, void (*painter)(Image&), int x, int y)
{
    Image star;
    painter(star);
    for (int j = 0; j < star.height; ++j)
        for (int i = 0; i < star.width; ++i)
            if (star.at(i, j) && x + i < im.width && y + j < im.height) im.row(y + j)[x + i] = star.at(i, j);
}

} // namespace

void paintHelpPage1(Image& im)
{
    im.resize(675, 356);
    frame(im);
    static const char* const lines[] = {
        "#STARS AND THEIR INCOME",
        "Each star you hold pays income every turn:",
        "      a normal star 1,",
        "      a golden star 3,",
        "      a dark star 7.",
        "Stars are joined by wormhole links. Armies only",
        "travel along links.",
        "#PLACING ARMIES",
        "At the start of your turn you receive new armies",
        "from your income. Click one of your stars to put",
        "armies on it; the buttons below choose how many.",
        "Your empire supports at most four times its income",
        "in armies: at the cap you cannot place any more.",
    };
    writeLines(im, 24, 18, lines, 13, 16);
    // The three kinds beside their incomes, in a column of their own.
    smallStar(im, paintNormalStar, 548, 40);
    textCentred(im, "1", 18, 610, 52, heading);
    smallStar(im, paintGoldenStar, 543, 80);
    textCentred(im, "3", 18, 610, 96, heading);
    smallStar(im, paintDarkStar, 535, 125);
    textCentred(im, "7", 18, 610, 150, heading);
    removeHoles(im, 14);
}

void paintHelpPage2(Image& im)
{
    im.resize(681, 363);
    frame(im);
    static const char* const lines[] = {
        "#ATTACKING",
        "Drag armies from one of your stars onto a linked",
        "enemy star. Choose how many armies you are ready",
        "to lose: the battle is fought one army at a time,",
        "each round an even chance, until you have lost",
        "that many or the star falls.",
        "#TRANSFERS AND THE MOVE",
        "One army moves into a conquered star; you may send",
        "more after it. To end your turn, make one move",
        "between two of your own linked stars, or press",
        "Next Turn. Then the computer players take theirs.",
        "A player without stars is out; the last one wins.",
    };
    writeLines(im, 24, 18, lines, 12, 16);
    // A small picture of an attack along a link.
    line(im, 560, 70, 640, 130, 2, {120, 160, 230}, 0.9);
    smallStar(im, paintNormalStar, 548, 58);
    smallStar(im, paintGoldenStar, 624, 114);
    triangle(im, 612, 108, 596, 104, 606, 94, {255, 230, 120});
    removeHoles(im, 14);
}

void paintHelpPage3(Image& im)
{
    im.resize(687, 287);
    frame(im);
    static const char* const lines[] = {
        "#DIFFICULTY AND THE DEMONSTRATION GAME",
        "Five levels, from simple to impossible, scale your",
        "income. In a demonstration game only computer",
        "players play: sit back and watch.",
        "#THE GALAXY EDITOR",
        "Place stars, choose their kind, link and unlink",
        "them, and save the galaxy under a name. Your",
        "galaxies appear on the galaxy selection screen.",
        "Escape leads back from every screen but the",
        "statistics, which close by their continue button.",
    };
    writeLines(im, 24, 18, lines, 10, 16);
    removeHoles(im, 14);
}

void paintHelpCaption(Image& im)
{
    im.resize(89, 43);
    panel(im, 0, 0, 89, 43, 10, {70, 90, 150}, {25, 32, 70}, {170, 196, 250});
    textCentred(im, "HELP", 26, 44.5, 21.5, heading);
    removeHoles(im, 14);
}

void paintOptionsCaption(Image& im)
{
    im.resize(263, 187);
    frame(im);
    // Rows line up with the bars drawn at screen rows 164, 241 and 314.
    text(im, "SOUND VOLUME", 20, 16, 9, body);
    text(im, "MUSIC VOLUME", 20, 16, 86, body);
    text(im, "GAME SPEED", 20, 16, 159, body);
    for (int y : {46, 123})
        for (int x = 16; x < 247; ++x) blendPixel(im, x, y, {110, 140, 220}, 0.5);
    removeHoles(im, 14);
}

void paintAboutText(Image& im)
{
    im.resize(333, 427);
    frame(im);
    bigTextCentred(im, "ZENTORY", 0.75, 166.5, 40, {255, 245, 200}, {255, 150, 40}, {40, 10, 60});
    static const char* const lines[] = {
        "A game of conquest",
        "among the stars.",
        "",
        "#MADE BY",
        "the Zentory developers",
        "",
        "#BUILT WITH",
        "SDL2, SDL2_mixer, SDL2_ttf",
        "  zlib licence",
        "FreeType",
        "  FreeType licence",
        "FluidSynth",
        "  LGPL-2.1",
        "TimGM6mb soundfont",
        "  GPL-2",
        "DejaVu fonts",
        "  free licence (Bitstream Vera)",
    };
    writeLines(im, 18, 78, lines, 17, 12);
    removeHoles(im, 14);
}
