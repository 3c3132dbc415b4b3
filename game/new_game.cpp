#include "game/new_game.h"

#include "game/rules.h"

namespace {

GameStartedHandler gameStartedHandler = nullptr;

} // namespace

void setGameStartedHandler(GameStartedHandler handler) { gameStartedHandler = handler; }

void startNewGame(const Galaxy& galaxy, bool demo)
{
    gameState.galaxy = galaxy;
    gameState.galaxy.prepareGameStars();
    setUpGame(gameState.galaxy, gameState.random, static_cast<int>(tickSeed()));
    gameState.demoMode = demo ? 1 : 0;
    beginGame(gameState);
    if (gameStartedHandler) gameStartedHandler();
}
