#include "exchange/bet_line_scanner.h"

#include "model/combination_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Classified {
    TLineClass lineClass;
    BetMask bet;
};

Classified Classify(const std::string &line)
{
    BetMask bet = 0;
    const TLineClass lineClass = ClassifyBetLine(line, bet);
    return {lineClass, bet};
}

void ExpectBet(const std::string &line, const std::string &bet)
{
    const Classified result = Classify(line);
    EXPECT_EQ(result.lineClass, TLineClass::Bet) << line;
    EXPECT_EQ(result.bet, BetOf(bet)) << line;
}

void ExpectClass(const std::string &line, TLineClass expected)
{
    EXPECT_EQ(Classify(line).lineClass, expected) << "'" << line << "'";
}

} // namespace

TEST(BetLineScanner, ExportedLineIsABet)
{
    ExpectBet("03.15.27.41.50-02.09", "03.15.27.41.50-02.09");
}

TEST(BetLineScanner, BlanksSeparateButASemicolonBeforeTheBetIsCompleteMakesAComment)
{
    ExpectBet("3 15 27 41 50 2 9", "03.15.27.41.50-02.09");
    ExpectClass("3,15,27,41,50;2,9", TLineClass::Comment);
}

TEST(BetLineScanner, CommentAfterACompleteBetKeepsTheBet)
{
    ExpectBet("1 2 3 4 5 6 7 ; weekly", "01.02.03.04.05-06.07");
    ExpectClass("; 1 2 3 4 5 6 7", TLineClass::Comment);
}

TEST(BetLineScanner, DigitsAfterTheSecondStarAreIgnored)
{
    ExpectBet("1 2 3 4 5 6 7 8 9", "01.02.03.04.05-06.07");
    ExpectBet("1 2 3 4 5 6 7 99 0 ; x", "01.02.03.04.05-06.07");
}

TEST(BetLineScanner, RefusedNumberBeforeACompleteBetDoesNotSpoilIt)
{
    ExpectBet("1 1 2 3 4 5 6 7", "01.02.03.04.05-06.07");
    ExpectBet("1 2 3 4 5 10 6 7", "01.02.03.04.05-06.07");
    ExpectBet("0 1 2 3 4 5 6 7", "01.02.03.04.05-06.07");
}

TEST(BetLineScanner, RefusedNumberWithoutACompleteBetIsAnError)
{
    ExpectClass("1 2 3 4 55", TLineClass::Error);
    ExpectClass("1 2 3 4 5 6 10", TLineClass::Error);
    ExpectClass("1 2 3 4 5 6 6", TLineClass::Error);
    ExpectClass("0", TLineClass::Error);
}

TEST(BetLineScanner, IncompleteDigitsAndEmptyLinesAreBlank)
{
    ExpectClass("1 2 3", TLineClass::Blank);
    ExpectClass("", TLineClass::Blank);
    ExpectClass("   \t  ", TLineClass::Blank);
    ExpectClass("no digits at all", TLineClass::Blank);
    ExpectClass("1 2 3 4 5 6", TLineClass::Blank);
}

TEST(BetLineScanner, SemicolonDecidesWithThePendingNumber)
{
    // The number pending at the semicolon completes the bet.
    ExpectBet("1 2 3 4 5 6 7;x", "01.02.03.04.05-06.07");
    // The number pending at the semicolon is refused.
    ExpectClass("1 2 3 4 5 6 77;", TLineClass::Error);
    // A number refused earlier does not make the comment an error.
    ExpectClass("1 1 2 3 ; 4 5 6 7", TLineClass::Comment);
    ExpectClass("99;", TLineClass::Error);
    ExpectClass(";", TLineClass::Comment);
}

TEST(BetLineScanner, LeadingZerosAndRunsOfSeparatorsAreAccepted)
{
    ExpectBet("0003 ..--,, 015\t27x41y50 ## 002 009", "03.15.27.41.50-02.09");
    ExpectBet("50 41 27 15 3 9 2", "03.15.27.41.50-02.09");
}

TEST(BetLineScanner, NumberTooLargeForAnIntegerIsRefused)
{
    ExpectClass("1 2 3 4 99999999999999999999999999", TLineClass::Error);
    ExpectClass("2147483648", TLineClass::Error);
    ExpectBet("1 2 3 4 5 6 00000000000000000000000000000000000007", "01.02.03.04.05-06.07");
}

TEST(BetLineScanner, BytesOutsideAsciiSeparateNumbers)
{
    ExpectBet("1\xC3\xA9"
              "2\xE2\x82\xAC"
              "3\x80"
              "4\xFF"
              "5 6 7",
              "01.02.03.04.05-06.07");
}

TEST(BetLineScanner, PiecesOfAnySizeGiveTheSameResult)
{
    const std::string line = "03 . 15 . 27 . 41 . 50 - 02 . 09";
    TBetLineScanner scanner;
    for (char c : line)
        scanner.Feed(std::string_view(&c, 1));
    BetMask bet = 0;
    EXPECT_EQ(scanner.EndLine(bet), TLineClass::Bet);
    EXPECT_EQ(bet, BetOf("03.15.27.41.50-02.09"));

    // The scanner starts afresh after each line.
    scanner.Feed("1 2 3");
    EXPECT_EQ(scanner.EndLine(bet), TLineClass::Blank);
    EXPECT_EQ(bet, BetOf("01.02.03"));
    EXPECT_EQ(scanner.EndLine(bet), TLineClass::Blank);
    EXPECT_EQ(bet, BetMask{0});
}
