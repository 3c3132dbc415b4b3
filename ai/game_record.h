#pragma once
// Seeded demonstration games written down as text, so that a later run of the
// computer players can be compared with a recording, event by event.
//
// A game is played as zentory-sim plays it: the galaxy is prepared and set up
// with the seed, the generator is seeded with it again, and turn cycles of
// computer turns follow (player 0 first) until one player is left or the turn
// cap is reached. Its record:
//
//   game <seed>
//   = <slot>:<owner>/<armies> ...     every active star after the deal
//   turn <t>
//   <player> place                    one line per placement,
//   <player> conquered <from>-><to>   and per finished battle
//   <player> repelled <from>-><to>
//   = <slot>:<owner>/<armies> ...     the stars that changed in the cycle
//   end turn <t> winner <p> random <generator state>   (winner -5: turn cap)
#include <functional>
#include <string>

#include "ai/turn_sequence.h"
#include "game/galaxy.h"

// What a caller of playDemoGame follows; an empty member is skipped.
struct DemoGameObserver {
    std::function<void(const Galaxy&)> dealt;       // after the deal
    std::function<void(const Galaxy&)> cycleBegun;  // the cycle's turn is counted
    std::function<void(const Galaxy&, const AiStepReport&)> stepped;
    std::function<void(const Galaxy&)> cycleEnded;
};

// One seeded demonstration game in state, on a copy of loaded: prepared and
// set up with the seed, the generator seeded with it again, then cycles of
// computer turns (player 0 first) until one player is left or maxTurns
// cycles are played. Returns the winner, or noOwner at the turn cap. The
// state's difficulty is left as it is (no human plays, so nothing reads it).
int playDemoGame(GameState& state, const Galaxy& loaded, unsigned seed, int maxTurns, const DemoGameObserver& observer);
// Goes on with a demonstration game already dealt, or read back from a save,
// as playDemoGame would: from the next turn's cycle, or when counted from the
// cycle of the turn the galaxy already counts. Returns as playDemoGame.
int continueDemoGame(GameState& state, int maxTurns, const DemoGameObserver& observer, bool counted);

// The records of the games with seeds firstSeed .. firstSeed + games - 1 on a
// copy of loaded, each capped at maxTurns turn cycles.
std::string recordDemoGames(const Galaxy& loaded, unsigned firstSeed, int games, int maxTurns);
