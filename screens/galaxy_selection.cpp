// The galaxy selection screen (state "load"): the standard galaxies and the
// galaxy files, a half-size preview, and in play mode the difficulty and the
// start of a game, in editor mode the loading of a galaxy into the editor.
#include <algorithm>
#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/display.h"
#include "game/seats.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/galaxy_list.h"
#include "game/net_message.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/start_check.h"
#include "screens/galaxy_draw.h"
#include "screens/net_game.h"
#include "screens/screens.h"
#include "screens/seat_lines.h"
#include "screens/states.h"
#include "screens/widgets.h"

namespace {

constexpr int standardCount = 6;
constexpr int visibleRows = 15;
constexpr int rowSpacing = 35;
// selectedGalaxy at and above this is a file row.
constexpr int fileRowBase = 1000;
// Room between an arrow and the track, wider than the track's slack, so that
// holding an arrow never drags the track too.
constexpr int trackGap = 12;
constexpr int trackSlack = 10;

// Opened by the editor to load a galaxy into it, else to start a game.
bool forEditor = false;
int selectedGalaxy = 0;
std::vector<std::string> galaxyFileNames;
int firstFileRow = 0;

ButtonSet standardButtons, fileRowButtons, editorModeButtons, playModeButtons;
Button standardButtonList[standardCount];
Button fileRowList[visibleRows];
Button loadButton, cancelButton;
Button menuButton, startButton, demoButton, hostButton;
Button difficultyButtons[5];
// The question before a new game replaces a game of the human's under way:
// asked is 0 when none is open, 1 for "start", 2 for "demo".
ButtonSet abandonButtons;
Button abandonYes, abandonNo;
int asked = 0;
// Made on the first frame that needs them and kept for the run.
ButtonSet scrollArrows;
Button arrowUpButton, arrowDownButton;

// The galaxies read for the preview in this visit of the screen, by source,
// so that a file is read once per visit and not in every frame: the preview
// shows whatever the mouse is over, and a large file read per frame would
// stall the screen. At most previewCacheBytes are kept, the oldest read going
// first; a galaxy it let go is read again only when it is shown anew.
constexpr size_t previewCacheBytes = 32u * 1024 * 1024;
std::map<int, Galaxy> previewCache;
std::deque<int> previewCacheOrder;
size_t previewCacheSize = 0;
// The source the preview holds (-1 for none) and the one it should hold this frame.
int previewSource = -1;
int previewWanted = 0;

// Why the last "start" or "demo" started nothing, shown until another galaxy
// is selected; refusedGalaxy is the selection it was about.
std::string refusal;
int refusedGalaxy = -1;

// A line too long for the box at a readable size is broken after its colon.
void drawRefusal()
{
    const size_t cut = refusal.find(": ");
    if (cut == std::string::npos) {
        drawTextInBox(180, 552, 300, 24, 255, 200, 80, refusal.c_str(), false);
        return;
    }
    drawTextInBox(180, 548, 300, 22, 255, 200, 80, refusal.substr(0, cut + 1).c_str(), false);
    drawTextInBox(180, 570, 300, 22, 255, 200, 80, refusal.substr(cut + 2).c_str(), false);
}

int fileCount() { return static_cast<int>(galaxyFileNames.size()); }
int hiddenFiles() { return std::max(0, fileCount() - visibleRows); }

// The source of a selection: standard index 0 is the built-in galaxy, 1..5
// the standard files, fileRowBase + f the file row f.
// The name of a selection's galaxy, "" for none.
std::string sourceName(int which)
{
    if (which >= 0 && which < standardCount) return standardGalaxyNames[which];
    if (which >= fileRowBase && which - fileRowBase < fileCount()) return galaxyFileNames[which - fileRowBase];
    return "";
}

void loadGalaxy(Galaxy& galaxy, int which)
{
    if (which == 0) {
        // Keeps the galaxy's name, as the built-in galaxy is not a file.
        galaxy.loadBuiltIn(builtInGalaxyName);
    } else if (!sourceName(which).empty()) {
        galaxy.loadFile(sourceName(which));
    } else {
        galaxy.reset();
    }
}

size_t galaxyBytes(const Galaxy& g)
{
    return g.links.size() * sizeof(int) + (g.layoutStars.size() + g.gameStars.size()) * sizeof(Star);
}

void forgetPreviews()
{
    previewCache.clear();
    previewCacheOrder.clear();
    previewCacheSize = 0;
    previewSource = -1;
}

const Galaxy& cachedGalaxy(int which)
{
    auto found = previewCache.find(which);
    if (found != previewCache.end()) return found->second;
    Galaxy g;
    loadGalaxy(g, which);
    const size_t bytes = galaxyBytes(g);
    while (!previewCacheOrder.empty() && previewCacheSize + bytes > previewCacheBytes) {
        auto oldest = previewCache.find(previewCacheOrder.front());
        previewCacheSize -= galaxyBytes(oldest->second);
        previewCache.erase(oldest);
        previewCacheOrder.pop_front();
    }
    previewCacheOrder.push_back(which);
    previewCacheSize += bytes;
    return previewCache[which] = std::move(g);
}

// Copies the galaxy in only when the preview holds another one.
void showPreview(int which)
{
    if (which == previewSource) return;
    previewGalaxy = cachedGalaxy(which);
    previewSource = which;
}

void selectGalaxy(int which) { selectedGalaxy = which; }
void previewOf(int which) { previewWanted = which; }
// The level for the next game, from the last game's: a game in progress
// keeps its own until this screen starts another.
int chosenDifficulty = 2;
void setDifficulty(int level) { chosenDifficulty = level; }

void rebuildFileRows()
{
    fileRowButtons.clear();
    for (int r = 0; r < std::min(visibleRows, fileCount()); ++r) {
        const int f = firstFileRow + r;
        Button& b = fileRowList[r];
        b = Button(483, 28 + rowSpacing * r, galaxyFileNames[f], selectGalaxy, "loadButton", fileRowBase + f, previewOf);
        b.setMargins(5, 0);
        fileRowButtons.add(b);
    }
}

void scrollTo(int row)
{
    row = std::clamp(row, 0, hiddenFiles());
    if (row == firstFileRow) return;
    firstFileRow = row;
    rebuildFileRows();
}

void scrollUp(int) { scrollTo(firstFileRow - 1); }
void scrollDown(int) { scrollTo(firstFileRow + 1); }

struct Track {
    int centreX, top, length;
};

Track scrollTrack()
{
    const int arrowHeight = imageHeight("arrowUp");
    const int top = 30 + arrowHeight + trackGap;
    const int bottom = 545 - arrowHeight - trackGap;
    return {753 + imageWidth("arrowUp") / 2, top, std::max(1, bottom - top)};
}

// Offset along the track to first row and back, rounded to the nearest; the
// length is at least 1, and the row stays within 0..hidden files.
int rowAtOffset(int offset, const Track& t)
{
    const long long hidden = hiddenFiles();
    const long long clamped = std::clamp(offset, 0, t.length);
    return static_cast<int>((clamped * hidden + t.length / 2) / t.length);
}

int offsetOfRow(int row, const Track& t)
{
    const long long hidden = std::max(1, hiddenFiles());
    return static_cast<int>((static_cast<long long>(row) * t.length + hidden / 2) / hidden);
}

void updateScrolling()
{
    if (fileCount() <= visibleRows) return;
    if (scrollArrows.buttons.empty()) {
        arrowUpButton = Button(753, 30, "", scrollUp, "arrowUp", 0);
        arrowDownButton = Button(753, 545 - imageHeight("arrowUp"), "", scrollDown, "arrowDown", 0);
        scrollArrows.add(arrowUpButton);
        scrollArrows.add(arrowDownButton);
    }
    scrollArrows.run(0);

    const Track t = scrollTrack();
    const int halfWidth = std::max(2, imageWidth("bullet") / 2);
    const int mx = static_cast<int>(mouseX());
    const int my = static_cast<int>(mouseY());
    if (isLeftButtonDown() && mx >= t.centreX - halfWidth - trackSlack && mx <= t.centreX + halfWidth + trackSlack &&
        my >= t.top - trackSlack && my <= t.top + t.length + trackSlack)
        scrollTo(rowAtOffset(my - t.top, t));
    fillRect(t.centreX - 2, t.top, 4, t.length, 70, 90, 150);
    drawImageCentered(t.centreX, t.top + offsetOfRow(firstFileRow, t), "bullet");
}

void tintSelectedButton()
{
    const Button* b = nullptr;
    if (selectedGalaxy >= 0 && selectedGalaxy < standardCount) {
        b = &standardButtonList[selectedGalaxy];
    } else {
        const int onScreen = selectedGalaxy - fileRowBase - firstFileRow;
        if (onScreen >= 0 && onScreen < visibleRows && onScreen < fileCount()) b = &fileRowList[onScreen];
    }
    if (b) tintRect(b->x, b->y, b->width, b->height, 100, 0, 0);
}

void beginGame(bool demo)
{
    const bool builtIn = selectedGalaxy == 0;
    // The preview holds the selected galaxy: the last load of this frame.
    const StartRefusal why = checkGameStart(builtIn, previewGalaxy.name);
    refusal = tr(startRefusalText(why));
    if (why == StartRefusal::none) {
        // A game of this screen is no network game: one under way ends here.
        leaveNetGame();
        gameState.difficulty = chosenDifficulty;
        if (demo)
            startNewGame(previewGalaxy, true);
        else
            startNewGame(previewGalaxy, chosenSeats(previewGalaxy.playerCount));
    } else {
        refusedGalaxy = selectedGalaxy;
    }
}

// A game of the human's that "Resume Game" would go back to. It is kept on
// the disk, so quitting needs no question; only a new game throws it away.
bool humanGameUnderWay()
{
    return gameInProgress(gameState) && !isDemo(gameState);
}

void askOrBegin(bool demo)
{
    if (humanGameUnderWay()) asked = demo ? 2 : 1;
    else beginGame(demo);
}

void startAction(int) { askOrBegin(false); }

// A network game of the selected galaxy: its lobby, where friends join.
void hostAction(int)
{
    const StartRefusal refused = checkGameStart(selectedGalaxy == 0, previewGalaxy.name);
    std::string why;
    refusal = tr(startRefusalText(refused));
    if (refused == StartRefusal::none) {
        gameState.difficulty = chosenDifficulty;
        if (!openLobby(previewGalaxy, chosenSeats(previewGalaxy.playerCount), defaultNetPort, why)) refusal = tr(why.c_str());
    }
    if (!refusal.empty()) refusedGalaxy = selectedGalaxy;
}
void demoAction(int) { askOrBegin(true); }

void answerAbandon(int yes)
{
    const bool demo = asked == 2;
    asked = 0;
    if (yes) beginGame(demo);
}

// Drawn over the screen, as the editor's overwrite question is.
void runAbandonQuestion()
{
    if (abandonButtons.buttons.empty()) {
        abandonYes = Button(316, 258, tr("yes"), answerAbandon, "", 1);
        abandonNo = Button(458, 258, tr("no"), answerAbandon, "", 0);
        abandonButtons.add(abandonYes);
        abandonButtons.add(abandonNo);
    }
    fillRect(300, 200, 300, 94, 54, 182, 151);
    drawTextInBox(310, 210, 280, 30, 255, 255, 255, tr("Abandon the game in progress?"), false);
    abandonButtons.run(0);
    if (asked != 0 && wasKeyPressed(keys::escape)) answerAbandon(0);
}

void loadAction(int)
{
    // The editor checks what it is given before it lets go of its work.
    loadIntoEditorScreen(selectedGalaxy == 0, sourceName(selectedGalaxy));
    setState(State::editor);
}

void cancelAction(int) { setState(State::editor); }

void makeButtons()
{
    for (int i = 0; i < standardCount; ++i) {
        standardButtonList[i] = Button(30, 275 + rowSpacing * i, standardGalaxyNames[i], selectGalaxy, "loadButton", i,
                                       previewOf);
        standardButtons.add(standardButtonList[i]);
    }
    rebuildFileRows();

    loadButton = Button(44, 523, tr("load"), loadAction, "loadBasic", 0);
    cancelButton = Button(215, 523, tr("cancel"), cancelAction, "loadBasic", 0);
    loadButton.setTextColor(0, 0, 0);
    cancelButton.setTextColor(0, 0, 0);
    editorModeButtons.add(loadButton);
    editorModeButtons.add(cancelButton);

    menuButton = Button(320, 517, tr("menu"), backFromGalaxySelection, "", 0);
    startButton = Button(185, 505, tr("start"), startAction, "", 0);
    demoButton = Button(185, 525, tr("demo"), demoAction, "", 0);
    hostButton = Button(185, 545, tr("host"), hostAction, "", 0);
    playModeButtons.add(menuButton);
    playModeButtons.add(startButton);
    playModeButtons.add(demoButton);
    playModeButtons.add(hostButton);
    for (int i = 0; i < 5; ++i) {
        difficultyButtons[i] = Button(43, 492 + 20 * i, tr(difficultyNames[i]), setDifficulty, "", i);
        playModeButtons.add(difficultyButtons[i]);
    }
}

} // namespace

