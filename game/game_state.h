#pragma once
// The one game under way: everything that decides how it goes on, and nothing
// that only changes how it looks (pacing timers, hover, the drag under way and
// button sets stay with the screens). Writing this struct down is enough to
// go on with the game later.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/random.h"

#include "game/galaxy.h"
#include "game/journal.h"

enum class AiPhase {
    Place,         // next step: clear the labels and place the armies
    ChooseAttack,  // next step: clear the labels and choose an attack
    Battle,        // next step: one round of the running battle
    CycleDone,     // every player has had its turn; beginComputerTurns starts the next
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
    // Per game star, what the last placement put on it ("4+3", "4+3 + 5" for
    // a surplus sent to the attack source); empty strings or no entries else.
    std::vector<std::string> labels;
};

// What the computer players remember between their turns: the values and
// defence needs of the stars as last computed, and the last attack
// proposals. A planning step recomputes what it reads, but the values stay
// as they were left, and the save keeps them so that nothing about a resumed
// game differs from one played through.
struct AiMemory {
    // Per game star.
    std::vector<double> need;
    std::vector<double> value;
    // The best proposal at index 0.
    std::vector<AttackCandidate> attackCandidates;
};

// Who makes a player's decisions. Human and Expert seats play their turns
// through decisions (game/decide.h), the humans at the board, the expert by
// its search; Computer seats by the standard planner's steps.
enum class Seat { Human, Computer, Expert };

enum class GamePhase {
    None,            // no game has been started
    TurnStart,       // a new turn cycle is due (the board's "play")
    HumanPlacement,  // turnPlayer places armiesToPlace more armies
    HumanAttack,     // turnPlayer attacks, moves, or ends its turn
    HumanTransfer,   // a conquest offers a transfer from transferFrom to transferTo
    ComputerTurns,   // the computer seats play; computerTurns says where
    Over,            // winner holds the last player left, or the leader on points
};

// The galaxy, the generator and the computer players' memory as they were
// when the running cycle of computer turns began. A cycle cut short is played
// again from here, so that it takes the same course as it would have.
struct CycleStart {
    std::vector<Star> stars;
    std::vector<Player> players;
    uint32_t random = 0;
    int lastConquestTurn = 0;
    std::vector<double> need;
    std::vector<double> value;
    // The conquests of the cycle made before it (by the seats that played first).
    size_t events = 0;
};

// One turn cycle's end: per player its stars, income and armies.
struct TurnFigures {
    int turn = 0;
    int players = 0;
    std::array<int, maxPlayers> stars{};
    std::array<int, maxPlayers> income{};
    std::array<int, maxPlayers> armies{};
    bool operator==(const TurnFigures&) const = default;
};
// Games end by the turn the computer players stop at: this many figures at most.
inline constexpr int maxHistory = 2600;

// A star that changed owner: taker took star from loser, who was put out by it
// when eliminated.
struct GameEvent {
    int turn = 0;
    int taker = noOwner;
    int star = noOwner;
    int loser = noOwner;
    bool eliminated = false;
    bool operator==(const GameEvent&) const = default;
};

struct GameState {
    // The galaxy in play: stars, links, players, turn counter.
    Galaxy galaxy;
    // The game's generator: every draw of the rules comes from here.
    Random random;
    // 0 "simple" .. 4 "impossible": scales the human's income.
    int difficulty = 2;
    // One per player. No Human seat: the demonstration game.
    std::vector<Seat> seats;
    GamePhase phase = GamePhase::None;
    // The deciding seat whose turn it is in the human phases; after its turn
    // the last one that played in this cycle (the computer turns go on after
    // it), noOwner before any played.
    int turnPlayer = noOwner;
    int armiesToPlace = 0;
    int transferFrom = noOwner;
    int transferTo = noOwner;
    AiTurns computerTurns;
    AiMemory ai;
    CycleStart cycleStart;
    // Players put out and not yet announced, in the order they fell.
    std::vector<int> unannounced;
    int winner = noOwner;
    // The game ended for want of progress and winner led on points.
    bool wonOnPoints = false;
    // Its course for a recorder; emptied when a game begins.
    GameJournal journal;
    // Every turn cycle's figures, oldest first; emptied when a game begins.
    std::vector<TurnFigures> history;
    // The conquests of the turn cycle under way, and of the last one ended.
    std::vector<GameEvent> events;
    std::vector<GameEvent> lastEvents;
};

// The game of the program: the screens and the autosave read it; the rules
// are handed the state they work on.
extern GameState gameState;

// A game has begun and is not decided: it can be resumed.
bool gameInProgress(const GameState& state);

// Moves on at every change of a game's course that a player could stop after
// (a new game or turn, a placement, a battle, a transfer, a move, the start of
// the computer turns, a conquest, an announcement), so that the autosave knows
// when to write. Headless games move it too; nothing else reads it.
extern unsigned gameChanges;

// A new game on the galaxy in play: phase TurnStart, nothing pending, the
// computer players' memory empty (zeros for every star), the journal empty
// (still on when it was). The galaxy, the generator, difficulty and seats are
// left as they are; seats of the wrong length become computer seats (the
// demonstration game).
void beginGame(GameState& state);

// The next player to announce as eliminated, or noOwner; and its removal once shown.
int nextUnannounced(const GameState& state);
void markAnnounced(GameState& state);
