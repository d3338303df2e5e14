#include "model/simple_bets.h"

#include "model/euromillon_apuesta.h"
#include "model/game_constants.h"
#include "model/program_random.h"

#include <cmath>
#include <cstdint>

int64_t Combinations(int n, int k)
{
    if (n < k)
        return 0;
    // n x (n-1) x ... x (k+1) over (n-k)!, both in extended precision.
    long double numerator = 1.0L;
    for (int i = k + 1; i <= n; ++i)
        numerator *= i;
    long double denominator = 1.0L;
    for (int i = 2; i <= n - k; ++i)
        denominator *= i;
    long double quotient = numerator / denominator;
    if (quotient >= 9.2e18L)
        return INT64_MAX; // beyond any count this program meets
    return std::llround(quotient);
}

int64_t CountSimpleBets(const TEuroMillonApuesta &bet)
{
    return Combinations(bet.Block(kBlockNumbers).Count(), kValuesPerBet[kBlockNumbers]) *
           Combinations(bet.Block(kBlockStars).Count(), kValuesPerBet[kBlockStars]);
}

bool AddRandomNumber(TEuroMillonApuesta &selection, int block)
{
    TEuroMillonNums &nums = selection.Block(block);
    // The block's own range: stars go up to the highest of the bet's game.
    int32_t lowest = nums.MinValue();
    int32_t span = nums.MaxValue() - lowest;
    if (nums.Count() >= span + 1)
        return false;
    int32_t value;
    do {
        value = lowest + RandomUpTo(span);
    } while (nums.IndexOf(value) >= 0);
    return nums.Add(value);
}
