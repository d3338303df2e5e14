#include "exchange/bet_text_reader.h"

#include "exchange_test_support.h"
#include "framework/abort_error.h"
#include "model/combination_helpers.h"
#include "model/exception.h"
#include "model/memory_stream.h"

#include <gtest/gtest.h>

namespace {

struct ReadResult {
    TBetTextCounts counts;
    std::vector<BetMask> bets;
};

ReadResult ReadFrom(TStream &stream)
{
    ReadResult result;
    result.counts = ReadBetText(stream, [&result](const BetMask *bets, size_t count) {
        result.bets.insert(result.bets.end(), bets, bets + count);
    });
    return result;
}

ReadResult ReadText(const std::string &text)
{
    TMemoryStream stream(text);
    return ReadFrom(stream);
}

void ExpectCounts(const TBetTextCounts &counts, int64_t lines, int64_t blank, int64_t bet, int64_t comment,
                  int64_t error)
{
    EXPECT_EQ(counts.lines, lines);
    EXPECT_EQ(counts.Of(TLineClass::Blank), blank);
    EXPECT_EQ(counts.Of(TLineClass::Bet), bet);
    EXPECT_EQ(counts.Of(TLineClass::Comment), comment);
    EXPECT_EQ(counts.Of(TLineClass::Error), error);
}

using BetTextReaderTest = ExchangeFolderTest;

} // namespace

TEST(BetTextReader, FourLinesOneOfEachClass)
{
    const ReadResult result = ReadText("03.15.27.41.50-02.09\r\n\r\n; my bets\r\n1 2 3 4 55\r\n");
    ExpectCounts(result.counts, 4, 1, 1, 1, 1);
    ASSERT_EQ(result.bets.size(), 1u);
    EXPECT_EQ(result.bets[0], BetOf("03.15.27.41.50-02.09"));
}

TEST(BetTextReader, LastLineWithoutAnEndIsRead)
{
    const ReadResult result = ReadText("1 2 3 4 5 6 7\n8 9 10 11 12 1 2");
    ExpectCounts(result.counts, 2, 0, 2, 0, 0);
    ASSERT_EQ(result.bets.size(), 2u);
    EXPECT_EQ(result.bets[1], BetOf("08.09.10.11.12-01.02"));
}

TEST(BetTextReader, CarriageReturnLineFeedAndThePairEachEndALine)
{
    // CR, LF, CR LF, then LF CR (two ends) and a lone CR at the very end.
    const ReadResult result = ReadText("1 2 3 4 5 6 7\r2 3 4 5 6 7 8\n3 4 5 6 7 8 9\r\n\n\r4 5 6 7 8 1 2\r");
    ExpectCounts(result.counts, 6, 2, 4, 0, 0);
}

TEST(BetTextReader, EmptyTextHasNoLines)
{
    ExpectCounts(ReadText("").counts, 0, 0, 0, 0, 0);
    ExpectCounts(ReadText("\r\n").counts, 1, 1, 0, 0, 0);
    ExpectCounts(ReadText("\n\n").counts, 2, 2, 0, 0, 0);
}

TEST(BetTextReader, LineEndsFallingAcrossReadsCountOnce)
{
    const std::string text = "1 2 3 4 5 6 7\r\n\r\n; c\r\n1 2 3 4 55\r\n01.02.03.04.05-06.07";
    for (size_t step : {1u, 2u, 3u, 5u, 7u}) {
        TrickleStream stream(text, step);
        const ReadResult result = ReadFrom(stream);
        ExpectCounts(result.counts, 5, 1, 2, 1, 1);
        EXPECT_EQ(result.bets.size(), 2u) << step;
    }
}

