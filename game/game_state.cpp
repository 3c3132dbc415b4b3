#include "game/game_state.h"

GameState gameState;
unsigned gameChanges = 0;

// The process-wide names the rest of the program uses for the game's parts.
constinit Galaxy& gameGalaxy = gameState.galaxy;
constinit int& difficulty = gameState.difficulty;
constinit int& demoMode = gameState.demoMode;

namespace {

GameStartedHandler gameStartedHandler = nullptr;

} // namespace

void setGameStartedHandler(GameStartedHandler handler) { gameStartedHandler = handler; }

void startNewGame(bool demo, bool builtIn)
{
    if (builtIn)
        gameGalaxy.loadBuiltIn(previewGalaxy.name);
    else
        gameGalaxy.loadFile(previewGalaxy.name);
    gameGalaxy.prepareGameStars();
    gameGalaxy.setUpGame(static_cast<int>(tickSeed()));
    demoMode = demo ? 1 : 0;
    beginGame(gameState);
    if (gameStartedHandler) gameStartedHandler();
}

void beginGame(GameState& state)
{
    state.phase = GamePhase::TurnStart;
    // Whatever the last game or the galaxy's file left selected.
    state.galaxy.selectedStar = noOwner;
    state.armiesToPlace = 0;
    state.transferFrom = state.transferTo = noOwner;
    state.computerTurns = AiTurns{};
    state.cycleStart = CycleStart{};
    state.unannounced.clear();
    state.winner = noOwner;
    state.wonOnPoints = false;
    state.journal.entries.clear();
    ++gameChanges;
}

int nextUnannounced(const GameState& state) { return state.unannounced.empty() ? noOwner : state.unannounced.front(); }

void markAnnounced(GameState& state)
{
    if (!state.unannounced.empty()) state.unannounced.erase(state.unannounced.begin());
    ++gameChanges;
}
