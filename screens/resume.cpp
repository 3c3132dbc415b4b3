// A game read from the save, opened on the screen of its phase.
#include "game/game_state.h"
#include "screens/board.h"
#include "screens/end_and_stats.h"
#include "screens/screens.h"
#include "screens/states.h"

void resumeSavedGameScreen(int elapsedMs)
{
    openBoard();
    const State next = boardStateFor(gameState);
    if (next == State::placeHuman) placementStep = 1;
    // Falls not yet shown are shown first, as they would have been.
    announceOrGo(next);
    if (currentState() != State::resume) runCurrentState(elapsedMs);
}
