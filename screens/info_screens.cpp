// The title, the help pages and the about screen.
#include <algorithm>
#include <string>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

namespace {
// Three pictures, then the keys, drawn as text.
constexpr int helpPageCount = 4;
// Shown once per run: the countdown is never reset.
int titleCountdown = 2000;
// Kept between visits of the help screen.
int helpPage = 1;

struct HelpButtons {
    bool made = false;
    Button mainMenu, nextPage;
    ButtonSet set;
};
HelpButtons help;

struct AboutButtons {
    bool made = false;
    Button homePage, mainMenu;
    ButtonSet set;
};
AboutButtons about;

void nextHelpPage(int) { helpPage = helpPage % helpPageCount + 1; }

// Every key the game knows, in the look of the pictured pages. A text breaks
// into lines where it holds a newline.
void drawKeysPage()
{
    static const char* const rows[][2] = {
        {N_("Tab, Shift+Tab"), N_("the next or the previous button")},
        {N_("Arrow keys"), N_("the nearest button that way, or on\nthe board the star cursor")},
        {N_("Enter"),
         // TRANSLATORS: the lines break where the text does; keep them as long as the English ones.
         N_("presses the button in the yellow ring;\non the board places armies on the star\n"
            "in the ring, or chooses the star to\nattack or move from, then its target")},
        {N_("1 to 7"), N_("the number buttons under the board")},
        {N_("N"), N_("Next Turn")},
        {N_("L"), N_("the log of the turn cycle")},
        {N_("Space"), N_("skips the computer players' turns")},
        {N_("Escape"), N_("back; lets a chosen star go")},
        {N_("Delete"), N_("removes the selected star in the editor")},
        {N_("Alt+Enter"), N_("full screen or a window")},
    };
    fillRect(44, 95, 700, 380, 110, 140, 220);
    fillRect(45, 96, 698, 378, 18, 24, 52);
    drawTextInBox(68, 110, 650, 26, 255, 210, 90, tr("KEYS"), true);
    int y = 144;
    for (const auto& row : rows) {
        drawTextInBox(68, y, 150, 22, 255, 210, 90, tr(row[0]), true);
        const std::string text = tr(row[1]);
        for (size_t from = 0; from <= text.size(); y += 22) {
            const size_t end = std::min(text.find('\n', from), text.size());
            drawTextInBox(228, y, 500, 22, 225, 232, 250, text.substr(from, end - from).c_str(), true);
            from = end + 1;
        }
    }
}

} // namespace

void titleScreen(int elapsedMs)
{
    if (wasKeyPressed(keys::escape) || leftButtonPressed()) setState(State::menu);
    titleCountdown -= elapsedMs;
    drawImage(0, 0, "title");
    if (titleCountdown < 0) setState(State::menu);
}

void helpScreen(int)
{
    if (!help.made) {
        help.mainMenu = Button(32, 501, tr("Main Menu"), backFromHelp, "silverButton", 0);
        help.nextPage = Button(519, 501, tr("Next Page"), nextHelpPage, "silverButton", 0);
        for (Button* b : {&help.mainMenu, &help.nextPage}) {
            b->setTextColor(0, 0, 0);
            b->setMargins(40, 14); // a text size that leaves the picture's frame clear
        }
        help.set.add(help.mainMenu);
        help.set.add(help.nextPage);
        help.made = true;
    }
    drawImage(0, 0, "background");
    drawImage(328, 39, "help");
    if (helpPage < helpPageCount) drawImage(44, 95, "help" + std::to_string(helpPage));
    else drawKeysPage();
    help.set.run(0);
    if (wasKeyPressed(keys::escape)) backFromHelp(0);
}

void aboutScreen(int elapsedMs)
{
    if (!about.made) {
        about.homePage = Button(50, 472, "", openHomePage, "aboutMoreGames", 0);
        about.mainMenu = Button(539, 472, "", backFromAbout, "aboutMainMenu", 0);
        about.set.add(about.homePage);
        about.set.add(about.mainMenu);
        about.made = true;
    }
    drawImage(0, 0, "background");
    drawImage(241, 19, "aboutText");
    about.set.run(0);
    drawManualNote(elapsedMs);
    if (wasKeyPressed(keys::escape)) backFromAbout(0);
}

void resetTitleForTests() { titleCountdown = 2000; }

void resetHelpAndAboutForTests()
{
    helpPage = 1;
    help = HelpButtons{};
    about = AboutButtons{};
}
