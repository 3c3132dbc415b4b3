// A game read from the save, opened on the screen of its phase.
#include <string>

#include "app/states.h"
#include "game/game_state.h"
#include "screens/board.h"
#include "screens/end_and_stats.h"
#include "screens/screens.h"

void resumeSavedGameScreen(int elapsedMs)
{
    openBoard();
    const char* next = "play";
    switch (gameState.phase) {
    case GamePhase::HumanPlacement: placementStep = 1, next = "placeHuman"; break;
    case GamePhase::HumanAttack: next = "attackHuman"; break;
    case GamePhase::HumanTransfer: next = "transferToConquered"; break;
    // A cycle of computer turns begins again from its start, which the save holds.
    case GamePhase::ComputerTurns: next = "startAI"; break;
    default: break;
    }
    // Falls not yet shown are shown first, as they would have been.
    announceOrGo(next);
    if (currentStateName() != "resume") runCurrentState(elapsedMs);
}
