#pragma once
// The computer players' turns as a sequence of single model steps: placement,
// choice of an attack, one battle round at a time (with conquest, the return
// of armies from a worthless conquered star, elimination and victory), and
// the hand-over to the next player. The on-screen driver calls stepComputerTurns
// when its timers say; the match runner calls it back to back. Both play the
// same game from the same galaxy and seed, because the steps and their random
// draws are the same.
#include <string>

#include "game/game_state.h"

enum class AiStepKind {
    None,          // nothing was done (cycle over, game over)
    Placed,        // placeArmiesAI ran; its labels are on the stars
    AttackChosen,  // an attack began: its armies have left the source
    TurnOver,      // the player wants no further attack; the next player's turn follows
    BattleRound,   // one round was fought, the battle goes on
    Repelled,      // the last attacker fell; the target keeps its defenders
    Conquered,     // the target fell to the attacker
};

// What the last step did, for the screen driver and the match runner.
struct AiStepReport {
    AiStepKind kind = AiStepKind::None;
    int player = noOwner;
    // The attack: source, target, armies sent (AttackChosen) or still fighting.
    int from = noOwner;
    int to = noOwner;
    int attackers = 0;
    // Defenders of the target (its armies + 1) after the round.
    int defenders = 0;
    // Conquered: the star's owner before, whether that player is now out, and
    // the armies that went back to the source because the star is worth nothing.
    int previousOwner = noOwner;
    bool eliminated = false;
    int returnedArmies = 0;
    // The single player left after this step, or the player ahead when the
    // step ended the game on points; noOwner while the game goes on.
    int winner = noOwner;
    bool wonOnPoints = false;
};

// The computer turns of the game in play, from the player after turnPlayer
// (from player 0 when none has played yet in this cycle): the phase becomes
// ComputerTurns, their start is kept in cycleStart, and the next step is the
// placement of the first computer seat. A deciding seat on the way begins
// its turn instead (the phase becomes a human phase). A game already decided
// is Over at once.
void beginComputerTurns(GameState& state);
// The next step of the running computer turns, its conquest recorded in the
// state (recordConquest); a deciding seat next begins its turn; after the
// last player the phase becomes TurnStart, or Over when the game ended on
// points. A cycle's end is noted in the journal.
AiStepReport stepComputerTurns(GameState& state);

// What the board shows beside the target of the running battle: its
// defenders (armies + 1) against the attackers ("3 v 24"); empty when no
// battle runs.
std::string battleLabel(const GameState& state);
