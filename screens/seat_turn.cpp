// The start of a deciding seat's turn: the expert's goes to its paced screen,
// a human's to the board; when several humans share the screen a banner first
// names whose turn it is, so that the next player takes the mouse knowingly.
#include <cstdio>
#include <string>

#include "engine/draw_text.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/game_state.h"
#include "game/seats.h"
#include "screens/board.h"
#include "screens/marks.h"
#include "screens/net_game.h"
#include "screens/screens.h"
#include "screens/states.h"

namespace {

// The human's board: the placement, or the note that nothing can be placed.
void showHumanTurn()
{
    placementStep = 1;
    setState(gameState.phase == GamePhase::HumanPlacement ? State::placeHuman : State::noSupport);
}

bool anyKeyPressed()
{
    for (int k = 0; k < 256; ++k)
        if (wasKeyPressed(k)) return true;
    return false;
}

} // namespace

int humansHere()
{
    int n = 0;
    for (int p = 0; p < static_cast<int>(gameState.seats.size()); ++p)
        n += gameState.seats[p] == Seat::Human && netSeatIsLocal(p) && gameState.galaxy.isPlayer(p) &&
             gameState.galaxy.players[p].alive;
    return n;
}

std::string yourTurnText(int p)
{
    char text[128];
    std::snprintf(text, sizeof text, tr("%s: your turn"), p >= 0 && p < maxPlayers ? tr(playerColourNames[p]) : "");
    return text;
}

int inkOnPlayerColour(int p)
{
    const Rgb c = playerColours[p];
    return 299 * c.r + 587 * c.g + 114 * c.b > 115000 ? 0 : 255;
}

void seatTurnScreen(int elapsedMs)
{
    if (seatOf(gameState, gameState.turnPlayer) == Seat::Expert) {
        setState(State::expertTurn);
        expertTurnScreen(elapsedMs);
    } else if (humansHere() > 1 && netSeatIsLocal(gameState.turnPlayer)) {
        setState(State::seatBanner);
        seatBannerScreen(elapsedMs);
    } else {
        // The board opens in this same frame, as it always has for the one human.
        showHumanTurn();
        runCurrentState(elapsedMs);
    }
}

void seatBannerScreen(int elapsedMs)
{
    drawPlayScreen(elapsedMs);
    const int p = gameState.turnPlayer;
    if (p < 0 || p >= maxPlayers) {
        showHumanTurn();
        return;
    }
    fillRect(0, 0, 800, 499, 8, 10, 30);
    // A band in the player's colour, the text on it black or white, whichever
    // reads on it: some colours are too dark to be read on the night.
    const Rgb c = playerColours[p];
    fillRect(0, 195, 800, 90, c.r, c.g, c.b);
    const int ink = inkOnPlayerColour(p);
    if (showMarks) drawPlayerMark(p, 384, 150, 31);
    drawTextInBox(50, 205, 700, 70, ink, ink, ink, yourTurnText(p).c_str(), false);
    drawTextInBox(50, 300, 700, 30, 255, 255, 255, tr("Click or press a key to begin."), false);
    // The click or key only opens the board: it places nothing there.
    if (wasKeyPressed(keys::escape))
        menuFromGame(0);
    else if (leftButtonPressed() || anyKeyPressed())
        showHumanTurn();
}
