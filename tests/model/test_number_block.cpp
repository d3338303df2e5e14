#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/euromillon_apuesta.h"
#include "model/memory_stream.h"
#include "support/hex_bytes.h"

#include <gtest/gtest.h>

namespace {

struct Counted {
    int changes = 0;
    void *lastSender = nullptr;
    TNotifyEvent Handler()
    {
        return [this](void *sender) {
            ++changes;
            lastSender = sender;
        };
    }
};

void Fill(TEuroMillonNums &block, std::initializer_list<int32_t> values)
{
    for (int32_t v : values)
        block.Add(v);
}

} // namespace

TEST(NumberBlock, RefusedValuesChangeNothingAndTellNothing)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Counted counted;
    block.OnChange = counted.Handler();
    EXPECT_FALSE(block.Add(51));
    EXPECT_FALSE(block.Add(0));
    EXPECT_TRUE(block.Add(10));
    EXPECT_FALSE(block.Add(10));
    Fill(block, {1, 2, 3, 4});
    EXPECT_EQ(counted.changes, 5);
    EXPECT_EQ(counted.lastSender, &block);
    EXPECT_FALSE(block.Add(20)); // a sixth number
    EXPECT_FALSE(block.Remove(20));
    EXPECT_EQ(counted.changes, 5);
    EXPECT_EQ(block.Count(), 5);
}

TEST(NumberBlock, KeepsValuesSortedAndWritesTwoDigits)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Fill(block, {40, 3, 17});
    EXPECT_EQ(block.Values(), (TEuroMillonNumeros{3, 17, 40}));
    EXPECT_EQ(block.AsText(), "03.17.40");
    EXPECT_EQ(block.IndexOf(17), 1);
    EXPECT_EQ(block.IndexOf(18), -1);
    EXPECT_EQ(block.Items(2), 40);
    EXPECT_FALSE(block.IsComplete());
    Fill(block, {1, 2});
    EXPECT_TRUE(block.IsComplete());
}

TEST(NumberBlock, ZeroLimitsMeanNoLimit)
{
    TEuroMillonNums block(1, 0, 5, 0);
    EXPECT_EQ(block.MaxValue(), 2147483647);
    EXPECT_EQ(block.MaxCount(), 2147483647);
    EXPECT_TRUE(block.Add(1000));
}

TEST(NumberBlock, AdvanceRaisesTheValueAndPacksTheRest)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Fill(block, {3, 17, 40});
    Counted counted;
    block.OnChange = counted.Handler();
    block.Advance(17);
    EXPECT_EQ(block.Values(), (TEuroMillonNumeros{3, 18, 19}));
    EXPECT_EQ(counted.changes, 1);
    block.Advance(17); // absent
    EXPECT_EQ(counted.changes, 1);
}

TEST(NumberBlock, ClearTellsOnceAndOnlyWhenSomethingWasThere)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Counted counted;
    block.OnChange = counted.Handler();
    block.Clear();
    EXPECT_EQ(counted.changes, 0);
    Fill(block, {1, 2, 3, 4, 5});
    counted.changes = 0;
    block.Clear();
    EXPECT_EQ(counted.changes, 1);
    EXPECT_EQ(block.Count(), 0);
}

TEST(NumberBlock, BracketsNestAndTellOnceAtTheOutermostEnd)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Counted counted;
    block.OnChange = counted.Handler();
    block.BeginUpdate();
    block.BeginUpdate();
    Fill(block, {1, 2});
    block.EndUpdate();
    EXPECT_EQ(counted.changes, 0);
    block.EndUpdate();
    EXPECT_EQ(counted.changes, 1);
    block.BeginUpdate();
    block.EndUpdate(); // nothing pending
    EXPECT_EQ(counted.changes, 1);
    try {
        block.EndUpdate();
        FAIL();
    } catch (const EUpdateError &error) {
        EXPECT_STREQ(error.what(), "Disabled disorder \"TEuroMillonNums\"");
    }
}

