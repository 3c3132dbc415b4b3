// The main menu, the options screen and the home page.
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/open_url.h"
#include "engine/sound.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/game_state.h"
#include "screens/marks.h"
#include "screens/notices.h"
#include "screens/replays.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

int gameSpeed = 1;
int gameSpeedDelay = 50;

namespace {

const char* const gameSpeedNames[3] = {N_("slow"), N_("normal"), N_("fast")};
constexpr int speedDelays[3] = {100, 50, 25};
constexpr int lowestVolume = 1;
constexpr int highestVolume = 20;
// The manual that stands in for a web site, in the data folder.
constexpr const char* manualFile = "manual.html";
// Where there is no browser to open it, the menu and the about screen say for
// a while where it lies, so that the button is never silent.
constexpr int manualNoteMs = 6000;
struct ManualNote {
    std::string text;
    int msLeft = 0;
};
ManualNote manualNote;

struct MenuButtons {
    bool made = false;
    Button play, editor, replays, options, help, about, homePage, quit, resume, join;
    ButtonSet set;
};
MenuButtons menu;

struct OptionsButtons {
    bool made = false;
    Button back, soundDown, musicDown, speedDown, soundUp, musicUp, speedUp, marksDown, marksUp;
    ButtonSet set;
};
OptionsButtons options;

void playAction(int) { openSelection(false); }

void setSpeed(int speed)
{
    gameSpeed = speed;
    gameSpeedDelay = speedDelays[speed];
}

// One step (-1 or +1, the button's value) within lowest..highest; at the ends
// nothing is set, so the volume file is not rewritten.
bool canStep(int level, int step, int lowest, int highest) { return step < 0 ? level > lowest : level < highest; }
void stepSound(int step)
{
    const int level = getSoundVolume();
    if (canStep(level, step, lowestVolume, highestVolume)) setSoundVolume(level + step);
}
void stepMusic(int step)
{
    const int level = getMusicVolume();
    if (canStep(level, step, lowestVolume, highestVolume)) setMusicVolume(level + step);
}
void stepSpeed(int step)
{
    if (canStep(gameSpeed, step, 0, 2)) setSpeed(gameSpeed + step);
}

void toggleMarks(int) { setMarksOption(!showMarks); }

void makeMenuButtons()
{
    const char* image = "longSilverButton";
    menu.play = Button(64, 70, tr("Play Zentory"), playAction, image, 0);
    menu.editor = Button(64, 120, tr("Editor"), openEditorAction, image, 0);
    menu.replays = Button(64, 170, tr("Replays"), openReplaysList, image, 0);
    menu.options = Button(64, 220, tr("Options"), optionsAction, image, 0);
    menu.help = Button(64, 270, tr("Help"), helpAction, image, 0);
    menu.about = Button(64, 320, tr("About"), aboutAction, image, 0);
    menu.homePage = Button(64, 370, tr("Homepage"), openHomePage, image, 0);
    menu.quit = Button(64, 420, tr("Quit Game"), quitAction, image, 0);
    menu.resume = Button(64, 470, tr("Resume Game"), resumeGame, image, 0);
    menu.join = Button(64, 520, tr("Join Game"), openJoin, image, 0);
    for (Button* b : {&menu.play, &menu.editor, &menu.replays, &menu.options, &menu.help, &menu.about, &menu.homePage, &menu.quit,
                      &menu.resume, &menu.join}) {
        // Clear of the picture's accent bar, and one text size for all.
        b->setMargins(36, 10);
        menu.set.add(*b);
    }
    menu.made = true;
}

void makeOptionsButtons()
{
    options.back = Button(366, 385, "", backFromOptions, "optionsBack", 0);
    options.soundDown = Button(355, 164, "", stepSound, "decArrow", -1);
    options.musicDown = Button(355, 241, "", stepMusic, "decArrow", -1);
    options.speedDown = Button(355, 314, "", stepSpeed, "decArrow", -1);
    options.soundUp = Button(564, 164, "", stepSound, "incArrow", 1);
    options.musicUp = Button(564, 241, "", stepMusic, "incArrow", 1);
    options.speedUp = Button(564, 314, "", stepSpeed, "incArrow", 1);
    options.marksDown = Button(355, 450, "", toggleMarks, "decArrow", 0);
    options.marksUp = Button(564, 450, "", toggleMarks, "incArrow", 0);
    for (Button* b : {&options.back, &options.soundDown, &options.musicDown, &options.speedDown, &options.soundUp,
                      &options.musicUp, &options.speedUp, &options.marksDown, &options.marksUp})
        options.set.add(*b);
    options.made = true;
}

// Nineteen marks: green below the level, red from it on.
void drawLevelBar(int y, int level)
{
    for (int i = 1; i <= 19; ++i) {
        bool lit = i < level;
        fillRect(400 + 6 * i, y, 4, 20, lit ? 0 : 255, lit ? 255 : 0, 0);
    }
}

} // namespace

void openHomePage(int)
{
    // The data folder is the working directory.
    std::error_code ec;
    const std::filesystem::path manual = std::filesystem::absolute(manualFile, ec);
    if (ec) return;
    if (!std::filesystem::is_regular_file(manual, ec)) {
        manualNote = {tr("No manual at ") + manual.string(), manualNoteMs};
        return;
    }
    if (!openUrl(fileUrl(manual.string()))) manualNote = {tr("Manual: ") + manual.string(), manualNoteMs};
}

void drawManualNote(int elapsedMs)
{
    if (manualNote.msLeft <= 0) return;
    fillRect(0, 548, 800, 32, 0, 0, 0);
    drawTextInBox(16, 552, 768, 24, 255, 255, 255, manualNote.text.c_str(), false);
    manualNote.msLeft -= std::max(elapsedMs, 0);
}

void menuScreen(int elapsedMs)
{
    if (!menu.made) makeMenuButtons();
    menu.resume.setActive(gameInProgress(gameState));
    drawImage(0, 0, "mainMenu");
    menu.set.run(0);
    drawManualNote(elapsedMs);
    if (const std::string& notice = notices.menuLine; !notice.empty()) {
        fillRect(0, 516, 800, 32, 0, 0, 0);
        drawTextInBox(16, 520, 768, 24, 255, 255, 255, notice.c_str(), false);
    }
    if (menu.resume.active && wasKeyPressed(keys::escape)) resumeGame(0);
}

void optionsScreen(int)
{
    if (!options.made) makeOptionsButtons();
    drawImage(0, 0, "background");
    drawImage(98, 155, "optionsCaption");
    // Read every frame: the files are the only place the levels live.
    drawLevelBar(164, getSoundVolume());
    drawLevelBar(241, getMusicVolume());
    drawTextInBox(400, 314, 120, 20, 255, 255, 255, tr(gameSpeedNames[std::clamp(gameSpeed, 0, 2)]),
                  false);
    // Each player's shape on its stars and beside its colour.
    drawTextInBox(114, 450, 230, 20, 255, 255, 255, tr("MARKS"), true);
    drawTextInBox(400, 450, 120, 20, 255, 255, 255, showMarks ? tr("on") : tr("off"), false);
    options.set.run(0);
    if (wasKeyPressed(keys::escape)) setState(State::menu);
}

void resetMenusForTests()
{
    menu = MenuButtons{};
    options = OptionsButtons{};
    manualNote = ManualNote{};
    setSpeed(1);
    showMarks = false;
}
