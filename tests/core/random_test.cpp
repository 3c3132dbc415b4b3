#include <gtest/gtest.h>

#include <utility>

#include "engine/random.h"

namespace {

// The generator's multiplier is odd, so it has an inverse modulo 2^32.
uint32_t inverseOf(uint32_t a)
{
    uint32_t x = a;
    for (int i = 0; i < 5; ++i) x *= 2 - a * x;
    return x;
}

// A seed whose next raw value is 32767.
uint32_t seedGivingTop()
{
    uint32_t next = 0x7FFF0000u;
    return (next - 2531011u) * inverseOf(214013u);
}

TEST(Random, RangesOfEveryKindOfArgument)
{
    seedRandom(12345);
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(randomInt(0), 0);
        EXPECT_EQ(randomInt(1), 0);
        const int r = randomInt(100), big = randomInt(40000), neg = randomInt(-7), huge = randomInt(2147483647);
        EXPECT_TRUE(r >= 0 && r < 100 && big >= 0 && big <= 40000 && neg >= 0 && neg < 7 && huge >= 0)
            << r << " " << big << " " << neg << " " << huge;
    }
}

TEST(Random, LargeArgumentsReachTheArgumentItselfOnTheTopValue)
{
    for (auto [n, top] : {std::pair{40000, 40000}, {32767, 32767}, {32766, 1}}) {
        seedRandom(seedGivingTop());
        EXPECT_EQ(randomInt(n), top) << n;
    }
}

} // namespace
