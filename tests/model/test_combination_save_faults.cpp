// A combination save cut short at any point keeps the previous file.
#include "model/euromillon_apuestas.h"

#include "combination_helpers.h"
#include "support/save_fault_injection.h"

#include <gtest/gtest.h>

namespace {

void Fill(TEuroMillonApuestas &combination)
{
    combination.SetName("Combinación con un nombre bastante largo");
    for (int i = 0; i < 300; ++i)
        AddBet(combination, std::to_string(1 + i % 46) + "." + std::to_string(47 + i % 4) + ".10.20.30-" +
                                std::to_string(1 + i % 8) + ".09");
}

} // namespace

TEST(CombinationSaveFaults, CutSavesKeepThePreviousFile)
{
    TEuroMillonApuestas combination;
    Fill(combination);
    ExpectFailedSavesKeepThePreviousFile("combination.aem",
                                         [&](const std::string &path) { combination.SaveToFile(path); });
}

TEST(CombinationSaveFaults, EveryRefusedByteIsAWriteError)
{
    TEuroMillonApuestas combination;
    Fill(combination);
    ExpectWriteErrorsAtEveryByte("combination", [&](TStream &stream) { combination.SaveToStream(stream); });
    EXPECT_EQ(combination.Count(), 300);
}
