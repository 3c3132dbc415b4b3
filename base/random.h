#pragma once
// The generator of the game's rules and the engine's own. Its sequence is part
// of the rules: seeded games replay exactly, so the formula and the order of
// draws matter.
#include <cstdint>

struct Random {
    uint32_t state = 1;

    // n = 0 gives 0 (and draws nothing); 0 < n < 32767 gives r mod n;
    // n >= 32767 gives r scaled by n / 32767.0 (so n itself when r is 32767);
    // n < 0 gives r % n.
    int next(int n);
};

// The engine's generator for its own choices (the next music track, a busy
// sound voice, the idle turns of an unfocused window), apart from any game's.
int engineRandomInt(int n);
void seedEngineRandom(unsigned seed);
