#include <cstdio>
#include <vector>

#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/human_turn.h"
#include "screens/board.h"
#include "screens/end_and_stats.h"
#include "screens/galaxy_draw.h"
#include "screens/screens.h"
#include "screens/states.h"

namespace {


void fightChoice(int k)
{
    switch (fightBattle(gameState, dragSource, dragTarget, choiceValues[k])) {
    case BattleOutcome::Held: break;
    case BattleOutcome::Cancelled:
    case BattleOutcome::SourceEmptied: setState(State::attackHuman); break;
    case BattleOutcome::Conquered:
        announceOrGo(boardStateFor(gameState));
        break;
    }
}

void transferChoice(int k)
{
    transferAfterConquest(gameState, choiceValues[k]);
    setState(State::attackHuman);
}

void moveChoice(int k)
{
    if (!moveAndEndTurn(gameState, dragSource, dragTarget, choiceValues[k])) {
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
    // The conquest's stars, as the game state holds them.
    if (!panelFrame(elapsedMs, transferChoice, gameState.transferFrom, gameState.transferTo)) return;
    drawWhiteText(180, 500, 450, 30, tr("transfer to conquered planet:"));
}

void moveHumanScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, moveChoice, dragSource, dragTarget)) return;
    drawWhiteText(180, 500, 450, 30, tr("transfer to planet and end turn:"));
}
