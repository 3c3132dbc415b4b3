#include <cstdio>
#include <vector>

#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/decide.h"
#include "screens/board.h"
#include "screens/end_and_stats.h"
#include "screens/galaxy_draw.h"
#include "screens/screens.h"
#include "screens/net_game.h"
#include "screens/states.h"

namespace {


// The battle's outcome read from the board after the decision: the target
// taken, the source still able to fight, or neither.
void fightChoice(int k)
{
    const Galaxy& g = gameState.galaxy;
    if (!boardDecide(Decision{DecisionKind::Attack, 0, dragSource, dragTarget, choiceValues[k]})) {
        setState(State::attackHuman);  // ready to lose none: nothing fought
    } else if (g.gameStars[dragTarget].owner == gameState.turnPlayer) {
        announceOrGo(boardStateFor(gameState));
    } else if (g.gameStars[dragSource].armies <= 0) {
        setState(State::attackHuman);
    }
}

void transferChoice(int k)
{
    boardDecide(Decision{DecisionKind::Transfer, 0, noOwner, noOwner, choiceValues[k]});
    setState(State::attackHuman);
}

void moveChoice(int k)
{
    if (!boardDecide(Decision{DecisionKind::Move, 0, dragSource, dragTarget, choiceValues[k]})) {
        setState(State::attackHuman);
        return;
    }
    boardView.selectedStar = noOwner;
    setState(State::startAI);
}

bool twoStars(int from, int to) { return gameState.galaxy.isGameStar(from) && gameState.galaxy.isGameStar(to); }

// The frame every panel shares, on the drag's stars or the transfer's;
// false when they are no longer two stars (the panel then closes).
bool panelFrame(int elapsedMs, ButtonAction action, int from, int to)
{
    if (!twoStars(from, to)) {
        setState(State::attackHuman);
        return false;
    }
    boardView.selectedStar = to;
    drawPlayScreen(elapsedMs);
    runHudButtons(elapsedMs);
    drawStarInfo(elapsedMs);
    choiceAction = action;
    setChoices(gameState.galaxy.gameStars[from].armies, 0);
    choiceButtons.run(elapsedMs);
    panelKeys();
    return twoStars(from, to);
}

} // namespace

void fightHumanScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, fightChoice, dragSource, dragTarget)) return;
    const std::vector<Star>& stars = gameState.galaxy.gameStars;
    char text[96];
    std::snprintf(text, sizeof text, tr("attackers: %d defenders: %d"), stars[dragSource].armies,
                  stars[dragTarget].armies + 1);
    drawWhiteText(180, 500, 450, 30, text);
    drawWhiteText(180, 540, 120, 20, tr("attack till.."));
    drawWhiteText(306, 581, 120, 19, tr("..are destroyed"));
}

void transferToConqueredScreen(int elapsedMs)
{
    if (remoteTurnFrame(elapsedMs)) return;
    // The conquest's stars, as the game state holds them.
    if (!panelFrame(elapsedMs, transferChoice, gameState.transferFrom, gameState.transferTo)) return;
    drawWhiteText(180, 500, 450, 30, tr("transfer to conquered planet:"));
}

void moveHumanScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, moveChoice, dragSource, dragTarget)) return;
    drawWhiteText(180, 500, 450, 30, tr("transfer to planet and end turn:"));
}
