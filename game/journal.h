#pragma once
// The course of a game as the core sees it, for whoever records it: the
// decisions carried out and, for every turn cycle that ended, figures of the
// whole state. The core knows no files: a recorder turns the journal on and
// drains it; nothing is kept while it is off.
#include <cstdint>
#include <string>
#include <vector>

#include "game/decision.h"

struct CourseEntry {
    // The turn counter when it happened.
    int turn = 0;
    // false: a decision; true: a turn cycle ended (the computer players are
    // through, or the game is over).
    bool cycleEnd = false;
    Decision decision;
    // At a cycle's end: the state's hash (stateHash) and per player its
    // stars, income and armies; the winner once the game is over.
    uint64_t hash = 0;
    std::vector<int> stars;
    std::vector<int> income;
    std::vector<int> armies;
    int winner = noOwner;
    bool onPoints = false;
    bool operator==(const CourseEntry&) const = default;
};

struct GameJournal {
    bool on = false;
    std::vector<CourseEntry> entries;
};
