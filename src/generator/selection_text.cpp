#include "generator/selection_text.h"

#include "model/game_constants.h"

#include <cctype>

namespace {

BetMask ValueBit(int block, int value)
{
    return block == kBlockNumbers ? NumberBit(value) : StarBit(value);
}

int HighestValue(int block, TGameEdition edition)
{
    return block == kBlockNumbers ? kHighestValue[kBlockNumbers] : GameRules(edition).HighestStar;
}

// A whole decimal number of at most three digits.
std::optional<int> SmallNumber(const std::string &text)
{
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string SelectionValuesText(BetMask selection, int block, TGameEdition edition)
{
    if (!IsBlockNumber(block))
        return {};
    std::string text;
    const int highest = HighestValue(block, edition);
    for (int value = 1; value <= highest;) {
        if (!(selection & ValueBit(block, value))) {
            ++value;
            continue;
        }
        int last = value;
        while (last < highest && (selection & ValueBit(block, last + 1)))
            ++last;
        if (!text.empty())
            text += ',';
        text += std::to_string(value);
        if (last - value >= 2)
            text += '-' + std::to_string(last);
        else if (last > value)
            text += ',' + std::to_string(last);
        value = last + 1;
    }
    return text;
}

std::optional<BetMask> ParseSelectionValues(const std::string &text, int block, TGameEdition edition)
{
    if (!IsBlockNumber(block))
        return std::nullopt;
    BetMask mask = 0;
    size_t position = 0;
    auto isSeparator = [](char c) {
        return c == ',' || c == ';' || std::isspace(static_cast<unsigned char>(c));
    };
    while (position < text.size()) {
        if (isSeparator(text[position])) {
            ++position;
            continue;
        }
        size_t end = position;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string item = text.substr(position, end - position);
        position = end;
        const size_t dash = item.find('-');
        const std::optional<int> first = SmallNumber(item.substr(0, dash));
        const std::optional<int> last =
            dash == std::string::npos ? first : SmallNumber(item.substr(dash + 1));
        if (!first || !last || *first > *last || *first < kLowestValue[block] ||
            *last > HighestValue(block, edition))
            return std::nullopt;
        for (int value = *first; value <= *last; ++value)
            mask |= ValueBit(block, value);
    }
    return mask;
}
