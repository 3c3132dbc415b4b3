#pragma once
// The computer players' planning: star values, defence needs, placement of
// new armies and the choice of the next attack. All of it is deterministic
// except one randomInt(3) draw per doubtful attack proposal (planAttack).
//
// Conversions of doubles to whole numbers truncate toward zero; a value that
// is not finite or lies outside the int range is clamped (NaN gives 0), so no
// input can make a conversion undefined.
#include <vector>

#include "game/galaxy.h"

enum class StrengthMode { Cautious = 0, Finishing = 1, Bold = 2 };

// Scratch state of the region walk, shared by every operation that starts a
// walk and by floodRegion (so the operations are not re-entrant).
struct RegionScratch {
    std::vector<char> visited;
    std::vector<char> regionMark;
    // Star indices in the order the walk found them.
    std::vector<int> interiorList;
    std::vector<int> frontierList;
};
RegionScratch& regionScratch();

// Rewrites value of every game star.
void computeStarValues(Galaxy& galaxy);
// Rewrites need of the player's active stars and returns their whole total.
// With no active star of another player every need of the player is 0 and the
// total 0. Other players' stars worth 0 in total while they still hold stars:
// their strength is divided by 1 instead.
int computeDefenceNeeds(Galaxy& galaxy, int player);
// Rebuilds galaxy.attackCandidates; the best proposal is at index 0.
void planAttack(Galaxy& galaxy, int player, int extraArmies);
// Places the player's new armies of this turn and labels the stars it put
// them on ("4+3", and "4+3 + 5" for a surplus sent to the attack source).
void placeArmiesAI(Galaxy& galaxy, int player);
// Picks one attack and takes its armies off the source star at once, or sets
// all three to noOwner when no attack is worth making.
void chooseAttackAI(Galaxy& galaxy, int player, int& from, int& to, int& armies);

// No linked star has another owner (also true for a star without links).
bool isInteriorStar(const Galaxy& galaxy, int star);
// The player's stars that are not interior.
int countFrontierStars(const Galaxy& galaxy, int player);
// Not owned by the player and linked to one of its stars.
bool isAttackable(const Galaxy& galaxy, int star, int player);
StrengthMode assessStrength(int player, const std::vector<Star>& stars);
// Own active star linked to target with the largest whole armies - need; the
// first on a tie; noOwner when none.
int bestSourceStar(const Galaxy& galaxy, int target, int player);
// The region walk from star over interior stars of its owner, filling the
// interior and frontier lists of regionScratch().
void floodRegion(int star, const Galaxy& galaxy);
// Correction of an attack's margins while target is tentatively the
// attacker's: sourceNeed less the weakest other frontier star's armies when
// the source lies in a pocket with two or more frontier stars, else 0.
int frontierAdjustment(const Galaxy& galaxy, int source, int sourceNeed, int target);
// The same on the game galaxy.
int frontierAdjustment(int source, int sourceNeed, int target);
// Nearest whole number; an exact half goes down.
int roundHalfDown(double x);
// Truncation toward zero, clamped to the int range; NaN gives 0.
int truncToInt(double x);
