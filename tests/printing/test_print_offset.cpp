#include "printing/print_offset.h"

#include <gtest/gtest.h>

namespace {

struct OffsetCase {
    const char *text;
    char separator;
    std::optional<int32_t> tenths;
};

const OffsetCase kCases[] = {
    // Halves of a tenth round away from zero, read from the decimal digits.
    {"0.05", '.', 1},
    {"0.25", '.', 3},
    {"-0.25", '.', -3},
    {"1.25", '.', 13},
    {"0.04", '.', 0},
    {"-0.05", '.', -1},
    {"0.249", '.', 2},
    {"2.999", '.', 30},
    {"1.5", '.', 15},
    {"-2", '.', -20},
    {"+3", '.', 30},
    {" 1.5 ", '.', 15},
    {"1,25", ',', 13},
    {"1.25", ',', 13},
    {".5", '.', 5},
    {"7.", '.', 70},
    {"1000", '.', 10000},
    {"-1000.04", '.', -10000},
    // No offsets: past a metre, not a number, two separators, grouping.
    {"1000.05", '.', std::nullopt},
    {"99999999999999999999", '.', std::nullopt},
    {"", '.', std::nullopt},
    {"-", '.', std::nullopt},
    {".", '.', std::nullopt},
    {"1.2.3", '.', std::nullopt},
    {"1,5", '.', std::nullopt},
    {"1e3", '.', std::nullopt},
    {"dos", ',', std::nullopt},
    {"1 5", '.', std::nullopt},
};

TEST(PrintOffset, TypedMillimetresBecomeTenths)
{
    for (const OffsetCase &c : kCases)
        EXPECT_EQ(ParseOffsetTenths(c.text, c.separator), c.tenths)
            << '"' << c.text << "\" with '" << c.separator << "'";
}

} // namespace