TEST(NumberBlock, BadPositionsRaiseAndChangeNothing)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Fill(block, {3, 17, 40});
    try {
        block.Delete(5);
        FAIL();
    } catch (const EListError &error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (5)");
    }
    EXPECT_THROW(block.Delete(-1), EListError);
    EXPECT_THROW(block.Items(3), EListError);
    EXPECT_THROW(block.Items(-1), EListError);
    EXPECT_EQ(block.Count(), 3);
    block.Delete(1);
    EXPECT_EQ(block.Values(), (TEuroMillonNumeros{3, 40}));
}

TEST(NumberBlock, AssignOfALargerBlockFailsWholeAndDropsOutOfRangeValues)
{
    TEuroMillonNums selection(1, 50, 5, 0);
    Fill(selection, {1, 2, 3, 4, 5, 6, 7});
    TEuroMillonNums block(1, 50, 5, 5);
    Fill(block, {10, 20});
    Counted counted;
    block.OnChange = counted.Handler();
    EXPECT_THROW(block.Assign(selection), EBetError);
    EXPECT_EQ(block.Values(), (TEuroMillonNumeros{10, 20}));
    EXPECT_EQ(counted.changes, 0);

    TEuroMillonNums wide(0, 100, 0, 5);
    Fill(wide, {0, 7, 60, 99});
    block.Assign(wide);
    EXPECT_EQ(block.Values(), (TEuroMillonNumeros{7}));
    EXPECT_EQ(counted.changes, 1);
}

TEST(NumberBlock, LocalizedErrorTexts)
{
    TEuroMillonNums selection(1, 50, 5, 0);
    Fill(selection, {1, 2, 3, 4, 5, 6, 7});
    TEuroMillonNums block(1, 50, 5, 5);
    try {
        block.Assign(selection);
        FAIL();
    } catch (const EBetError &error) {
        EXPECT_STREQ(error.what(), "Máximo 5 números en el bloque");
    }
    try {
        block.Items(9);
        FAIL();
    } catch (const EListError &error) {
        EXPECT_STREQ(error.what(), "Error index en la lista index: 9");
    }
}

TEST(NumberBlock, SavesOneListOfIntegers)
{
    TEuroMillonNums block(1, 50, 5, 5);
    Fill(block, {40, 3, 17});
    TMemoryStream stream;
    block.SaveToStream(stream);
    EXPECT_EQ(ToHex(stream.Bytes()), "01 02 03 02 11 02 28 00");
}

TEST(NumberBlock, LoadDropsRefusedValuesAndStopsRightAfterTheList)
{
    // 0, 51, a repeat, 17 as vaInt16 and 40 as vaInt32, then a byte that
    // belongs to whoever reads next.
    TMemoryStream stream(FromHex("01 02 00 02 33 02 03 02 03 03 11 00 04 28 00 00 00 00 7F"));
    TEuroMillonNums block(1, 50, 5, 5);
    Fill(block, {9});
    Counted counted;
    block.OnChange = counted.Handler();
    block.LoadFromStream(stream);
    EXPECT_EQ(block.Values(), (TEuroMillonNumeros{3, 17, 40}));
    EXPECT_EQ(counted.changes, 1);
    EXPECT_EQ(stream.Position(), 18);
}

TEST(NumberBlock, DamagedListKeepsTheValuesReadSoFarAndTellsOnce)
{
    struct Case {
        const char *hex;
        const char *message;
    } cases[] = {
        {"01 02 03 02 11", "Stream read error"},
        {"01 02 03 06 00 00", "Invalid property value"},
        {"02 03", "Invalid property value"},
        {"", "Stream read error"},
    };
    for (const Case &c : cases) {
        TMemoryStream stream(FromHex(c.hex));
        TEuroMillonNums block(1, 50, 5, 5);
        Fill(block, {9});
        Counted counted;
        block.OnChange = counted.Handler();
        try {
            block.LoadFromStream(stream);
            FAIL() << c.hex;
        } catch (const EReadError &error) {
            EXPECT_STREQ(error.what(), c.message) << c.hex;
        }
        EXPECT_EQ(counted.changes, 1) << c.hex;
        EXPECT_EQ(block.IndexOf(9), -1);
        block.BeginUpdate(); // the load's bracket was closed
        block.EndUpdate();
        EXPECT_THROW(block.EndUpdate(), EUpdateError);
    }
}
