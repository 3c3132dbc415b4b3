// The title, the help pages and the about screen.
#include <string>

#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

namespace {
constexpr int helpPageCount = 3;
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
    drawImage(44, 95, "help" + std::to_string(helpPage));
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
