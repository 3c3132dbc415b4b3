#include <gtest/gtest.h>

#include <utility>

#include "base/random.h"

namespace {

// A seed whose next raw value is 32767. The generator's multiplier is odd, so
// it has an inverse modulo 2^32 (five Newton steps find it).
uint32_t seedGivingTop()
{
    uint32_t inverse = 214013u;
    for (int i = 0; i < 5; ++i) inverse *= 2 - 214013u * inverse;
    return (0x7FFF0000u - 2531011u) * inverse;
}

TEST(Random, RangesOfEveryKindOfArgumentAndTheTopValue)
{
    Random random{12345};
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(random.next(0), 0);
        EXPECT_EQ(random.next(1), 0);
        const int r = random.next(100), big = random.next(40000), neg = random.next(-7), huge = random.next(2147483647);
        EXPECT_TRUE(r >= 0 && r < 100 && big >= 0 && big <= 40000 && neg >= 0 && neg < 7 && huge >= 0)
            << r << " " << big << " " << neg << " " << huge;
    }
    // Large arguments reach the argument itself on the top value.
    for (auto [n, top] : {std::pair{40000, 40000}, {32767, 32767}, {32766, 1}}) {
        Random atTop{seedGivingTop()};
        EXPECT_EQ(atTop.next(n), top) << n;
    }
}

} // namespace
