#pragma once
// The galaxy as the expert reads it for one decision: who can reach whom, how
// strongly each own star is threatened, and the odds of a battle.
#include <vector>

#include "game/game_state.h"

struct ExpertMap {
    const Galaxy* galaxy = nullptr;
    int me = noOwner;
    int n = 0;
    // reach[s]: the stars s can attack or move to (the link entry (t, s) set),
    // in index order; from[t]: the stars that can reach t.
    std::vector<std::vector<int>> reach;
    std::vector<std::vector<int>> from;
    // Per player, the income of its stars.
    std::vector<int> incomeOf;
};

ExpertMap readMap(const GameState& state, int me);

// A star that takes part: an active slot with a player's owner.
bool inPlay(const ExpertMap& map, int s);
bool mine(const ExpertMap& map, int s);
bool enemy(const ExpertMap& map, int s);
int armiesAt(const ExpertMap& map, int s);

// Whether an enemy star can attack s or be attacked from it.
bool onFront(const ExpertMap& map, int s);

// The chance that an attacker ready to lose `lives` armies takes a star
// defended by `defenders` (its armies + 1) in rounds of even odds. Exact for
// small armies; large armies are scaled down to the table, which errs on the
// cautious side.
double winChance(int lives, int defenders);
