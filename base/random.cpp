#include "base/random.h"

namespace {

struct Generator {
    uint32_t state = 1;

    int next(int n)
    {
        if (n == 0) return 0;
        state = state * 214013u + 2531011u;
        int r = static_cast<int>((state >> 16) & 0x7FFF);
        if (n > 0 && n < 32767) return r % n;
        if (n >= 32767) return static_cast<int>(r * (n / 32767.0));
        return r % n;
    }
};

Generator game;
Generator engine;

} // namespace

void seedRandom(unsigned seed) { game.state = seed; }
uint32_t randomState() { return game.state; }
int randomInt(int n) { return game.next(n); }

void seedEngineRandom(unsigned seed) { engine.state = seed; }
int engineRandomInt(int n) { return engine.next(n); }