TEST(BetTextReader, VeryLongLinesAreReadWithoutLimit)
{
    // A bet at the end of a 3 MB line of separators, longer than one read.
    std::string text(3 << 20, ' ');
    text += "5 4 3 2 1 7 6\n";
    text += std::string(2 << 20, 'x');
    const ReadResult result = ReadText(text);
    ExpectCounts(result.counts, 2, 1, 1, 0, 0);
    EXPECT_EQ(result.bets.at(0), BetOf("01.02.03.04.05-06.07"));
}

TEST(BetTextReader, BetsArriveInTextOrderAcrossBatches)
{
    const std::vector<BetMask> bets = RandomBets(200000);
    std::string text;
    for (size_t i = 0; i < bets.size(); ++i) {
        for (int n = 1; n <= 50; ++n)
            if (bets[i] & NumberBit(n))
                text += std::to_string(n) + " ";
        for (int s = 1; s <= 9; ++s)
            if (bets[i] & StarBit(s))
                text += std::to_string(s) + " ";
        text += i % 2 ? "\r\n" : "\n";
    }
    size_t batches = 0;
    std::vector<BetMask> read;
    TMemoryStream stream(text);
    ReadBetText(stream, [&](const BetMask *found, size_t count) {
        ++batches;
        read.insert(read.end(), found, found + count);
    });
    EXPECT_EQ(read, bets);
    EXPECT_GT(batches, 1u);
}

TEST_F(BetTextReaderTest, MissingFileIsAnOpenErrorAndTheCombinationStaysAsItWas)
{
    TEuroMillonApuestas combination;
    AddBet(combination, "01.02.03.04.05-06.07");
    combination.SetModified(false);
    const std::string path = PathOf("missing.txt");
    try {
        ImportBetTextFile(path, combination);
        FAIL() << "no error";
    } catch (const EFOpenError &error) {
        EXPECT_EQ(error.Message(), "Cannot open file " + path);
    }
    EXPECT_EQ(combination.Count(), 1);
    EXPECT_FALSE(combination.Modified());
    EXPECT_THROW(ImportBetTextFile(folder_.string(), combination), EFOpenError);
}

TEST_F(BetTextReaderTest, ImportAppendsTheBetsFoundWithOneChange)
{
    const std::string path = PathOf("bets.txt");
    WriteFileBytes(path, "10 20 30 40 50 8 9\r\n;\r\n11 21 31 41 49 1 9");
    TEuroMillonApuestas combination;
    AddBet(combination, "01.02.03.04.05-06.07");
    int changes = 0;
    combination.OnChange = [&changes](void *) { ++changes; };
    const TBetTextCounts counts = ImportBetTextFile(path, combination);
    ExpectCounts(counts, 3, 0, 2, 1, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(BetTexts(combination), "01.02.03.04.05-06.07 10.20.30.40.50-08.09 11.21.31.41.49-01.09");
}

TEST_F(BetTextReaderTest, ProgressCountsTheBytesAndItsErrorLeavesTheCombinationAsItWas)
{
    const std::string path = PathOf("big.txt");
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "01.02.03.04.05-06.07\r\n";
    WriteFileBytes(path, text);

    TEuroMillonApuestas combination;
    AddBet(combination, "10.20.30.40.50-08.09");
    combination.SetModified(false);
    std::vector<std::pair<uint64_t, uint64_t>> reports;
    EXPECT_THROW(ImportBetTextFile(path, combination,
                                   [&reports](uint64_t done, uint64_t total) {
                                       reports.emplace_back(done, total);
                                       throw EAbort();
                                   }),
                 EAbort);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_GT(reports[0].first, 0u);
    EXPECT_LT(reports[0].first, text.size());
    EXPECT_EQ(reports[0].second, text.size());
    EXPECT_EQ(BetTexts(combination), "10.20.30.40.50-08.09");
    EXPECT_FALSE(combination.Modified());

    uint64_t last = 0;
    ImportBetTextFile(path, combination, [&last](uint64_t done, uint64_t) { last = done; });
    EXPECT_GT(last, 0u);
    EXPECT_EQ(combination.Count(), 200001);
}
