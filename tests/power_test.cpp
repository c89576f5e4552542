#include "power.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct breakdown_case {
    const char* what;
    std::int32_t gamepower, forts, ally, barrier, acres, spell;
    std::int32_t basepower, army;
};

void PrintTo(const breakdown_case& c, std::ostream* out)
{
    *out << c.what;
}

class breakdown_cases : public testing::TestWithParam<breakdown_case> {};

TEST_P(breakdown_cases, base_and_army_power)
{
    const breakdown_case& c = GetParam();
    const power_breakdown result =
        breakdown(c.gamepower, c.forts, c.ally, c.barrier, c.acres, c.spell);
    EXPECT_EQ(result.basepower, c.basepower) << c.what;
    EXPECT_EQ(result.army, c.army) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    weights, breakdown_cases,
    testing::Values(
        //              what                 net   forts ally barr acres spell  base   army
        breakdown_case{"nothing counted",   5000,   0,   0,   0,   0,    0,      0,  5000},
        breakdown_case{"one acre",          5000,   0,   0,   0,   1,    0,   1000,  4000},
        breakdown_case{"one fort",          5000,   1,   0,   0,   0,    0,  19360, -14360},
        breakdown_case{"one barrier",       5000,   0,   0,   1,   0,    0,   3960,  1040},
        breakdown_case{"one ally",          5000,   0,   1,   0,   0,    0,  10000, -5000},
        breakdown_case{"spell level one",   5000,   0,   0,   0,   0,    1,   1000,  4000},
        breakdown_case{"acres 3, spell 8", 900000,  2,   1,   4,   3,    8, 75560, 824440},
        breakdown_case{"acres 8, spell 3", 900000,  2,   1,   4,   8,    3, 75560, 824440},
        breakdown_case{"no net power",         0,   1,   1,   1,   1,    1,  35320, -35320},
        breakdown_case{"negative counts",   1000,  -1,   0,  -2,   0,    0, -27280,  28280}));

INSTANTIATE_TEST_SUITE_P(
    wrapping, breakdown_cases,
    testing::Values(
        // 200000 * 19360 = 3872000000, which is -422967296 in 32 bits.
        breakdown_case{"fort product wraps", 0, 200000, 0, 0, 0, 0, -422967296, 422967296},
        // Each product fits, the sum 3000000000 does not.
        breakdown_case{"sum wraps", 0, 0, 0, 0, 1500000, 1500000, -1294967296, 1294967296},
        // INT32_MIN - 1000 wraps to the top of the range.
        breakdown_case{"difference wraps", INT32_MIN, 0, 0, 0, 1, 0, 1000, 2147482648},
        breakdown_case{"most negative net", INT32_MIN, 0, 0, 0, 0, 0, 0, INT32_MIN},
        // Even weights send the most negative count to 0; odd multiples of 1000 stay.
        breakdown_case{"extreme counts", INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, -1, INT32_MAX,
                       -12000, -2147471649}));

} // namespace
