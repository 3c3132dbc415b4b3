#include "screens/board.h"

#include <cstdio>
#include <string>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/decide.h"
#include "game/human_turn.h"
#include "game/rules.h"
#include "game/seats.h"
#include "screens/core_texts.h"
#include "screens/event_log.h"
#include "screens/galaxy_draw.h"
#include "screens/marks.h"
#include "screens/notices.h"
#include "screens/screens.h"
#include "screens/net_game.h"
#include "screens/states.h"

ButtonSet hudButtons;
ButtonSet choiceButtons;
std::array<int, 7> choiceValues{};
ButtonAction choiceAction = nullptr;
int placementStep = 1;
bool dragging = false;
int dragSource = noOwner;
int dragTarget = noOwner;

namespace {

Button nextTurnButton;
Button statsButton;
Button menuButton;
Button logButton;
std::array<Button, 7> choiceButtonSlots;

// Made on the screen's first frame, while it is still empty.
ButtonSet noSupportButtons;
Button noSupportOk;

// On the control strip the selection, which need not be a slot of the game stars.
int starUnderPointer()
{
    return mouseY() > controlStripY ? boardView.selectedStar : gameState.galaxy.starAt(mouseX(), mouseY(), 0, 0);
}

// A click in the panel strip is a click on a button there, never on a star,
// even while a star is selected.
int boardStarUnderPointer() { return mouseY() > controlStripY ? noOwner : starUnderPointer(); }

void runChoice(int k)
{
    if (choiceAction && k >= 0 && k < static_cast<int>(choiceValues.size())) choiceAction(k);
}

void setPlacementStep(int k) { placementStep = choiceValues[k]; }

// "1", "3" or "7" for the three star kinds, "" for anything else.
std::string incomeText(const std::string& kind)
{
    if (kind == normalStarKind) return "1";
    if (kind == goldenStarKind) return "3";
    if (kind == darkStarKind) return "7";
    return "";
}

// Hands the turn to the computer players in this same frame.
void startComputerTurns(int elapsedMs)
{
    setState(State::startAI);
    if (currentState() == State::startAI) runCurrentState(elapsedMs);
}

} // namespace

void drawWhiteText(int x, int y, int w, int h, const char* text, bool leftAligned)
{
    drawTextInBox(x, y, w, h, 255, 255, 255, text, leftAligned);
}

void drawPlayScreen(int)
{
    drawImage(0, 0, "bigbar");
    drawImagePart(0, 499, 0, 499, 800, 100, "background");
    drawBoard(gameState, boardView);
    nextTurnButton.setActive(false);
    const std::string& failed = notices.panelLine.empty() ? notices.recordingLine : notices.panelLine;
    if (!failed.empty())
        drawTextInBox(20, 582, 760, 17, 255, 255, 255, failed.c_str(), true);
    // Whose turn it is, under "Stats", when several humans share the board.
    const int p = gameState.turnPlayer;
    const bool humanTurn = gameState.phase == GamePhase::HumanPlacement || gameState.phase == GamePhase::HumanAttack ||
                           gameState.phase == GamePhase::HumanTransfer;
    if (humanTurn && humansHere() > 1 && netSeatIsLocal(p) && seatOf(gameState, p) == Seat::Human && p >= 0 &&
        p < maxPlayers) {
        // On a band of the player's colour, as the banner shows it: dark
        // colours on the dark panel would not read.
        const Rgb c = playerColours[p];
        const int ink = inkOnPlayerColour(p);
        fillRect(646, 570, 132, 24, c.r, c.g, c.b);
        const int markRoom = showMarks ? 16 : 0;
        if (showMarks) drawPlayerMark(p, 650, 576, 11);
        drawTextInBox(648 + markRoom, 570, 128 - markRoom, 24, ink, ink, ink, yourTurnText(p).c_str(), false);
    }
}

void drawStarInfo(int)
{
    // Off the stars, the one in the keyboard's ring.
    const int s = gameState.galaxy.isGameStar(starUnderPointer()) ? starUnderPointer() : keyStar;
    if (!gameState.galaxy.isGameStar(s)) return;
    const Star& star = gameState.galaxy.gameStars[s];
    const char* kind = "";
    if (star.kind == normalStarKind) kind = tr("Normal Star");
    else if (star.kind == goldenStarKind) kind = tr("Golden Star");
    else if (star.kind == darkStarKind) kind = tr("Dark Star");
    const bool player = star.owner >= 0 && star.owner < maxPlayers;
    // The one human is "You"; among several humans each goes by its colour.
    std::string owner = computerPlayerName(player ? playerColourNames[star.owner] : "");
    if (player && star.owner == soleHuman(gameState)) owner = tr("You");
    else if (player && seatOf(gameState, star.owner) == Seat::Human) owner = tr(playerColourNames[star.owner]);
    char line[192];
    std::snprintf(line, sizeof line, tr("%s     Owner:  %s     Income: %s"), kind, owner.c_str(),
                  incomeText(star.kind).c_str());
    drawWhiteText(20, 480, 500, 20, line, true);
}

void setChoices(int max, int min)
{
    const double span = static_cast<double>(max) - min;
    for (int k = 0; k < 7; ++k) {
        choiceValues[k] = span < 7 ? min + k : min + static_cast<int>(k * (span / 6.0));
        Button& b = choiceButtonSlots[k];
        b.setActive(choiceValues[k] <= max);
        b.label = std::to_string(choiceValues[k]);
    }
}

void runHudButtons(int elapsedMs)
{
    hudButtons.run(elapsedMs);
    if (runEventLog()) return;
    if (wasKeyPressed(keys::escape)) menuFromGame(0);
}

