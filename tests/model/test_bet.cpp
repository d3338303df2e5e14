#include "framework/localize.h"
#include "model/apuesta_multiple.h"
#include "model/bet_errors.h"
#include "model/euromillon_apuesta.h"
#include "model/memory_stream.h"
#include "model/program_random.h"
#include "model/separators.h"
#include "model/simple_bets.h"
#include "support/hex_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <stdexcept>

namespace {

void Fill(TEuroMillonApuesta &bet, std::initializer_list<int32_t> numbers,
          std::initializer_list<int32_t> stars)
{
    for (int32_t v : numbers)
        bet.Block(1).Add(v);
    for (int32_t v : stars)
        bet.Block(2).Add(v);
}

int CountChanges(TEuroMillonApuesta &bet, const std::function<void()> &action)
{
    int changes = 0;
    bet.OnChange = [&](void *sender) {
        EXPECT_EQ(sender, &bet);
        ++changes;
    };
    action();
    bet.OnChange = nullptr;
    return changes;
}

} // namespace

TEST(Bet, BlocksHaveTheGameLimitsAndSelectionsHaveNoUpperCount)
{
    TEuroMillonApuesta bet;
    EXPECT_EQ(bet.Block(1).MaxValue(), 50);
    EXPECT_EQ(bet.Block(1).MaxCount(), 5);
    EXPECT_EQ(bet.Block(2).MaxValue(), 9);
    EXPECT_EQ(bet.Block(2).MaxCount(), 2);
    EXPECT_EQ(bet.SimpleBetCount(), 0);

    TEuroMillonApuestaMult selection;
    EXPECT_EQ(selection.Block(1).MaxCount(), 2147483647);
    EXPECT_EQ(selection.Block(1).MinCount(), 5);
    EXPECT_EQ(selection.Block(2).MinCount(), 2);
    for (int v = 0; v <= 51; ++v)
        selection.Block(1).Add(v);
    for (int v = 0; v <= 10; ++v)
        selection.Block(2).Add(v);
    EXPECT_EQ(selection.Block(1).Count(), 50);
    EXPECT_EQ(selection.Block(2).Count(), 9);
    EXPECT_EQ(CountSimpleBets(selection), 76275360);
    EXPECT_EQ(selection.SimpleBetCount(), 76275360);

    try {
        bet.Block(3);
        FAIL();
    } catch (const EBetError &error) {
        EXPECT_STREQ(error.what(), "Bloque not exists");
    }
    EXPECT_THROW(bet.Block(0), EBetError);
}

TEST(Bet, CountsSimpleBets)
{
    EXPECT_EQ(Combinations(50, 5), 2118760);
    EXPECT_EQ(Combinations(9, 2), 36);
    EXPECT_EQ(Combinations(5, 5), 1);
    EXPECT_EQ(Combinations(0, 0), 1);
    EXPECT_EQ(Combinations(4, 5), 0);
    EXPECT_EQ(Combinations(50, 25), 126410606437752);

    TEuroMillonApuestaMult selection;
    Fill(selection, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3});
    EXPECT_EQ(CountSimpleBets(selection), 63);
    TEuroMillonApuesta bet;
    Fill(bet, {1, 2, 3, 4}, {1, 2});
    EXPECT_EQ(CountSimpleBets(bet), 0);
    bet.Block(1).Add(5);
    EXPECT_EQ(bet.SimpleBetCount(), 1);
    EXPECT_TRUE(bet.IsValid());
}

