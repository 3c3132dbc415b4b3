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

// FNV-1a, 64 bits, of the saved-game text of the state with the generator
// at random, less what only the screens change (the selected star, the
// game-in-progress flag, eliminations not yet announced), the galaxy's name
// and the sum line.
uint64_t stateHash(const GameState& state, uint32_t random);
// 16 lower-case hex digits.
std::string hashText(uint64_t hash);

// Notes a decision about to be carried out, and the end of a turn cycle
// (hashed with the game's generator as it is now); nothing while off.
void noteDecision(GameState& state, const Decision& decision);
void noteCycleEnd(GameState& state);
// The figures of the state now, as noteCycleEnd keeps them.
CourseEntry cycleFigures(const GameState& state, uint32_t random);
// What the journal holds, leaving it empty.
std::vector<CourseEntry> drainJournal(GameState& state);
