// The end of players and of the game: the screens that announce the
// eliminations and the winner the game state recorded, and the statistics:
// the table of the galaxy now and the graph of the game's course.
#include "screens/end_and_stats.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "game/seats.h"
#include "screens/board.h"
#include "screens/core_texts.h"
#include "screens/graph.h"
#include "screens/marks.h"
#include "screens/net_game.h"
#include "screens/replays.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

std::string eliminationMessage;
State afterElimination = State::none;
std::string winMessage;
int winTimer = 0;

namespace {

// How long the winner's message stands before it may be dismissed.
constexpr int winHoldMs = 1000;
// How long an elimination stands in the demonstration game before the game
// goes on by itself: nobody may be there to click.
constexpr int demoKilledMs = 2000;
int killedTimer = 0;
// The killed screen was left in this frame: a click on "ok", Escape and the
// timer together must not pass over the next announcement.
bool killedLeft = false;

// Each set is made on its screen's first frame, while it is still empty.
ButtonSet killedButtons;
ButtonSet winButtons;
ButtonSet statsButtons;
Button killedOk;
Button winOk;
Button statsContinue;
Button statsMeasure;
Button statsReplay;
GraphMeasure graphMeasure = GraphMeasure::Stars;

void switchMeasure(int) { graphMeasure = nextGraphMeasure(graphMeasure); }
void replayFromStatistics(int) { openReplayOfCurrentGame(); }

// A finished game's statistics lead on to the main menu.
void statisticsFromWin(int)
{
    statsReturnState = State::menu;
    setState(State::stats);
}

const char* colourName(int p) { return p >= 0 && p < maxPlayers ? tr(playerColourNames[p]) : ""; }

// A line with the colour of player p in it.
std::string withColour(const char* format, int p)
{
    char text[128];
    std::snprintf(text, sizeof text, format, colourName(p));
    return text;
}

// In the demonstration game the human's seat is a computer player like any
// other, so the messages name it by colour.
bool isHuman(int p) { return p != noOwner && p == soleHuman(gameState); }

} // namespace

namespace {

// Shows the next recorded elimination, else the winner, else goes on.
void announceNext()
{
    const int p = nextUnannounced(gameState);
    if (p != noOwner) {
        eliminationMessage = isHuman(p) ? tr("you were eliminated") : withColour(tr("%s was eliminated"), p);
        killedTimer = demoKilledMs;
        setState(State::killed);
        return;
    }
    if (gameState.phase != GamePhase::Over) {
        setState(afterElimination);
        return;
    }
    const int w = gameState.winner;
    // The human is out whenever a game ends on points: no "you win" then.
    winMessage = isHuman(w)               ? tr("you win!")
                 : gameState.wonOnPoints ? withColour(tr("%s wins on points"), w)
                                         : withColour(tr("%s wins!"), w);
    winTimer = winHoldMs;
    setState(State::win);
}

} // namespace

void announceOrGo(State nextState)
{
    afterElimination = nextState;
    announceNext();
}

void continueAfterElimination(int)
{
    markAnnounced(gameState);
    announceNext();
}

namespace {

void leaveKilled(int)
{
    if (killedLeft) return;
    killedLeft = true;
    continueAfterElimination(0);
}

} // namespace

void killedScreen(int elapsedMs)
{
    if (killedButtons.buttons.empty()) {
        killedOk = Button(600, 520, tr("ok"), leaveKilled, "", passFrameValue);
        killedButtons.add(killedOk);
    }
    killedLeft = false;
    drawPlayScreen(elapsedMs);
    drawWhiteText(20, 500, 500, 70, eliminationMessage.c_str());
    killedButtons.run(elapsedMs);
    if (wasKeyPressed(keys::escape)) leaveKilled(0);
    if (isDemo(gameState)) {
        killedTimer -= std::max(elapsedMs, 0);
        if (killedTimer <= 0) leaveKilled(0);
    }
}

