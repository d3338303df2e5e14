#include "exchange/bet_workbook.h"

#include "exchange_test_support.h"
#include "framework/abort_error.h"
#include "model/combination_helpers.h"
#include "model/exception.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using BetWorkbookTest = ExchangeFolderTest;

} // namespace

TEST(SheetName, KeepsLettersDigitsAndUnderscoresOnly)
{
    EXPECT_EQ(SheetNameFor("Sorteo de Navidad 2024!"), "SorteodeNavidad2024");
    EXPECT_EQ(SheetNameFor("mi_combinación (v2)"), "mi_combinacinv2");
    EXPECT_EQ(SheetNameFor("   \xC3\xA1\xC3\xA9\xC3\xB1 "), "QOREuromillon");
    EXPECT_EQ(SheetNameFor(""), "QOREuromillon");
    EXPECT_EQ(SheetNameFor("[]:*?/\\'"), "QOREuromillon");
}

TEST(SheetName, KeepsTheFirstThirtyCharacters)
{
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
    ASSERT_EQ(letters.size(), 40u);
    EXPECT_EQ(SheetNameFor(letters), letters.substr(0, 30));
}

TEST_F(BetWorkbookTest, ThreeBetsReadBackByARealReader)
{
    const std::string path = PathOf("navidad.xlsx");
    WriteBetWorkbook(
        path, SheetNameFor("Sorteo de Navidad 2024!"),
        {BetOf("03.15.27.41.50-02.09"), BetOf("01.02.03.04.05-06.07"), BetOf("10.20.30.40.49-01.08")});
    EXPECT_EQ(RunPython(kDumpWorkbook, path), "sheets ['SorteodeNavidad2024']\n"
                                              "extent A1:G3 3 7\n"
                                              "int:3 int:15 int:27 int:41 int:50 int:2 int:9\n"
                                              "int:1 int:2 int:3 int:4 int:5 int:6 int:7\n"
                                              "int:10 int:20 int:30 int:40 int:49 int:1 int:8\n");
    EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file left behind";
}

TEST_F(BetWorkbookTest, EmptyCombinationGivesAnEmptySheet)
{
    const std::string path = PathOf("empty.xlsx");
    WriteBetWorkbook(path, "QOREuromillon", {});
    const std::string dump = RunPython(kDumpWorkbook, path);
    EXPECT_TRUE(dump.starts_with("sheets ['QOREuromillon']\nextent A1:A1 1 1\n")) << dump;
}

TEST_F(BetWorkbookTest, ReplacesAnOldFileAndKeepsItWhenCreationFails)
{
    const std::string path = PathOf("book.xlsx");
    WriteFileBytes(path, "old");
    WriteBetWorkbook(path, "Hoja", RandomBets(5));
    EXPECT_TRUE(FileBytes(path).starts_with("PK")) << "a zip container";
    EXPECT_EQ(FilesInFolder(), 1u);

    const std::string missing = PathOf("no/folder/book.xlsx");
    try {
        WriteBetWorkbook(missing, "Hoja", RandomBets(5));
        FAIL() << "no error";
    } catch (const EFCreateError &error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + missing);
    }
}

TEST_F(BetWorkbookTest, MoreBetsThanASheetHoldsIsRefusedBeforeWriting)
{
    const std::string path = PathOf("big.xlsx");
    std::vector<BetMask> bets(kMaxSheetRows + 1, BetOf("01.02.03.04.05-06.07"));
    try {
        WriteBetWorkbook(path, "Hoja", bets);
        FAIL() << "no error";
    } catch (const EWriteError &error) {
        EXPECT_EQ(
            error.Message(),
            "Una hoja de cálculo admite como máximo 1048576 filas y la combinación tiene 1048577 apuestas");
    }
    EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(BetWorkbookTest, FreeNumberedPathSkipsTakenNames)
{
    EXPECT_EQ(FreeNumberedPath(folder_.string(), "Hoja", "xlsx"), PathOf("Hoja_1.xlsx"));
    WriteFileBytes(PathOf("Hoja_1.xlsx"), "");
    WriteFileBytes(PathOf("Hoja_2.xlsx"), "");
    EXPECT_EQ(FreeNumberedPath(folder_.string(), "Hoja", "xlsx"), PathOf("Hoja_3.xlsx"));
}

TEST_F(BetWorkbookTest, ProgressReachesTheEndAndItsErrorLeavesNoFile)
{
    const std::string path = PathOf("book.xlsx");
    std::vector<std::pair<uint64_t, uint64_t>> reports;
    WriteBetWorkbook(path, "Hoja", RandomBets(10),
                     [&reports](uint64_t done, uint64_t total) { reports.emplace_back(done, total); });
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), (std::pair<uint64_t, uint64_t>(10, 10)));

    WriteFileBytes(path, "old");
    EXPECT_THROW(WriteBetWorkbook(path, "Hoja", RandomBets(10), [](uint64_t, uint64_t) { throw EAbort(); }),
                 EAbort);
    EXPECT_EQ(FileBytes(path), "old");
    EXPECT_EQ(FilesInFolder(), 1u);
}
