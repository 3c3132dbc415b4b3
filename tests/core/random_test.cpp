#include <gtest/gtest.h>

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

TEST(Random, KnownSequenceFromASeed)
{
    seedRandom(1);
    EXPECT_EQ(randomInt(30000), 41);
    EXPECT_EQ(randomInt(30000), 18467);
    EXPECT_EQ(randomInt(30000), 6334);
}

TEST(Random, RangesOfEveryKindOfArgument)
{
    seedRandom(12345);
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(randomInt(0), 0);
        EXPECT_EQ(randomInt(1), 0);
        int r = randomInt(100);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 100);
        int big = randomInt(40000);
        EXPECT_GE(big, 0);
        EXPECT_LE(big, 40000);
        int neg = randomInt(-7);
        EXPECT_GE(neg, 0);
        EXPECT_LT(neg, 7);
        int huge = randomInt(2147483647);
        EXPECT_GE(huge, 0);
    }
}

TEST(Random, LargeArgumentsReachTheArgumentItselfOnTheTopValue)
{
    seedRandom(seedGivingTop());
    EXPECT_EQ(randomInt(40000), 40000);
    seedRandom(seedGivingTop());
    EXPECT_EQ(randomInt(32767), 32767);
    seedRandom(seedGivingTop());
    EXPECT_EQ(randomInt(32766), 32767 % 32766);
}

} // namespace
