#include "generator/mask_enumeration.h"

#include "generator/subset_rank.h"

#include <array>
#include <bit>

namespace {

std::vector<BetMask> BitsOf(BetMask mask)
{
    std::vector<BetMask> bits;
    while (mask) {
        bits.push_back(mask & (~mask + 1));
        mask &= mask - 1;
    }
    return bits;
}

// Every k-subset of the given single-bit masks, lexicographic by position.
std::vector<BetMask> SubsetMasks(const std::vector<BetMask> &bits, int k)
{
    std::vector<BetMask> result;
    const int n = static_cast<int>(bits.size());
    if (n < k)
        return result;
    result.reserve(kBinomial(n, k));
    std::array<int, 8> index{};
    for (int j = 0; j < k; ++j)
        index[j] = j;
    for (;;) {
        BetMask mask = 0;
        for (int j = 0; j < k; ++j)
            mask |= bits[index[j]];
        result.push_back(mask);
        int j = k - 1;
        while (j >= 0 && index[j] == n - k + j)
            --j;
        if (j < 0)
            return result;
        ++index[j];
        for (int q = j + 1; q < k; ++q)
            index[q] = index[q - 1] + 1;
    }
}

} // namespace

std::vector<BetMask> SubsetsOfBits(BetMask values, int k)
{
    return SubsetMasks(BitsOf(values), k);
}

std::vector<BetMask> NumberQuintetMasks(BetMask selection)
{
    return SubsetMasks(BitsOf(selection & kNumberBits), 5);
}

std::vector<BetMask> NumberSubsetMasks(BetMask selection, int k)
{
    if (k == 0)
        return {0};
    return SubsetMasks(BitsOf(selection & kNumberBits), k);
}

std::vector<BetMask> StarPairMasks(BetMask selection)
{
    return SubsetMasks(BitsOf(selection & kAnyStarBits), 2);
}

std::vector<int> MaskNumbers(BetMask mask)
{
    std::vector<int> values;
    for (BetMask bits = mask & kNumberBits; bits; bits &= bits - 1)
        values.push_back(std::countr_zero(bits) + 1);
    return values;
}

std::vector<int> MaskStars(BetMask mask)
{
    std::vector<int> values;
    for (BetMask bits = mask & kAnyStarBits; bits; bits &= bits - 1)
        values.push_back(std::countr_zero(bits) - kStarShift + 1);
    return values;
}
