#include "ai/seat_play.h"

#include "ai/bot.h"
#include "ai/expert.h"
#include "game/seats.h"

Decision seatDecision(const GameState& state, int p)
{
    return seatOf(state, p) == Seat::Expert ? expertDecision(state, p) : botDecision(state, p);
}