void winScreen(int elapsedMs)
{
    if (winButtons.buttons.empty()) {
        winOk = Button(600, 520, tr("ok"), statisticsFromWin, "", passFrameValue);
        winButtons.add(winOk);
    }
    // Held just below zero once the wait is over, so that a game left on this
    // screen for weeks cannot wrap the timer.
    winTimer = std::max(winTimer - std::max(elapsedMs, 0), -1);
    winOk.setActive(winTimer < 1);
    drawPlayScreen(elapsedMs);
    drawWhiteText(20, 500, 500, 70, winMessage.c_str());
    winButtons.run(elapsedMs);
    if (winTimer < 0 && wasKeyPressed(keys::escape)) statisticsFromWin(0);
}

std::string statisticsName(int p)
{
    if (p == soleHuman(gameState)) return tr("you");
    // A player on another computer by the name they joined with.
    const std::string joined = netPlayerName(p);
    if (!joined.empty()) return std::string(colourName(p)) + " (" + joined + ")";
    if (seatOf(gameState, p) == Seat::Human) return withColour(tr("%s (human)"), p);
    return computerPlayerName(p >= 0 && p < maxPlayers ? playerColourNames[p] : "");
}

void statsScreen(int elapsedMs)
{
    if (statsButtons.buttons.empty()) {
        statsContinue = Button(306, 512, tr("continue"), continueAfterStatistics, "silverButton", passFrameValue);
        statsMeasure = Button(650, 530, graphMeasureName(graphMeasure), switchMeasure, "", passFrameValue);
        statsReplay = Button(20, 530, tr("replay"), replayFromStatistics, "", passFrameValue);
        statsButtons.add(statsContinue);
        statsButtons.add(statsMeasure);
        statsButtons.add(statsReplay);
    }
    // A game's recording can be watched once it is over.
    statsReplay.setActive(gameState.phase == GamePhase::Over);
    statsMeasure.label = graphMeasureName(graphMeasure);
    drawImage(0, 0, "bigbar");
    drawImagePart(0, 499, 0, 499, 800, 100, "background");
    const Galaxy& g = gameState.galaxy;
    const int rows = std::min({g.playerCount, static_cast<int>(g.players.size()), maxPlayers});
    char text[32];
    // Eight rows and the header above the graph.
    for (int i = 0; i < rows; ++i) {
        const int y = 34 + 27 * i;
        const Rgb c = playerColours[i];
        const std::string name = statisticsName(i);
        drawTextInBox(105, y, 200, 24, c.r, c.g, c.b, name.c_str(), true);
        if (showMarks) drawPlayerMark(i, 82, y + 5, 13);
        std::snprintf(text, sizeof text, "%d", g.starCount(i));
        drawWhiteText(310, y, 150, 24, text);
        std::snprintf(text, sizeof text, "%d", g.players[i].alive ? placementAllowance(gameState, i) : 0);
        drawWhiteText(468, y, 150, 24, text);
        std::snprintf(text, sizeof text, "%d", g.armiesOf(i));
        drawWhiteText(649, y, 150, 24, text);
    }
    drawWhiteText(310, 6, 150, 26, tr("Stars"));
    drawWhiteText(468, 6, 150, 26, tr("Income"));
    drawWhiteText(649, 6, 150, 26, tr("Armies"));
    drawCourseGraph(gameState.history, g.turn, graphMeasure, 20, 256, 760, 236);
    statsButtons.run(elapsedMs);
}

void resetEndScreensForTests()
{
    eliminationMessage.clear();
    afterElimination = State::none;
    winMessage.clear();
    winTimer = 0;
    killedTimer = 0;
    killedLeft = false;
    killedButtons = winButtons = statsButtons = ButtonSet{};
    killedOk = winOk = statsContinue = statsMeasure = statsReplay = Button{};
    graphMeasure = GraphMeasure::Stars;
}
