// Imported bet texts: the streaming reader over any bytes, checked against
// the line classifier run on each whole line, in both games (stars 1-9 and
// 1-12); a line that today's game reads as a bet of stars 1-9 reads the same
// in the classic game. (Not the other way round: a star 10-12 the classic
// game skips lets a later value take its place.)
#include "fuzz_harness.h"

#include "exchange/bet_line_scanner.h"
#include "exchange/bet_text_reader.h"
#include "model/bet_mask.h"

std::vector<std::string> FuzzSeeds()
{
    static constexpr char kOddBytes[] = "1.2.3.4.5-1.2\x00\xff\xe9\r\n99999999999999999999999 1 2 3 4 5 6\n";
    return {"01.02.03.04.05-06.07\r\n10 20 30 40 50 1 9\r\n",
            "; a comment\n\n3,15,27,41,50;2,9\n51.2.3.4.5-1.2\n7.7.1.2.3-1.2\rlast 1 2 3 4 5 6 7",
            std::string(kOddBytes, sizeof kOddBytes - 1),
            "01.02.03.04.05-10.12\r\n6 7 8 9 11 12 13\r\n1 2 3 4 5 9 12;x\n1 2 3 4 5 11 11\n"};
}

namespace {

// The lines of the text as the reader splits them: at CR, LF or the pair;
// a last line without an end counts.
std::vector<std::string_view> Lines(std::string_view data)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines.push_back(data.substr(start, i - start));
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines.push_back(data.substr(start));
    return lines;
}

// The bets one reading found, checked against the whole-line classifier.
std::vector<BetMask> CheckReading(std::string_view data, int highestStar)
{
    std::vector<BetMask> bets;
    TMemoryStream stream(data);
    TBetTextCounts counts = ReadBetText(
        stream, [&](const BetMask *found, size_t count) { bets.insert(bets.end(), found, found + count); },
        {}, highestStar);

    int64_t total = 0;
    for (int64_t n : counts.byClass)
        total += n;
    FuzzCheck(total == counts.lines, "the classes do not add up to the lines");
    FuzzCheck(static_cast<int64_t>(bets.size()) == counts.Of(TLineClass::Bet),
              "bets handed on differ from bet lines");
    const BetMask allowedStars = ((BetMask{1} << highestStar) - 1) << kStarShift;
    for (BetMask bet : bets) {
        FuzzCheck(CountNumbers(bet) == 5 && CountStars(bet) == 2, "a bet handed on is not complete");
        FuzzCheck((bet & kAnyStarBits & ~allowedStars) == 0, "a bet holds a star beyond the game's highest");
    }

    // Fed whole, line by line, the classifier must agree with the stream reader.
    std::vector<std::string_view> lines = Lines(data);
    FuzzCheck(static_cast<int64_t>(lines.size()) == counts.lines,
              "the line count differs from the text's lines");
    size_t next = 0;
    for (std::string_view line : lines) {
        BetMask bet = 0;
        if (ClassifyBetLine(line, bet, highestStar) == TLineClass::Bet) {
            FuzzCheck(next < bets.size() && bets[next] == bet, "a whole line classified differently");
            ++next;
        }
    }
    FuzzCheck(next == bets.size(), "the streaming reader found more bets than the whole lines hold");
    return bets;
}

} // namespace

void FuzzOne(std::string_view data)
{
    CheckReading(data, 9);
    CheckReading(data, 12);
    for (std::string_view line : Lines(data)) {
        BetMask current = 0;
        if (ClassifyBetLine(line, current, 12) != TLineClass::Bet ||
            (current & kAnyStarBits & ~kStarBits) != 0)
            continue;
        BetMask classic = 0;
        FuzzCheck(ClassifyBetLine(line, classic, 9) == TLineClass::Bet && classic == current,
                  "a bet of stars 1-9 reads differently in the classic game");
    }
}
