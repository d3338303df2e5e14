#pragma once

#include <array>
#include <cstdint>

// Binomial coefficients C(n, k) for the sizes bet keys need (n up to 50,
// k up to 7), exact in 64 bits.
class TBinomialTable {
public:
    static constexpr int kMaxN = 50;
    static constexpr int kMaxK = 7;

    constexpr TBinomialTable()
    {
        for (int n = 0; n <= kMaxN; ++n) {
            values_[n][0] = 1;
            for (int k = 1; k <= kMaxK; ++k)
                values_[n][k] = n == 0 ? 0 : values_[n - 1][k - 1] + values_[n - 1][k];
        }
    }
    constexpr uint64_t operator()(int n, int k) const { return values_[n][k]; }

private:
    std::array<std::array<uint64_t, kMaxK + 1>, kMaxN + 1> values_{};
};

inline constexpr TBinomialTable kBinomial{};

// Colexicographic rank of a set of zero-based values given ascending:
// sum of C(value_j, j + 1). Distinct sets of k values below n get distinct
// ranks in [0, C(n, k)).
inline uint64_t ColexRank(const int *ascending, int count)
{
    uint64_t rank = 0;
    for (int j = 0; j < count; ++j)
        rank += kBinomial(ascending[j], j + 1);
    return rank;
}
