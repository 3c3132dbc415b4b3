#pragma once
// Whether a new game on a galaxy could ever end. A galaxy that cannot be read
// loads as an empty one, and one with fewer than two income stars deals stars
// to at most one player: on either nobody can be beaten, and the turns would
// run for ever.
#include <string>

enum class StartRefusal {
    none,
    unreadable,  // the galaxy file could not be read
    tooFewStars, // fewer than two players would receive an income star
};

// Loads the galaxy as startNewGame would (the built-in one, or the file of
// that name) into a scratch galaxy and tells why a game on it cannot start.
StartRefusal checkGameStart(bool builtIn, const std::string& name);
