// Help pages, captions and the about page: text on transparent black, drawn
// over the screen background.
#include <algorithm>
#include <cstring>
#include <string>

#include "app/pictures/paint.h"
#include "app/pictures/painters.h"
#include "engine/draw_text.h"
#include "engine/translate.h"

namespace {

const Rgb heading = {255, 210, 90};
const Rgb body = {225, 232, 250};
constexpr int frameWidth = 14;

// Blocks of lines of a page, each translated as a whole and broken at its
// newlines; a block starting with '#' is a heading. A line running into the
// frame is reported as text that does not fit.
template <size_t count>
void writeLines(Image& im, double x, double y, const char* const (&blocks)[count], int size)
{
    for (const char* block : blocks) {
        const std::string translated = tr(block);
        const bool isHeading = translated[0] == '#';
        const int lineSize = isHeading ? size + 4 : size;
        size_t from = isHeading ? 1 : 0;
        do {
            const size_t end = std::min(translated.find('\n', from), translated.size());
            const std::string line = translated.substr(from, end - from);
            text(im, line.c_str(), lineSize, x, y, isHeading ? heading : body);
            if (x + textWidth(line.c_str(), lineSize) > im.width - frameWidth)
                reportTextOverflow(line.c_str(), int(x), int(y), im.width - frameWidth - int(x), lineSize);
            y += isHeading ? size + 10 : size + 4;
            from = end + 1;
        } while (from <= translated.size());
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
        // TRANSLATORS: a text starting with # is a heading of the help: keep the #.
        N_("#STARS AND THEIR INCOME"),
        // TRANSLATORS: the help's lines break where the text does; keep them as
        // long as the English ones, the first lines clear of the stars beside them.
        N_("Each star you hold pays income every turn:\n"
           "      a normal star 1,\n"
           "      a golden star 3,\n"
           "      a dark star 7.\n"
           "Stars are joined by wormhole links. Armies only\n"
           "travel along links."),
        N_("#PLACING ARMIES"),
        N_("At the start of your turn you receive new armies\n"
           "from your income. Click one of your stars to put\n"
           "armies on it; the buttons below choose how many.\n"
           "Your empire supports at most four times its income\n"
           "in armies: at the cap you cannot place any more."),
    };
    writeLines(im, 24, 18, lines, 16);
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
        N_("#ATTACKING"),
        N_("Drag armies from one of your stars onto a linked\n"
           "enemy star. Choose how many armies you are ready\n"
           "to lose: the battle is fought one army at a time,\n"
           "each round an even chance, until you have lost\n"
           "that many or the star falls."),
        N_("#TRANSFERS AND THE MOVE"),
        N_("One army moves into a conquered star; you may send\n"
           "more after it. To end your turn, make one move\n"
           "between two of your own linked stars, or press\n"
           "Next Turn. Then the computer players take theirs.\n"
           "A player without stars is out; the last one wins."),
    };
    writeLines(im, 24, 18, lines, 16);
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
        N_("#DIFFICULTY AND THE DEMONSTRATION GAME"),
        N_("Five levels, from simple to impossible, scale your\n"
           "income. In a demonstration game only computer\n"
           "players play: sit back and watch."),
        N_("#THE GALAXY EDITOR"),
        N_("Place stars, choose their kind, link and unlink\n"
           "them, and save the galaxy under a name. Your\n"
           "galaxies appear on the galaxy selection screen.\n"
           "Escape leads back from every screen but the\n"
           "statistics, which close by their continue button."),
    };
    writeLines(im, 24, 18, lines, 16);
    removeHoles(im, 14);
}

void paintHelpCaption(Image& im)
{
    im.resize(89, 43);
    panel(im, 0, 0, 89, 43, 10, {70, 90, 150}, {25, 32, 70}, {170, 196, 250});
    textCentred(im, tr("HELP"), 26, 44.5, 21.5, heading);
    removeHoles(im, 14);
}

void paintOptionsCaption(Image& im)
{
    im.resize(263, 187);
    frame(im);
    // Rows line up with the bars drawn at screen rows 164, 241 and 314.
    text(im, tr("SOUND VOLUME"), 20, 16, 9, body);
    text(im, tr("MUSIC VOLUME"), 20, 16, 86, body);
    text(im, tr("GAME SPEED"), 20, 16, 159, body);
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
        N_("A game of conquest\n"
           "among the stars."),
        "",
        N_("#MADE BY"),
        N_("the Zentory developers"),
        "",
        N_("#BUILT WITH"),
        "SDL2, SDL2_mixer, SDL2_ttf",
        N_("  zlib licence"),
        "FreeType",
        N_("  FreeType licence"),
        "FluidSynth",
        "  LGPL-2.1",
        N_("TimGM6mb soundfont"),
        "  GPL-2",
        N_("DejaVu fonts"),
        N_("  free licence (Bitstream Vera)"),
    };
    writeLines(im, 18, 78, lines, 12);
    removeHoles(im, 14);
}
