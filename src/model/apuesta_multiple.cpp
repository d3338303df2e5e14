#include "model/apuesta_multiple.h"

#include "model/game_constants.h"
#include "model/separators.h"

#include <bit>

namespace {

void AppendTwoDigits(std::string &text, int value)
{
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
}

// Values 1-50 and 1-9 always take exactly two digits.
std::string BlockText(uint64_t bits)
{
    std::string text;
    while (bits != 0) {
        if (!text.empty())
            text += NumberSeparator();
        AppendTwoDigits(text, std::countr_zero(bits) + 1);
        bits &= bits - 1;
    }
    return text;
}

} // namespace

BetMask RecordToMask(const TEuroMillonApuestaMultiple &record, int highestStar)
{
    BetMask mask = 0;
    for (int32_t n : record.Numeros)
        if (n >= kLowestValue[kBlockNumbers] && n <= kHighestValue[kBlockNumbers])
            mask |= NumberBit(n);
    for (int32_t s : record.Estrellas)
        if (s >= kLowestValue[kBlockStars] && s <= highestStar)
            mask |= StarBit(s);
    return mask;
}

TEuroMillonApuestaMultiple MaskToRecord(BetMask mask)
{
    TEuroMillonApuestaMultiple record;
    for (uint64_t bits = mask & kNumberBits; bits != 0; bits &= bits - 1)
        record.Numeros.push_back(std::countr_zero(bits) + 1);
    for (uint64_t bits = (mask & kAnyStarBits) >> kStarShift; bits != 0; bits &= bits - 1)
        record.Estrellas.push_back(std::countr_zero(bits) + 1);
    return record;
}

std::string MaskToText(BetMask mask)
{
    std::string text = BlockText(mask & kNumberBits);
    if (!text.empty())
        text += BlockSeparator();
    text += BlockText((mask & kAnyStarBits) >> kStarShift);
    return text;
}
