#include <cstdio>

#include "app/screens.h"
#include "app/states.h"
#include "game/galaxy.h"
#include "game/rules.h"
#include "screens/board.h"

namespace {

Star& source() { return gameGalaxy.gameStars[dragSource]; }
Star& target() { return gameGalaxy.gameStars[dragTarget]; }

void fightChoice(int k)
{
    const int readyToLose = choiceValues[k];
    if (readyToLose <= 0) {
        setState("attackHuman");
        return;
    }
    const bool fell = humanBattle(gameGalaxy, dragSource, dragTarget, readyToLose);
    if (source().armies <= 0) setState("attackHuman");
    if (!fell) return;
    const Conquest conquest = humanConquest(gameGalaxy, dragSource, dragTarget);
    checkElimination(conquest.previousOwner, source().armies > 0 ? "transferToConquered" : "attackHuman");
}

void transferChoice(int k)
{
    transferArmies(gameGalaxy, dragSource, dragTarget, choiceValues[k]);
    setState("attackHuman");
}

void moveChoice(int k)
{
    if (!moveArmies(gameGalaxy, dragSource, dragTarget, choiceValues[k])) {
        setState("attackHuman");
        return;
    }
    gameGalaxy.selectedStar = noOwner;
    setState("startAI");
}

// The frame every panel shares; false when the drag no longer names two
// stars (the panel then closes).
bool panelFrame(int elapsedMs, ButtonAction action)
{
    if (!gameGalaxy.isGameStar(dragSource) || !gameGalaxy.isGameStar(dragTarget)) {
        setState("attackHuman");
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
    std::snprintf(text, sizeof text, "attackers: %d defenders: %d", source().armies, target().armies + 1);
    drawWhiteText(180, 500, 450, 30, text);
    drawWhiteText(180, 540, 120, 20, "attack till..");
    drawWhiteText(306, 581, 120, 19, "..are destroyed");
}

void transferToConqueredScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, transferChoice)) return;
    drawWhiteText(180, 500, 450, 30, "transfer to conquered planet:");
}

void moveHumanScreen(int elapsedMs)
{
    if (!panelFrame(elapsedMs, moveChoice)) return;
    drawWhiteText(180, 500, 450, 30, "transfer to planet and end turn:");
}
