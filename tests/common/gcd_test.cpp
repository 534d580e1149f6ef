#include "common/gcd.h"

#include <gtest/gtest.h>

#include <climits>

namespace trochograph {
namespace {

TEST(Gcd, PositiveArgumentsAndTheRefusal)
{
    EXPECT_EQ(gcd(12, 18), 6);
    EXPECT_EQ(gcd(18, 12), 6);
    EXPECT_EQ(gcd(7, 5), 1);
    EXPECT_EQ(gcd(1, 1), 1);
    EXPECT_EQ(gcd(100, 25), 25);
    EXPECT_EQ(gcd(INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(gcd(0, 5), -1);
    EXPECT_EQ(gcd(5, 0), -1);
    EXPECT_EQ(gcd(-4, 6), -1);
    EXPECT_EQ(gcd(INT_MIN, INT_MIN), -1);
}

}  // namespace
}  // namespace trochograph
