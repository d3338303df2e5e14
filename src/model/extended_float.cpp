#include "model/extended_float.h"

#include <bit>
#include <cstddef>

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;

ExtendedBytes Pack(bool negative, uint16_t exponent, uint64_t significand)
{
    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>(significand >> (8 * i));
    uint16_t top = static_cast<uint16_t>(exponent | (negative ? 0x8000 : 0));
    bytes[8] = static_cast<uint8_t>(top);
    bytes[9] = static_cast<uint8_t>(top >> 8);
    return bytes;
}

double Compose(bool negative, uint64_t bits)
{
    return std::bit_cast<double>(bits | (negative ? 0x8000000000000000ULL : 0));
}

// Shifts right by count bits, rounding to nearest with ties to even.
uint64_t ShiftRound(uint64_t value, int count)
{
    if (count <= 0)
        return value;
    if (count > 64)
        return 0;
    unsigned __int128 wide = value;
    unsigned __int128 half = static_cast<unsigned __int128>(1) << (count - 1);
    unsigned __int128 mask = (static_cast<unsigned __int128>(1) << count) - 1;
    unsigned __int128 kept = wide >> count;
    unsigned __int128 rest = wide & mask;
    if (rest > half || (rest == half && (kept & 1)))
        ++kept;
    return static_cast<uint64_t>(kept);
}

} // namespace

ExtendedBytes DoubleToExtended(double value)
{
    uint64_t bits = std::bit_cast<uint64_t>(value);
    bool negative = bits >> 63;
    int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t fraction = bits & ((1ULL << 52) - 1);

    if (exponent == 0 && fraction == 0)
        return Pack(negative, 0, 0);
    if (exponent == 0x7FF)
        return Pack(negative, 0x7FFF, 0x8000000000000000ULL | (fraction << 11));
    if (exponent == 0) { // subnormal double: normal in the wider exponent range
        int shift = std::countl_zero(fraction);
        uint64_t significand = fraction << shift;
        int unbiased = 63 - 1074 - shift;
        return Pack(negative, static_cast<uint16_t>(unbiased + kExtendedBias), significand);
    }
    uint64_t significand = 0x8000000000000000ULL | (fraction << 11);
    return Pack(negative, static_cast<uint16_t>(exponent - kDoubleBias + kExtendedBias), significand);
}

double ExtendedToDouble(const ExtendedBytes &bytes)
{
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[static_cast<std::size_t>(i)];
    uint16_t top = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
    bool negative = top & 0x8000;
    int exponent = top & 0x7FFF;

    if (exponent == 0x7FFF) {
        uint64_t payload = significand & 0x7FFFFFFFFFFFFFFFULL;
        if (payload == 0)
            return Compose(negative, 0x7FF0000000000000ULL);
        return Compose(negative, 0x7FF8000000000000ULL | (payload >> 11));
    }
    if (significand == 0)
        return Compose(negative, 0);

    // value = significand * 2^(unbiased - 63); normalize so bit 63 is set.
    int unbiased = (exponent == 0 ? 1 : exponent) - kExtendedBias;
    int shift = std::countl_zero(significand);
    significand <<= shift;
    unbiased -= shift;

    if (unbiased > kDoubleBias)
        return Compose(negative, 0x7FF0000000000000ULL);
    if (unbiased >= -1022) {
        uint64_t mantissa = ShiftRound(significand, 11); // 53 bits, may carry to 2^53
        if (mantissa >> 53) {
            mantissa >>= 1;
            ++unbiased;
            if (unbiased > kDoubleBias)
                return Compose(negative, 0x7FF0000000000000ULL);
        }
        uint64_t biased = static_cast<uint64_t>(unbiased + kDoubleBias);
        return Compose(negative, (biased << 52) | (mantissa & ((1ULL << 52) - 1)));
    }
    // Subnormal result: count units of 2^-1074; a carry into bit 52 correctly
    // becomes the smallest normal number.
    int count = 63 - (unbiased + 1074);
    return Compose(negative, ShiftRound(significand, count));
}
