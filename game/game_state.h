#pragma once
// The one game under way: everything that decides how it goes on, and nothing
// that only changes how it looks (pacing timers, hover, the drag under way and
// button sets stay with the screens). Writing this struct and the game's
// random generator (randomState() of engine/random) down is enough to go on
// with the game later.
#include <cstdint>
#include <vector>

#include "game/galaxy.h"
#include "game/journal.h"
#include "game/rules.h"

enum class AiPhase {
    Place,         // next step: clear the labels and place the armies
    ChooseAttack,  // next step: clear the labels and choose an attack
    Battle,        // next step: one round of the running battle
    CycleDone,     // every player has had its turn; beginAiTurns starts the next cycle
    GameOver,      // one player is left, or the game ended on points
};

// Where a cycle of computer turns stands (ai/turn_sequence.h steps it).
struct AiTurns {
    AiPhase phase = AiPhase::CycleDone;
    int currentPlayer = noOwner;
    int attackFrom = noOwner;
    int attackTo = noOwner;
    // Attackers still fighting; below 1 means no battle is running.
    int battleAttackers = 0;
    int winner = noOwner;
    // The cycle ended a game that made no progress (game/end_on_points.h).
    bool wonOnPoints = false;
};

enum class GamePhase {
    None,            // no game has been started
    TurnStart,       // a new turn cycle is due (the board's "play")
    HumanPlacement,  // the human places armiesToPlace more armies
    HumanAttack,     // the human attacks, moves, or ends the turn
    HumanTransfer,   // a conquest offers a transfer from transferFrom to transferTo
    ComputerTurns,   // the computer players play; computerTurns says where
    Over,            // winner holds the last player left, or the leader on points
};

// The galaxy and the generator as they were when the running cycle of
// computer turns began. A cycle cut short is played again from here, so that
// it takes the same course as it would have.
struct CycleStart {
    std::vector<Star> stars;
    std::vector<Player> players;
    uint32_t random = 0;
    int lastConquestTurn = 0;
};

struct GameState {
    // The galaxy in play (gameGalaxy): stars, links, players, turn counter.
    Galaxy galaxy;
    // 0 "simple" .. 4 "impossible" (difficulty).
    int difficulty = 2;
    // 1 while no human plays (demoMode).
    int demoMode = 1;
    GamePhase phase = GamePhase::None;
    int armiesToPlace = 0;
    int transferFrom = noOwner;
    int transferTo = noOwner;
    AiTurns computerTurns;
    CycleStart cycleStart;
    // Players put out and not yet announced, in the order they fell.
    std::vector<int> unannounced;
    int winner = noOwner;
    // The game ended for want of progress and winner led on points.
    bool wonOnPoints = false;
    // Its course for a recorder; emptied when a game begins.
    GameJournal journal;
};

extern GameState gameState;

// Moves on at every change of a game's course that a player could stop after
// (a new game or turn, a placement, a battle, a transfer, a move, the start of
// the computer turns, a conquest, an announcement), so that the autosave knows
// when to write. Headless games move it too; nothing else reads it.
extern unsigned gameChanges;

// What startNewGame does once the game galaxy is ready (the application
// switches to the board's "openPlay" state). Nothing when not installed.
using GameStartedHandler = void (*)();
void setGameStartedHandler(GameStartedHandler handler);

// Loads the game galaxy (the built-in one, or the file named by previewGalaxy),
// prepares and sets it up with the tick seed, sets demoMode, begins the game
// state and calls the game-started handler.
void startNewGame(bool demo, bool builtIn);

// A new game on the galaxy in play: phase TurnStart, nothing pending, the
// journal empty (still on when it was). The galaxy, difficulty and demoMode
// are left as they are.
void beginGame(GameState& state);

// The next player to announce as eliminated, or noOwner; and its removal once shown.
int nextUnannounced(const GameState& state);
void markAnnounced(GameState& state);
