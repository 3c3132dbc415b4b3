#pragma once
// Whether a new game on a galaxy could ever end. A galaxy that cannot be read
// loads as an empty one, one with fewer than two income stars deals stars to
// at most one player, and on one whose income stars lie in separate networks
// no army can ever reach the others' stars: on any of them nobody can be
// beaten, and the turns would run for ever.
#include <string>

#include "game/galaxy.h"

enum class StartRefusal {
    none,
    unreadable,  // the galaxy file could not be read
    tooFewStars, // fewer than two players would receive an income star
    notLinked,   // some income star cannot be reached from another along links
};

// The panel's line for a refusal ("" for none).
const char* startRefusalText(StartRefusal refusal);

// Every income star can be reached from every other along links between
// active stars (stars without income may lie on the way). True when there
// are fewer than two income stars.
bool incomeStarsLinked(const Galaxy& galaxy);

// Loads the galaxy as startNewGame would (the built-in one, or the file of
// that name) into a scratch galaxy and tells why a game on it cannot start.
StartRefusal checkGameStart(bool builtIn, const std::string& name);
// The same for a galaxy read already.
StartRefusal checkGalaxyStart(const Galaxy& galaxy);
