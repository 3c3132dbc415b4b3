#pragma once
// The decisions of a deciding seat that no one at this computer plays: the
// expert's, and a human seat's played by the computer (headless games, a
// player who left a network game).
#include "game/decision.h"
#include "game/game_state.h"

// The decision seat p makes now in its turn; "end" outside it. Asking draws
// nothing from the game's generator.
Decision seatDecision(const GameState& state, int p);
