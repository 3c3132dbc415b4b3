#include "engine/random.h"

static uint32_t state = 1;

void seedRandom(unsigned seed) { state = seed; }

uint32_t randomState() { return state; }

static int nextRaw()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

int randomInt(int n)
{
    if (n == 0) return 0;
    int r = nextRaw();
    if (n > 0 && n < 32767) return r % n;
    if (n >= 32767) return static_cast<int>(r * (n / 32767.0));
    return r % n;
}
