#include "exchange/bet_line_scanner.h"

#include "model/game_constants.h"

#include <limits>

namespace {

// A digit run past this is not a 32-bit integer and reads as 0, which no
// block accepts.
constexpr int64_t kLargestInteger = std::numeric_limits<int32_t>::max();

} // namespace

void TBetLineScanner::Feed(std::string_view text)
{
    for (char c : text) {
        if (!Scanning())
            return;
        if (c >= '0' && c <= '9') {
            // Saturates above the largest integer so a long run cannot overflow.
            if (pending_ <= kLargestInteger)
                pending_ = pending_ * 10 + (c - '0');
            hasPending_ = true;
        } else if (c == ';') {
            class_ = TLineClass::Comment;
            done_ = true;
        } else {
            EndNumber();
        }
    }
}

void TBetLineScanner::EndNumber()
{
    if (!hasPending_)
        return;
    const int64_t value = pending_ > kLargestInteger ? 0 : pending_;
    pending_ = 0;
    hasPending_ = false;
    if (numbers_ < kValuesPerBet[kBlockNumbers]) {
        if (value < kLowestValue[kBlockNumbers] || value > kHighestValue[kBlockNumbers] ||
            (bet_ & NumberBit(static_cast<int>(value)))) {
            class_ = TLineClass::Error;
            return;
        }
        bet_ |= NumberBit(static_cast<int>(value));
        ++numbers_;
    } else {
        if (value < kLowestValue[kBlockStars] || value > highestStar_ ||
            (bet_ & StarBit(static_cast<int>(value)))) {
            class_ = TLineClass::Error;
            return;
        }
        bet_ |= StarBit(static_cast<int>(value));
        complete_ = ++stars_ == kValuesPerBet[kBlockStars];
    }
}

TLineClass TBetLineScanner::EndLine(BetMask &bet)
{
    if (!complete_)
        EndNumber();
    if (complete_)
        class_ = TLineClass::Bet;
    const TLineClass result = class_;
    bet = bet_;
    *this = TBetLineScanner(highestStar_);
    return result;
}

TLineClass ClassifyBetLine(std::string_view line, BetMask &bet, int highestStar)
{
    TBetLineScanner scanner(highestStar);
    scanner.Feed(line);
    return scanner.EndLine(bet);
}