void openBoard()
{
    hudButtons.clear();
    choiceButtons.clear();
    boardView = BoardView{};
    nextTurnButton = Button(650, 520, tr("Next Turn"), nextTurn, "", passFrameValue);
    statsButton = Button(650, 546, tr("Stats"), showStatistics, "", passFrameValue);
    menuButton = Button(20, 546, tr("Menu"), menuFromGame, "", passFrameValue);
    hudButtons.add(nextTurnButton);
    hudButtons.add(statsButton);
    hudButtons.add(menuButton);
    logButton = makeEventLogButton(20, 520);
    hudButtons.add(logButton);
    for (int k = 0; k < 7; ++k) {
        choiceButtonSlots[k] = Button(239 + 45 * k, 562, std::to_string(k), runChoice, "menuShort", k);
        choiceButtons.add(choiceButtonSlots[k]);
    }
}

void openPlayScreen(int)
{
    openBoard();
    setState(State::play);
}


void playScreen(int elapsedMs)
{
    startTurnCycle(gameState);
    if (boardStateFor(gameState) == State::startAI) {
        startComputerTurns(elapsedMs);
    } else {
        setState(State::seatTurn);
        seatTurnScreen(elapsedMs);
    }
}

void noSupportScreen(int elapsedMs)
{
    if (remoteTurnFrame(elapsedMs)) return;
    if (noSupportButtons.buttons.empty()) {
        noSupportOk = Button(630, 525, tr("ok"), goOnAttacking, "", passFrameValue);
        noSupportButtons.add(noSupportOk);
    }
    drawPlayScreen(elapsedMs);
    drawWhiteText(120, 510, 500, 50, tr("Your empire cannot support any more troops!"));
    noSupportButtons.run(elapsedMs);
    if (wasKeyPressed(keys::escape)) goOnAttacking(0);
}

// "Next Turn": the state-switching action of states.h, here beside the
// board's other decisions.
void nextTurn(int)
{
    if (boardDecide(Decision{DecisionKind::EndTurn})) setState(State::startAI);
}

void placeHumanScreen(int elapsedMs)
{
    if (remoteTurnFrame(elapsedMs)) return;
    drawPlayScreen(elapsedMs);
    const int hovered = starUnderPointer();
    const int p = gameState.turnPlayer;
    if (gameState.galaxy.isGameStar(hovered) && gameState.galaxy.gameStars[hovered].owner == p)
        highlightStar(gameState.galaxy, hovered, 100, 100, 100);
    drawStarInfo(elapsedMs);
    const int armiesToPlace = gameState.armiesToPlace;
    if (placementStep > armiesToPlace) placementStep = armiesToPlace;

    char text[160];
    std::snprintf(text, sizeof text,
                  // The English text says "armies" for one army too.
                  trn("Place %d armies %sby clicking on one of your (%s) stars.",
                      "Place %d armies %sby clicking on one of your (%s) stars.",
                      static_cast<unsigned long>(placementStep)),
                  placementStep,
                  placementCapped(gameState, p) ? tr("(maximum reached) ") : "",
                  p >= 0 && p < maxPlayers ? tr(playerColourNames[p]) : "");
    drawWhiteText(180, 500, 450, 30, text);
    std::snprintf(text, sizeof text, tr("Remaining armies: %d"), armiesToPlace);
    drawWhiteText(180, 530, 450, 30, text);

    setChoices(armiesToPlace, 1);
    choiceAction = setPlacementStep;
    choiceButtons.run(elapsedMs);
    placementKeys();

    if (leftButtonPressed() &&
        boardDecide(Decision{DecisionKind::Place, 0, boardStarUnderPointer(), noOwner, placementStep}) &&
        gameState.phase != GamePhase::HumanPlacement)
        setState(State::attackHuman);
    dragging = false;
    dragSource = dragTarget = noOwner;
    runHudButtons(elapsedMs);
}

void attackHumanScreen(int elapsedMs)
{
    if (remoteTurnFrame(elapsedMs)) return;
    boardView.selectedStar = noOwner;
    drawPlayScreen(elapsedMs);
    nextTurnButton.setActive(true);
    highlightStar(gameState.galaxy, starUnderPointer(), 100, 100, 100);
    attackKeys();
    runHudButtons(elapsedMs);
    drawStarInfo(elapsedMs);
    drawWhiteText(180, 500, 450, 30, tr("drag armies to enemy planets to attack"));
    drawWhiteText(180, 530, 450, 30, tr("drag armies to own planets to move and end turn"));

    if (!dragging && leftButtonPressed()) {
        dragSource = boardStarUnderPointer();
        dragging = canDragFrom(gameState.galaxy, gameState.turnPlayer, dragSource);
    }
    if (!dragging) return;
    char text[16];
    std::snprintf(text, sizeof text, "%d", gameState.galaxy.gameStars[dragSource].armies);
    drawWhiteText(static_cast<int>(mouseX()) + 20, static_cast<int>(mouseY()), 20, 20, text);
    if (isLeftButtonDown()) return;
    dragging = false;
    dragTarget = boardStarUnderPointer();
    const DropKind drop = dropKind(gameState.galaxy, gameState.turnPlayer, dragSource, dragTarget);
    if (drop != DropKind::Nothing) setState(drop == DropKind::Move ? State::moveHuman : State::fightHuman);
}

void resetBoardForTests()
{
    hudButtons = ButtonSet{};
    choiceButtons = ButtonSet{};
    choiceValues = {};
    choiceAction = nullptr;
    placementStep = 1;
    dragging = false;
    dragSource = dragTarget = noOwner;
    nextTurnButton = statsButton = menuButton = logButton = Button{};
    eventLogOpen = false;
    choiceButtonSlots = {};
    noSupportButtons = ButtonSet{};
    noSupportOk = Button{};
    resetBoardKeysForTests();
}
