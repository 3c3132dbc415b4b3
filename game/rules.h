#pragma once
// The rules of a game on a Galaxy: set-up, turn order, income, placement
// allowance, battles, conquest, transfer, move, elimination and victory.
// Star income and weight, and the Galaxy members prepareGameStars,
// starCount, armiesOf, starIncomeOf, weakestPlayer and countUnownedStars are
// declared in galaxy.h. The rules that depend on who plays or that draw from
// the generator take what they need of the game state.
#include "base/random.h"
#include "game/galaxy.h"

struct GameState;

// The millisecond tick count that seeds new games and reseeds the generator
// after the deal. The core has no clock: the application installs one; without
// it the seed is a fixed value.
using TickSource = unsigned (*)();
void setTickSource(TickSource source);
unsigned tickSeed();

// The deal of a prepared galaxy: the generator is seeded with seed, each
// player draws its caution, the stars go one by one to the weakest player,
// and the generator is seeded again from the tick count.
void setUpGame(Galaxy& galaxy, Random& random, int seed);

// Income per turn of p: its stars' income, scaled for a human seat by the
// difficulty (at least 1 while it holds income).
int income(const GameState& state, int p);
// The armies p may place this turn: the income, at least the galaxy's minimum
// income, cut so that p's armies stay within four times that.
int placementAllowance(const GameState& state, int p);

// One round of a battle: one of the two loses an army, even odds.
void battleRound(Random& random, int& first, int& second);

// A turn cycle: the counter goes up when the board's "play" state is entered.
void beginTurnCycle(Galaxy& galaxy);
// Deciding seat p (a human or the expert) plays its turn in this cycle: p is
// alive, and it is not the first turn at "hard" or "impossible", where the
// computer seats move first.
bool takesDecisionTurn(const GameState& state, int p);

// The allowance of p was cut by the army cap below p's income: the placement
// prompt then says "(maximum reached) ".
bool placementCapped(const GameState& state, int p);

// The human's battle from source to target: rounds while the source has lost
// fewer than readyToLose armies and the target still stands (armies >= 0).
// Returns true when the target fell (its armies below 0); the conquest itself
// is humanConquest.
bool humanBattle(Galaxy& galaxy, Random& random, int source, int target, int readyToLose);

// What a conquest decided. Every conquest, the human's and the computer
// players', is settled here and only here: the previous owner is out when it
// is left without income, and a last player alive wins.
struct Conquest {
    // The star taken and who took it; noOwner when nothing was taken.
    int star = noOwner;
    int taker = noOwner;
    int previousOwner = noOwner;
    // The previous owner was eliminated by this conquest.
    bool eliminated = false;
    // The single player left after it, or noOwner.
    int winner = noOwner;
};
// The human took target from source: one army moves in (target 0, source - 1).
Conquest humanConquest(Galaxy& galaxy, int source, int target);
// A computer player's force took target: force - 1 armies stay there.
Conquest aiConquest(Galaxy& galaxy, int attacker, int target, int force);

// Moves m armies (clamped to 0..source armies) from source to target; returns
// the number moved: the transfer after a conquest, the move, the armies a
// computer player takes back from a worthless conquest.
int transferArmies(Galaxy& galaxy, int source, int target, int m);

// q is alive and has no income left: q is eliminated. True when it happened now.
bool eliminateIfBeaten(Galaxy& galaxy, int q);
// The single alive player, or noOwner when none or more than one is alive.
int soleSurvivor(const Galaxy& galaxy);