void openSelection(bool forEditorLoad)
{
    firstFileRow = 0;
    selectedGalaxy = 0;
    previewGalaxy.reset();
    forgetPreviews();
    galaxyFileNames.clear();
    standardButtons.clear();
    fileRowButtons.clear();
    editorModeButtons.clear();
    playModeButtons.clear();
    refusal.clear();
    asked = 0;
    chosenDifficulty = gameState.difficulty;
    // The seats of the last game played by people, as its level.
    if (!gameState.seats.empty() && !isDemo(gameState)) rememberSeats(gameState.seats);
    forEditor = forEditorLoad;
    setState(State::load);
    galaxyFileNames = listGalaxyFiles(galaxyFolders());
    makeButtons();
}

void loadScreen(int)
{
    drawImage(0, 0, "background");
    standardButtons.draw(0);
    fileRowButtons.draw(0);
    updateScrolling();
    // The selected galaxy, unless the mouse is over another.
    previewWanted = selectedGalaxy;
    tintSelectedButton();
    standardButtons.hover(0);
    fileRowButtons.hover(0);
    standardButtons.click(0);
    fileRowButtons.click(0);
    showPreview(previewWanted);
    drawPreview(previewGalaxy, 0.5, noOwner);

    char players[32];
    std::snprintf(players, sizeof players, tr("Players: %d"), previewGalaxy.playerCount);
    drawTextInBox(29, 217, 150, 25, 255, 255, 255, players, false);

    if (forEditor) {
        editorModeButtons.run(0);
        if (wasKeyPressed(keys::escape)) cancelAction(0);
        return;
    }
    if (asked == 0) {
        playModeButtons.run(0);
        if (wasKeyPressed(keys::escape)) backFromGalaxySelection(0);
    } else {
        playModeButtons.draw(0);
    }
    // A galaxy that cannot be read has no players to seat.
    const std::vector<Star>& stars = previewGalaxy.layoutStars;
    if (std::any_of(stars.begin(), stars.end(), [](const Star& s) { return s.active; }))
        runSeatLines(previewGalaxy.playerCount, asked == 0);
    drawImage(23, 492 + 20 * chosenDifficulty, "selectionArrow");
    if (refusedGalaxy != selectedGalaxy) refusal.clear();
    if (!refusal.empty()) drawRefusal();
    if (asked != 0) runAbandonQuestion();
}

void resetSelectionForTests()
{
    forEditor = false;
    selectedGalaxy = 0;
    galaxyFileNames.clear();
    forgetPreviews();
    firstFileRow = 0;
    for (ButtonSet* set : {&standardButtons, &fileRowButtons, &editorModeButtons, &playModeButtons, &scrollArrows})
        set->clear();
    refusal.clear();
    refusedGalaxy = -1;
    abandonButtons.clear();
    asked = 0;
    // The values this screen sets for a game, as at program start.
    chosenDifficulty = 2;
    gameState.difficulty = 2;
    gameState.seats.clear();
    resetSeatLinesForTests();
}
