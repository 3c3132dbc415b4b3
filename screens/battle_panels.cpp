#include <cstdio>

#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/human_turn.h"
#include "screens/board.h"
#include "screens/end_and_stats.h"
#include "screens/screens.h"
#include "screens/states.h"

namespace {

Star& source() { return gameGalaxy.gameStars[dragSource]; }
Star& target() { return gameGalaxy.gameStars[dragTarget]; }

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
    gameGalaxy.selectedStar = noOwner;
    setState(State::startAI);
}

// The frame every panel shares; false when the drag no longer names two
// stars (the panel then closes).
bool panelFrame(int elapsedMs, ButtonAction action)
{
    if (!gameGalaxy.isGameStar(dragSource) || !gameGalaxy.isGameStar(dragTarget)) {
        setState(State::attackHuman);
        return false;
    }
    gameGalaxy.selectedStar = dragTarget;
    drawPlayScreen(elapsedMs);
    runHudButtons(elapsedMs);
    drawStarInfo(elapsedMs);
    choiceAction = action;
    setChoices(source().armies, 0);
    choiceButtons.run(elapsedMs);
    return gameGalaxy.isGameStar(dragSource) && gameGalaxy.isGameStar(dragTarget);
}

} // namespace

void fightHumanScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, fightChoice)) return;
    char text[96];
    std::snprintf(text, sizeof text, tr("attackers: %d defenders: %d"), source().armies, target().armies + 1);
    drawWhiteText(180, 500, 450, 30, text);
    drawWhiteText(180, 540, 120, 20, tr("attack till.."));
    drawWhiteText(306, 581, 120, 19, tr("..are destroyed"));
}

void transferToConqueredScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, transferChoice)) return;
    drawWhiteText(180, 500, 450, 30, tr("transfer to conquered planet:"));
}

void moveHumanScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, moveChoice)) return;
    drawWhiteText(180, 500, 450, 30, tr("transfer to planet and end turn:"));
}
