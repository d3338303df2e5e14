#include "exchange/bet_text_reader.h"
#include "exchange/bet_text_writer.h"
#include "exchange/export_separator.h"

#include "exchange_test_support.h"
#include "model/combination_helpers.h"
#include "model/exception.h"
#include "model/memory_stream.h"
#include "model/separators.h"
#include "support/failing_stream.h"
#include "support/hex_bytes.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>

namespace {

std::string Written(const std::vector<BetMask> &bets, const std::string &numbers, const std::string &blocks)
{
    TMemoryStream stream;
    WriteBetText(stream, bets, numbers, blocks);
    return stream.Bytes();
}

std::string Prepared(const std::string &typed)
{
    return PrepareExportSeparator(typed).value;
}

using BetTextWriterTest = ExchangeFolderTest;

} // namespace

TEST(BetTextWriter, DefaultSeparatorsWriteTheExportedLineWithCarriageReturnAndLineFeed)
{
    EXPECT_EQ(Written({BetOf("03.15.27.41.50-02.09")}, ".", "-"), "03.15.27.41.50-02.09\r\n");
    EXPECT_EQ(Written({BetOf("03.15.27.41.50-02.09"), BetOf("01.02.03.04.05-06.07")}, ".", "-"),
              "03.15.27.41.50-02.09\r\n01.02.03.04.05-06.07\r\n");
    EXPECT_EQ(Written({}, ".", "-"), "");
}

TEST(BetTextWriter, TabAndBlankSeparators)
{
    EXPECT_EQ(Written({BetOf("03.15.27.41.50-02.09")}, Prepared("TAB"), Prepared(" ")),
              "03\t15\t27\t41\t50 02\t09\r\n");
}

TEST(BetTextWriter, SeparatorsAreWrittenInWindows1252)
{
    EXPECT_EQ(ToHex(Written({BetOf("01.02.03.04.05-06.07")}, "\xC3\xA9", "\xE2\x82\xAC")), ToHex("01\xE9"
                                                                                                 "02\xE9"
                                                                                                 "03\xE9"
                                                                                                 "04\xE9"
                                                                                                 "05\x80"
                                                                                                 "06\xE9"
                                                                                                 "07\r\n"));
}

TEST(ExportSeparator, TabWordInAnyCaseIsOneTab)
{
    for (const char *typed : {"TAB", "tab", "Tab", "tAb"}) {
        const TExportSeparator separator = PrepareExportSeparator(typed);
        EXPECT_EQ(separator.value, "\t") << typed;
        EXPECT_EQ(separator.text, typed);
    }
    EXPECT_EQ(Prepared("TABS"), "TABS");
    EXPECT_EQ(Prepared(" TAB"), " TAB");
}

TEST(ExportSeparator, LongTextIsCutToFiveCharactersAndShownCut)
{
    const TExportSeparator separator = PrepareExportSeparator("abcdefg");
    EXPECT_EQ(separator.text, "abcde");
    EXPECT_EQ(separator.value, "abcde");
    EXPECT_EQ(PrepareExportSeparator("abcde").text, "abcde");
    // Characters, not bytes.
    EXPECT_EQ(PrepareExportSeparator("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9").text,
              "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
}

TEST(ExportSeparator, EmptyTextWritesOneBlank)
{
    const TExportSeparator separator = PrepareExportSeparator("");
    EXPECT_EQ(separator.text, "");
    EXPECT_EQ(separator.value, " ");
    EXPECT_EQ(Written({BetOf("03.15.27.41.50-02.09")}, Prepared(""), Prepared("")),
              "03 15 27 41 50 02 09\r\n");
}

TEST(BetTextWriter, ProgramSeparatorsComeBackAfterWritingAndAfterAFailure)
{
    SetNumberSeparator(".");
    SetBlockSeparator("-");
    Written(RandomBets(3), "TAB", ",");
    EXPECT_EQ(NumberSeparator(), ".");
    EXPECT_EQ(BlockSeparator(), "-");

    TFailingStream full(30);
    EXPECT_THROW(WriteBetText(full, RandomBets(100000), "\t", ","), EWriteError);
    EXPECT_EQ(NumberSeparator(), ".");
    EXPECT_EQ(BlockSeparator(), "-");
}

TEST_F(BetTextWriterTest, FileIsReplacedWhole)
{
    const std::string path = PathOf("out.txt");
    WriteFileBytes(path, "old contents");
    WriteBetTextFile(path, {BetOf("03.15.27.41.50-02.09")}, ".", "-");
    EXPECT_EQ(FileBytes(path), "03.15.27.41.50-02.09\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(BetTextWriterTest, MissingFolderIsACreateError)
{
    const std::string path = PathOf("no/such/folder/out.txt");
    try {
        WriteBetTextFile(path, RandomBets(3), ".", "-");
        FAIL() << "no error";
    } catch (const EFCreateError &error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + path);
    }
    EXPECT_EQ(NumberSeparator(), ".");
}

TEST_F(BetTextWriterTest, AFullDiskLeavesTheOldFileAndTheSeparators)
{
    const std::string path = PathOf("out.txt");
    const std::string old(5000, 'o');
    WriteFileBytes(path, old);
    // Writing fails half-way, as on a full disk, in a child process limited
    // in file size; it reports the error and the separators it ends with.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{8192, 8192};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SetNumberSeparator(".");
        SetBlockSeparator("-");
        int status = 3;
        try {
            WriteBetTextFile(path, RandomBets(200000), "\t", ",");
            status = 1;
        } catch (const EWriteError &) {
            status = NumberSeparator() == "." && BlockSeparator() == "-" ? 0 : 2;
        } catch (...) {
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no error raised, 2: separators not restored, 3: other error";
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}

// Every pair of separators the export lists offer survives a text round trip.
class RoundTrip : public ExchangeFolderTest,
                  public ::testing::WithParamInterface<std::tuple<const char *, const char *>> {};

TEST_P(RoundTrip, HundredThousandBetsComeBackInOrder)
{
    static const std::vector<BetMask> bets = RandomBets(100000);
    TEuroMillonApuestas original;
    original.AppendMasks(bets.data(), bets.size());
    const std::string path = PathOf("round.txt");
    WriteBetTextFile(path, original.Masks(), Prepared(std::get<0>(GetParam())),
                     Prepared(std::get<1>(GetParam())));

    TEuroMillonApuestas imported;
    const TBetTextCounts counts = ImportBetTextFile(path, imported);
    EXPECT_EQ(counts.lines, 100000);
    EXPECT_EQ(counts.Of(TLineClass::Bet), 100000);
    EXPECT_TRUE(imported.Masks() == original.Masks());
}

std::string SeparatorName(const char *separator)
{
    const std::string s = separator;
    return s == "TAB" ? "Tab" : s == " " ? "Blank" : s == "." ? "Dot" : s == "-" ? "Dash" : "Comma";
}

std::string PairName(const ::testing::TestParamInfo<RoundTrip::ParamType> &pair)
{
    return SeparatorName(std::get<0>(pair.param)) + "_" + SeparatorName(std::get<1>(pair.param));
}

INSTANTIATE_TEST_SUITE_P(EverySeparatorPair, RoundTrip,
                         ::testing::Combine(::testing::Values("TAB", " ", ".", "-", ","),
                                            ::testing::Values("TAB", " ", ".", "-", ",")),
                         PairName);
