#pragma once
// A player's choice that changes the course of a game, as one value: what the
// screens make of a click or a button, what a recording keeps, what a peer
// would send. The computer players' moves are not decisions: they follow from
// the state and the generator.
//
// Text form, one line each, numbers in decimal:
//   place <star> <armies>            armies on an own star (the click's step)
//   attack <from> <to> <armies>      the battle, ready to lose that many
//   transfer <armies>                after a conquest, from source to target
//   move <from> <to> <armies>        between own stars; ends the turn
//   end                              "Next Turn"
#include <string>
#include <string_view>

#include "game/galaxy.h"

enum class DecisionKind { Place, Attack, Transfer, Move, EndTurn };

struct Decision {
    DecisionKind kind = DecisionKind::EndTurn;
    // The seat deciding: the turn player.
    int player = 0;
    // Place: the star; Attack and Move: the source.
    int star = noOwner;
    // Attack and Move: the target.
    int target = noOwner;
    // Place, Attack, Transfer, Move: the armies.
    int armies = 0;
    bool operator==(const Decision&) const = default;
};

// The text form, without the player.
std::string decisionText(const Decision& decision);
// Reads exactly one decision in the text form (no other spaces, no signs, no
// leading zeros, numbers below 10^9); the player is left at 0.
bool parseDecision(std::string_view text, Decision& decision);
