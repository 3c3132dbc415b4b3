#include "game/new_game.h"

#include "game/rules.h"
#include "game/seats.h"

namespace {

GameStartedHandler gameStartedHandler = nullptr;

} // namespace

void setGameStartedHandler(GameStartedHandler handler) { gameStartedHandler = handler; }

void startNewGame(const Galaxy& galaxy, const std::vector<Seat>& seats)
{
    gameState.galaxy = galaxy;
    gameState.galaxy.prepareGameStars();
    setUpGame(gameState.galaxy, gameState.random, static_cast<int>(tickSeed()));
    gameState.seats = seats;
    beginGame(gameState);
    if (gameStartedHandler) gameStartedHandler();
}

void startNewGame(const Galaxy& galaxy, bool demo) { startNewGame(galaxy, defaultSeats(galaxy.playerCount, demo)); }

void announceGameStarted()
{
    if (gameStartedHandler) gameStartedHandler();
}