TEST(Bet, TextFormPutsTheBlockSeparatorOnlyAfterANonEmptyPart)
{
    TEuroMillonApuesta bet;
    EXPECT_EQ(bet.AsText(), "");
    Fill(bet, {}, {9, 2});
    EXPECT_EQ(bet.AsText(), "02.09");
    bet.Clear();
    Fill(bet, {50, 41, 27, 15, 3}, {});
    EXPECT_EQ(bet.AsText(), "03.15.27.41.50-");
    Fill(bet, {}, {2, 9});
    EXPECT_EQ(bet.AsText(), "03.15.27.41.50-02.09");
    EXPECT_EQ(MaskToText(bet.ToMask()), bet.AsText());

    try {
        TSeparatorScope scope(", ", " | ");
        EXPECT_EQ(bet.AsText(), "03, 15, 27, 41, 50 | 02, 09");
        EXPECT_EQ(MaskToText(bet.ToMask()), bet.AsText());
        throw std::runtime_error("export failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(NumberSeparator(), ".");
    EXPECT_EQ(BlockSeparator(), "-");
}

TEST(Bet, CompoundChangesTellTheOwnerExactlyOnce)
{
    TEuroMillonApuesta bet;
    EXPECT_EQ(CountChanges(bet, [&] { bet.Block(1).Add(7); }), 1);
    EXPECT_EQ(CountChanges(bet, [&] { bet.Clear(); }), 1);
    EXPECT_EQ(CountChanges(bet, [&] { bet.Clear(); }), 0);

    TEuroMillonApuestaMultiple record{{50, 3, 0, 3, 17, 99, 20, 21}, {9, 2, 10}};
    EXPECT_EQ(CountChanges(bet, [&] { bet.FromRecord(record); }), 1);
    // Refused elements are dropped; the first five accepted numbers stay.
    EXPECT_EQ(bet.AsText(), "03.17.20.21.50-02.09");

    TEuroMillonApuesta other;
    Fill(other, {1, 2, 3, 4, 5}, {1, 2});
    EXPECT_EQ(CountChanges(bet, [&] { bet.Assign(other); }), 1);
    EXPECT_EQ(bet.AsText(), other.AsText());
    EXPECT_EQ(CountChanges(bet, [&] { bet.FromMask(NumberBit(8) | StarBit(3)); }), 1);
    EXPECT_EQ(bet.AsText(), "08-03");
}

TEST(Bet, FailedAssignStillClosesItsBracketAndTellsWhatChanged)
{
    TEuroMillonApuestaMult selection;
    Fill(selection, {1, 2, 3}, {1, 2, 3});
    TEuroMillonApuesta bet;
    Fill(bet, {10}, {5});
    int changes = CountChanges(bet, [&] { EXPECT_THROW(bet.Assign(selection), EBetError); });
    EXPECT_EQ(changes, 1); // block 1 was copied before block 2 failed
    EXPECT_EQ(bet.AsText(), "01.02.03-05");
    EXPECT_THROW(bet.EndUpdate(), EUpdateError);

    TEuroMillonApuestaMult wide;
    Fill(wide, {1, 2, 3, 4, 5, 6, 7}, {1, 2});
    TEuroMillonApuesta plain;
    EXPECT_THROW(plain.Assign(wide), EBetError);
    EXPECT_EQ(plain.AsText(), "");
}

TEST(Bet, UnbalancedEndUpdateNamesTheClass)
{
    TEuroMillonApuesta bet;
    try {
        bet.EndUpdate();
        FAIL();
    } catch (const EUpdateError &error) {
        EXPECT_STREQ(error.what(), "Disabled disorder \"TEuroMillonApuesta\"");
    }
    TEuroMillonApuestaMult selection;
    try {
        selection.EndUpdate();
        FAIL();
    } catch (const EUpdateError &error) {
        EXPECT_STREQ(error.what(), "Disabled disorder \"TEuroMillonApuestaMult\"");
    }
}

TEST(Bet, RecordAndMaskConversionsAgree)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        TEuroMillonApuesta bet;
        while (bet.Block(1).Count() < 5)
            bet.Block(1).Add(static_cast<int32_t>(random() % 50) + 1);
        while (bet.Block(2).Count() < static_cast<int>(trial % 3))
            bet.Block(2).Add(static_cast<int32_t>(random() % 9) + 1);
        BetMask mask = bet.ToMask();
        TEuroMillonApuestaMultiple record;
        bet.ToRecord(record);
        EXPECT_EQ(record.Numeros, bet.Block(1).Values());
        EXPECT_EQ(RecordToMask(record), mask);
        EXPECT_EQ(MaskToRecord(mask), record);
        EXPECT_EQ(MaskToText(mask), bet.AsText());
        TEuroMillonApuesta copy;
        copy.FromMask(mask);
        EXPECT_EQ(copy.AsText(), bet.AsText());
    }
    EXPECT_EQ(RecordToMask({{0, 51, 50}, {0, 10, 9}}), NumberBit(50) | StarBit(9));
}

TEST(Bet, SavesAndLoadsTwoLists)
{
    TEuroMillonApuesta bet;
    Fill(bet, {3, 15, 27, 41, 50}, {2, 9});
    TMemoryStream stream;
    bet.SaveToStream(stream);
    EXPECT_EQ(ToHex(stream.Bytes()), "01 02 03 02 0F 02 1B 02 29 02 32 00 01 02 02 02 09 00");
    stream.SetPosition(0);
    TEuroMillonApuesta copy;
    EXPECT_EQ(CountChanges(copy, [&] { copy.LoadFromStream(stream); }), 2); // one per block
    EXPECT_EQ(copy.AsText(), bet.AsText());
}

TEST(RandomNumbers, DrawsMissingValuesReproduciblyAndStopsWhenFull)
{
    auto drawAll = [](uint32_t seed) {
        SeedProgramRandom(seed);
        TEuroMillonApuestaMult selection;
        std::vector<int32_t> order;
        while (AddRandomNumber(selection, 2)) {
            for (int32_t v = 1; v <= 9; ++v)
                if (selection.Block(2).IndexOf(v) >= 0 &&
                    std::find(order.begin(), order.end(), v) == order.end())
                    order.push_back(v);
        }
        EXPECT_EQ(selection.Block(2).Count(), 9);
        return order;
    };
    auto first = drawAll(42);
    EXPECT_EQ(first.size(), 9u);
    EXPECT_EQ(drawAll(42), first);

    // A full block returns false without drawing.
    TEuroMillonApuestaMult full;
    for (int v = 1; v <= 50; ++v)
        full.Block(1).Add(v);
    SeedProgramRandom(1);
    std::mt19937 before = ProgramRandom();
    EXPECT_FALSE(AddRandomNumber(full, 1));
    EXPECT_TRUE(before == ProgramRandom());

    // A plain bet's full block refuses the value drawn.
    TEuroMillonApuesta bet;
    Fill(bet, {1, 2, 3, 4, 5}, {});
    EXPECT_FALSE(AddRandomNumber(bet, 1));
    EXPECT_TRUE(AddRandomNumber(bet, 2));
    EXPECT_THROW(AddRandomNumber(bet, 3), EBetError);
}
