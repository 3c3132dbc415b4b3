#include "base/random.h"

int Random::next(int n)
{
    if (n == 0) return 0;
    state = state * 214013u + 2531011u;
    const int r = static_cast<int>((state >> 16) & 0x7FFF);
    if (n > 0 && n < 32767) return r % n;
    if (n >= 32767) return static_cast<int>(r * (n / 32767.0));
    return r % n;
}

namespace {

Random engine;

} // namespace

void seedEngineRandom(unsigned seed) { engine.state = seed; }
int engineRandomInt(int n) { return engine.next(n); }
