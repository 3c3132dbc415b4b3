#include "ai/seat_play.h"

#include "ai/bot.h"

Decision seatDecision(const GameState& state, int p) { return botDecision(state, p); }
