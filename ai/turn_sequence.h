#pragma once
// The computer players' turns as a sequence of single model steps: placement,
// choice of an attack, one battle round at a time (with conquest, the return
// of armies from a worthless conquered star, elimination and victory), and
// the hand-over to the next player. The on-screen driver calls stepAiTurns
// when its timers say; the match runner calls it back to back. Both play the
// same game from the same galaxy and seed, because the steps and their random
// draws are the same.
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

// Starts a cycle of computer turns at firstPlayer (1, or 0 in the
// demonstration game): the next step is that player's placement. A game that
// is already decided goes straight to GameOver.
void beginAiTurns(AiTurns& turns, const Galaxy& galaxy, int firstPlayer);
// Does the next step and says what it did.
AiStepReport stepAiTurns(AiTurns& turns, Galaxy& galaxy);

// The computer turns of the game in play. A new cycle: the phase becomes
// ComputerTurns and the cycle's start is kept in cycleStart (a game already
// decided is Over at once).
void beginComputerTurns(GameState& state);
// The next step of the running cycle, its conquest recorded in the state
// (recordConquest); after the last player the phase becomes TurnStart, or
// Over when the game ended on points. A cycle's end is noted in the journal.
AiStepReport stepComputerTurns(GameState& state);
