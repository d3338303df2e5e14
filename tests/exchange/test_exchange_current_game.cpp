// Import and export of bets of today's game (stars 1 to 12).
#include "exchange/bet_line_scanner.h"
#include "exchange/bet_text_reader.h"
#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"

#include "exchange_test_support.h"
#include "model/combination_helpers.h"
#include "model/exception.h"
#include "model/memory_stream.h"

#include <gtest/gtest.h>

namespace {

using ExchangeCurrentGameTest = ExchangeFolderTest;

TLineClass Classify(const std::string &line, int highestStar, BetMask &bet)
{
    bet = 0;
    return ClassifyBetLine(line, bet, highestStar);
}

} // namespace

TEST(LineScannerCurrentGame, StarsTenToTwelveMakeABet)
{
    BetMask bet = 0;
    EXPECT_EQ(Classify("1 2 3 4 5 10 12", 12, bet), TLineClass::Bet);
    EXPECT_EQ(bet, BetOf("01.02.03.04.05-10.12"));
    EXPECT_EQ(Classify("01.02.03.04.05-11.03 trailing 99", 12, bet), TLineClass::Bet);
    EXPECT_EQ(bet, BetOf("01.02.03.04.05-03.11"));
    EXPECT_EQ(Classify("1 2 3 4 5 12 12", 12, bet), TLineClass::Error) << "a repeated star";
    EXPECT_EQ(Classify("1 2 3 4 5 13 1", 12, bet), TLineClass::Error) << "past the highest star";
    EXPECT_EQ(Classify("1 2 3 4 5 0 1", 12, bet), TLineClass::Error);
    EXPECT_EQ(Classify("1 2 3 4 5 9", 12, bet), TLineClass::Blank) << "one star short";
}

TEST(LineScannerCurrentGame, TheClassicGameRefusesStarsAboveNine)
{
    BetMask bet = 0;
    for (const char *line : {"1 2 3 4 5 10 1", "1 2 3 4 5 1 11", "1 2 3 4 5 12 9"})
        EXPECT_EQ(Classify(line, 9, bet), TLineClass::Error) << line;
    EXPECT_EQ(Classify("1 2 3 4 5 1 9", 9, bet), TLineClass::Bet);
    // The default is the classic game.
    bet = 0;
    EXPECT_EQ(ClassifyBetLine("1 2 3 4 5 10 1", bet), TLineClass::Error);
}

TEST(LineScannerCurrentGame, EveryStarPairOfTodaysGameReads)
{
    int pairs = 0;
    for (int a = 1; a <= 12; ++a) {
        for (int b = a + 1; b <= 12; ++b) {
            BetMask bet = 0;
            const std::string line = "7 14 21 28 35 " + std::to_string(b) + " " + std::to_string(a);
            ASSERT_EQ(Classify(line, 12, bet), TLineClass::Bet) << line;
            EXPECT_EQ(bet & kAnyStarBits, StarBit(a) | StarBit(b));
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 66);
}

TEST(LineScannerCurrentGame, TheStreamingReaderKeepsTheGameOnEveryLine)
{
    // Each line starts afresh in the same game.
    TMemoryStream stream(std::string("1 2 3 4 5 10 11\r\n6 7 8 9 10 12 1\r\n1 2 3 4 5 13 2\n"));
    std::vector<BetMask> bets;
    const TBetTextCounts counts = ReadBetText(
        stream, [&](const BetMask *found, size_t count) { bets.insert(bets.end(), found, found + count); },
        {}, 12);
    EXPECT_EQ(counts.lines, 3);
    EXPECT_EQ(counts.Of(TLineClass::Error), 1);
    EXPECT_EQ(bets, (std::vector<BetMask>{BetOf("01.02.03.04.05-10.11"), BetOf("06.07.08.09.10-01.12")}));
}

TEST_F(ExchangeCurrentGameTest, ImportReadsStarsOfTheCombinationsGame)
{
    const std::string path = PathOf("bets.txt");
    WriteFileBytes(path, "1 2 3 4 5 10 12\n1 2 3 4 5 1 9\n");

    TEuroMillonApuestas current(TGameEdition::Current);
    TBetTextCounts counts = ImportBetTextFile(path, current);
    EXPECT_EQ(counts.Of(TLineClass::Bet), 2);
    EXPECT_EQ(BetTexts(current), "01.02.03.04.05-10.12 01.02.03.04.05-01.09");

    TEuroMillonApuestas classic;
    counts = ImportBetTextFile(path, classic);
    EXPECT_EQ(counts.Of(TLineClass::Bet), 1);
    EXPECT_EQ(counts.Of(TLineClass::Error), 1);
    EXPECT_EQ(BetTexts(classic), "01.02.03.04.05-01.09");
}

TEST_F(ExchangeCurrentGameTest, TextExportWritesStarsTenToTwelve)
{
    const std::string path = PathOf("out.txt");
    WriteBetTextFile(path, {BetOf("01.02.03.04.05-10.12"), BetOf("45.46.47.48.50-09.11")}, ",", " / ");
    EXPECT_EQ(FileBytes(path), "01,02,03,04,05 / 10,12\r\n45,46,47,48,50 / 09,11\r\n");
}

TEST_F(ExchangeCurrentGameTest, ExportedTextImportsBackTheSameBets)
{
    const std::vector<BetMask> bets = {BetOf("01.02.03.04.05-10.12"), BetOf("10.20.30.40.50-11.12"),
                                       BetOf("03.15.27.41.50-02.09")};
    const std::string path = PathOf("round.txt");
    WriteBetTextFile(path, bets, ".", "-");
    TEuroMillonApuestas current(TGameEdition::Current);
    ImportBetTextFile(path, current);
    EXPECT_EQ(current.Masks(), bets);
}

TEST_F(ExchangeCurrentGameTest, WorkbookHoldsStarsTenToTwelve)
{
    const std::string path = PathOf("actual.xlsx");
    WriteBetWorkbook(path, "Actual", {BetOf("01.02.03.04.05-10.12"), BetOf("06.07.08.09.11-03.11")});
    EXPECT_EQ(RunPython(kDumpWorkbook, path), "sheets ['Actual']\n"
                                              "extent A1:G2 2 7\n"
                                              "int:1 int:2 int:3 int:4 int:5 int:10 int:12\n"
                                              "int:6 int:7 int:8 int:9 int:11 int:3 int:11\n");
}
