// The end of players and of the game: the elimination check after every
// conquest, the screens that announce an eliminated player and the winner,
// and the statistics table.
#include "screens/end_and_stats.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/screens.h"
#include "app/states.h"
#include "app/widgets.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "game/galaxy.h"
#include "game/rules.h"
#include "screens/board.h"

std::string eliminationMessage;
std::string afterElimination;
std::string winMessage;
int winTimer = 0;

namespace {

// How long the winner's message stands before it may be dismissed.
constexpr int winHoldMs = 1000;

// Each set is made on its screen's first frame, while it is still empty.
ButtonSet killedButtons;
ButtonSet winButtons;
ButtonSet statsButtons;
Button killedOk;
Button winOk;
Button statsContinue;

bool validPlayer(int p) { return p >= 0 && p < static_cast<int>(gameGalaxy.players.size()) && p < maxPlayers; }

std::string colourName(int p) { return p >= 0 && p < maxPlayers ? playerColourNames[p] : ""; }

// In the demonstration game the human's seat is a computer player like any
// other, so the messages name it by colour.
bool isHuman(int p) { return p == 0 && !demoMode; }

} // namespace

void checkElimination(int previousOwner, const std::string& nextState)
{
    const int p = previousOwner;
    if (!validPlayer(p)) {
        setState(nextState);
        return;
    }
    // The conquest rules already mark a player left without income as out;
    // the same test here serves a caller that changed an owner by other means.
    eliminateIfBeaten(gameGalaxy, p);
    // A player out since an earlier conquest may still hold stars that yield
    // nothing: losing one of those announces nothing again.
    if (gameGalaxy.players[p].alive || gameGalaxy.starCount(p) > 0) {
        // Such a loss may still leave a single player: the game is over then.
        if (soleSurvivor(gameGalaxy) != noOwner) {
            afterElimination = nextState;
            continueAfterElimination(0);
        } else {
            setState(nextState);
        }
        return;
    }
    eliminationMessage = isHuman(p) ? "you were eliminated" : colourName(p) + " was eliminated";
    afterElimination = nextState;
    setState("killed");
}

void continueAfterElimination(int)
{
    const int w = soleSurvivor(gameGalaxy);
    if (w == noOwner) {
        setState(afterElimination);
        return;
    }
    winMessage = isHuman(w) ? "you win!" : colourName(w) + " wins!";
    winTimer = winHoldMs;
    setState("win");
}

void killedScreen(int elapsedMs)
{
    if (killedButtons.buttons.empty()) {
        killedOk = Button(600, 520, "ok", continueAfterElimination, "", passFrameValue);
        killedButtons.add(killedOk);
    }
    drawPlayScreen(elapsedMs);
    drawWhiteText(20, 500, 500, 70, eliminationMessage.c_str());
    killedButtons.run(elapsedMs);
    if (wasKeyPressed(keys::escape)) continueAfterElimination(0);
}

void winScreen(int elapsedMs)
{
    if (winButtons.buttons.empty()) {
        winOk = Button(600, 520, "ok", menuFromWin, "", passFrameValue);
        winButtons.add(winOk);
    }
    // Held just below zero once the wait is over, so that a game left on this
    // screen for weeks cannot wrap the timer.
    winTimer = std::max(winTimer - std::max(elapsedMs, 0), -1);
    winOk.setActive(winTimer < 1);
    drawPlayScreen(elapsedMs);
    drawWhiteText(20, 500, 500, 70, winMessage.c_str());
    winButtons.run(elapsedMs);
    if (winTimer < 0 && wasKeyPressed(keys::escape)) menuFromWin(0);
}

void statsScreen(int elapsedMs)
{
    if (statsButtons.buttons.empty()) {
        statsContinue = Button(500, 100, "continue", continueAfterStatistics, "silverButton", passFrameValue);
        statsButtons.add(statsContinue);
    }
    drawImage(0, 0, "bigbar");
    drawImagePart(0, 479, 0, 479, 800, 150, "background");
    const Galaxy& g = gameGalaxy;
    const int rows = std::min({g.playerCount, static_cast<int>(g.players.size()), maxPlayers});
    char text[32];
    for (int i = 0; i < rows; ++i) {
        const int y = 83 + 50 * i;
        const Rgb c = playerColours[i];
        const std::string name = i == 0 ? "you" : colourName(i) + " AI";
        drawTextInBox(105, y, 200, 30, c.r, c.g, c.b, name.c_str(), true);
        std::snprintf(text, sizeof text, "%d", g.starCount(i));
        drawWhiteText(310, y, 150, 30, text);
        std::snprintf(text, sizeof text, "%d", g.players[i].alive ? g.placementAllowance(i) : 0);
        drawWhiteText(468, y, 150, 30, text);
        std::snprintf(text, sizeof text, "%d", g.armiesOf(i));
        drawWhiteText(649, y, 150, 30, text);
    }
    statsButtons.run(elapsedMs);
    drawWhiteText(310, 38, 150, 30, "Stars");
    drawWhiteText(468, 38, 150, 30, "Income");
    drawWhiteText(649, 38, 150, 30, "Armies");
}

void resetEndScreensForTests()
{
    eliminationMessage.clear();
    afterElimination.clear();
    winMessage.clear();
    winTimer = 0;
    killedButtons = winButtons = statsButtons = ButtonSet{};
    killedOk = winOk = statsContinue = Button{};
}
