// A text or workbook export cut short at any point keeps the previous file.
#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"

#include "model/bet_mask.h"
#include "support/save_fault_injection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BetMask> SomeBets(int count)
{
    std::vector<BetMask> bets;
    for (int i = 0; i < count; ++i)
        bets.push_back(NumberBit(1 + i % 10) | NumberBit(11 + i % 10) | NumberBit(21 + i % 10) |
                       NumberBit(31 + i % 10) | NumberBit(41 + i % 10) | StarBit(1 + i % 8) | StarBit(9));
    return bets;
}

} // namespace

TEST(ExchangeSaveFaults, CutTextExportsKeepThePreviousFile)
{
    const std::vector<BetMask> bets = SomeBets(200);
    ExpectFailedSavesKeepThePreviousFile(
        "bets.txt", [&](const std::string &path) { WriteBetTextFile(path, bets, ".", "-"); });
}

TEST(ExchangeSaveFaults, EveryRefusedTextByteIsAWriteError)
{
    const std::vector<BetMask> bets = SomeBets(50);
    ExpectWriteErrorsAtEveryByte("text export",
                                 [&](TStream &stream) { WriteBetText(stream, bets, " ", " - "); });
}

// A whole container: it ends with the end record of a zip archive without a
// comment. The workbook holds the time it was made, so two saves differ.
bool WholeWorkbook(const std::string &saved, const std::string &whole)
{
    const std::string end("PK\x05\x06", 4);
    return saved.size() > 22 && saved.compare(saved.size() - 22, 4, end) == 0 &&
           saved.compare(0, 4, whole, 0, 4) == 0;
}

// The library writes the workbook itself, by name, into the temporary file
// beside the target, its rows through a scratch file in the same folder; a
// cut anywhere must still leave the previous workbook and report an error.
TEST(ExchangeSaveFaults, CutWorkbookExportsKeepThePreviousFile)
{
    const std::vector<BetMask> bets = SomeBets(300);
    ExpectFailedSavesKeepThePreviousFile(
        "bets.xlsx", [&](const std::string &path) { WriteBetWorkbook(path, "QOREuromillon", bets); },
        WholeWorkbook);
}
