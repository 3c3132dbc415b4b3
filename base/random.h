#pragma once
// The engine's random generator. Its sequence is part of the game's rules:
// seeded games replay exactly, so the formula and the order of draws matter.
#include <cstdint>

// n = 0 gives 0; 0 < n < 32767 gives r mod n; n >= 32767 gives r scaled by
// n / 32767.0 (so n itself when r is 32767); n < 0 gives r % n.
int randomInt(int n);
void seedRandom(unsigned seed);
// The generator's raw state, for tests and replays.
uint32_t randomState();

// A second generator of the same kind for the engine's own choices (the next
// music track, a busy sound voice, the idle turns of an unfocused window), so
// that only the game's rules draw from the game's sequence.
int engineRandomInt(int n);
void seedEngineRandom(unsigned seed);
