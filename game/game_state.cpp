#include "game/game_state.h"

#include <algorithm>

GameState gameState;
unsigned gameChanges = 0;

bool gameInProgress(const GameState& state) { return state.phase != GamePhase::None && state.phase != GamePhase::Over; }

void beginGame(GameState& state)
{
    state.phase = GamePhase::TurnStart;
    if (static_cast<int>(state.seats.size()) != state.galaxy.playerCount)
        state.seats.assign(std::max(state.galaxy.playerCount, 0), Seat::Computer);
    state.turnPlayer = noOwner;
    state.ai = AiMemory{};
    state.ai.need.assign(state.galaxy.gameStars.size(), 0.0);
    state.ai.value.assign(state.galaxy.gameStars.size(), 0.0);
    state.armiesToPlace = 0;
    state.transferFrom = state.transferTo = noOwner;
    state.computerTurns = AiTurns{};
    state.cycleStart = CycleStart{};
    state.unannounced.clear();
    state.winner = noOwner;
    state.wonOnPoints = false;
    state.journal.entries.clear();
    state.history.clear();
    state.events.clear();
    state.lastEvents.clear();
    ++gameChanges;
}

int nextUnannounced(const GameState& state) { return state.unannounced.empty() ? noOwner : state.unannounced.front(); }

void markAnnounced(GameState& state)
{
    if (!state.unannounced.empty()) state.unannounced.erase(state.unannounced.begin());
    ++gameChanges;
}
