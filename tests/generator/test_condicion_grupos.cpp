#include "generator/condicion_grupos.h"
#include "generator_test_support.h"

#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

const char *kOneDefaultConditionHex =
    "01 01 09 02 01 02 00 03 F0 00 02 00 02 05 02 00 02 05 02 00 02 05 01 02 01 02 02 00 06 00 00 00";

TEuroMillonCondicionGrupo Group(int block, std::initializer_list<int> numbers)
{
    TEuroMillonCondicionGrupo c = CondicionGrupoDefecto;
    c.Bloque = block;
    c.Numeros.assign(numbers.begin(), numbers.end());
    return c;
}

TEuroMillonCondicionGrupo Range(int block, int first, int last)
{
    TEuroMillonCondicionGrupo c = CondicionGrupoDefecto;
    c.Bloque = block;
    for (int n = first; n <= last; ++n)
        c.Numeros.push_back(n);
    return c;
}

std::unique_ptr<TEuroMillonApuesta> BetOf(std::initializer_list<int> numbers,
                                          std::initializer_list<int> stars)
{
    auto bet = std::make_unique<TEuroMillonApuesta>();
    bet->FromMask(MaskOf(numbers, stars));
    return bet;
}

std::string Saved(const TEuroMillonCondicionGrupos &list)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        list.GuardarEnStream(writer);
    }
    return stream.Bytes();
}

void Load(TEuroMillonCondicionGrupos &list, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    TReader reader(stream);
    list.LeerDeStream(reader);
}

} // namespace

TEST(CondicionGrupo, DefaultsAreTheWidestBounds)
{
    const TEuroMillonCondicionGrupo &d = CondicionGrupoDefecto;
    EXPECT_TRUE(d.Activa);
    EXPECT_EQ(d.Bloque, 1);
    EXPECT_TRUE(d.Nombre.empty());
    EXPECT_TRUE(d.Numeros.empty());
    EXPECT_EQ(d.SumMin, 0);
    EXPECT_EQ(d.SumMax, 240);
    EXPECT_EQ(d.AciertosMax, 5);
    EXPECT_EQ(d.ParesMax, 5);
    EXPECT_EQ(d.ImparesMax, 5);
}

TEST(CondicionGrupos, StreamFormOfOneDefaultConditionIsExact)
{
    TEuroMillonCondicionGrupos list;
    list.Add(Group(1, {1, 2}));
    EXPECT_EQ(ToHex(Saved(list)), kOneDefaultConditionHex);

    TEuroMillonCondicionGrupos back;
    Load(back, FromHex(kOneDefaultConditionHex));
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Condicion(0), Group(1, {1, 2}));
}

TEST(CondicionGrupos, RoundTripKeepsEveryFieldAndTheStreamOrder)
{
    TEuroMillonCondicionGrupos list;
    TEuroMillonCondicionGrupo c = Group(2, {1, 9});
    c.Activa = false;
    c.Nombre = "Estrellas añadidas";
    c.SumMin = -3;
    c.SumMax = 100000;
    c.AciertosMin = 1;
    c.AciertosMax = 2;
    c.ParesMin = 0;
    c.ParesMax = 1;
    c.ImparesMin = 1;
    c.ImparesMax = 2;
    list.Add(c);
    list.Add(Range(1, 1, 50));
    TEuroMillonCondicionGrupos back;
    Load(back, Saved(list));
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Condicion(0), c);
    EXPECT_EQ(back.Condicion(1), Range(1, 1, 50));
    EXPECT_EQ(back.ID(0), 1);
    EXPECT_EQ(back.ID(1), 2);
}

TEST(CondicionGrupos, ReadingToleratesAMissingNameAndRepeatedNumbers)
{
    // Entry: true, nine integers, numbers 7 3 7, no name.
    std::string entry =
        "01 09 02 01 02 00 03 F0 00 02 00 02 05 02 00 02 05 02 00 02 05 01 02 07 02 03 02 07 00 00";
    TEuroMillonCondicionGrupos list;
    list.Add(Group(1, {5}));
    Load(list, FromHex("01 " + entry + " 00"));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Condicion(0).Numeros, (TEuroMillonNumeros{3, 7}));
    EXPECT_EQ(list.Condicion(0).Nombre, "");
}

TEST(CondicionGrupos, DamagedStreamsRaiseAndKeepTheEntriesReadBefore)
{
    TEuroMillonCondicionGrupos source;
    source.Add(Group(1, {1, 2}));
    source.Add(Group(2, {3}));
    const std::string bytes = Saved(source);
    for (size_t length = 0; length < bytes.size(); ++length) {
        TEuroMillonCondicionGrupos list;
        list.Add(Group(1, {40}));
        EXPECT_THROW(Load(list, bytes.substr(0, length)), EReadError) << "prefix " << length;
        EXPECT_LE(list.Count(), 2);
        if (list.Count() > 0) {
            EXPECT_EQ(list.Condicion(0), Group(1, {1, 2}));
        }
    }
    TEuroMillonCondicionGrupos list;
    EXPECT_THROW(Load(list, "\x01\x06\x03"
                            "abc"),
                 EReadError);                                        // a text where an entry should start
    EXPECT_THROW(Load(list, std::string(5000, '\x01')), EReadError); // lists that never end
}

TEST(CondicionGrupos, AHostileListOfManyNumbersLoadsQuickly)
{
    std::string bytes = FromHex("01 01 09 02 01 02 00 03 F0 00 02 00 02 05 02 00 02 05 02 00 02 05 01");
    for (int32_t n = 200000; n > 0; --n) {
        bytes += '\x04';
        bytes.append(reinterpret_cast<const char *>(&n), 4);
    }
    bytes += FromHex("00 00 00");
    TEuroMillonCondicionGrupos list;
    Load(list, bytes);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Condicion(0).Numeros.size(), 200000u);
    EXPECT_EQ(list.Condicion(0).Numeros.front(), 1);
}

TEST(CondicionGrupos, IdentifiersFillTheSmallestGap)
{
    TEuroMillonCondicionGrupos list;
    list.Add(Group(1, {1}));
    list.Add(Group(1, {2}));
    list.Add(Group(1, {3}));
    list.Delete(1);
    list.Add(Group(1, {4}));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ID(1), 2);
    EXPECT_EQ(list.Condicion(1).Numeros, (TEuroMillonNumeros{4}));

    list.Delete(0);
    list.Add(Group(1, {5}));
    EXPECT_EQ(list.ID(0), 1);
    EXPECT_EQ(list.Condicion(0).Numeros, (TEuroMillonNumeros{5}));
    EXPECT_EQ(list.IndexOfID(3), 2);
    EXPECT_EQ(list.IndexOfID(9), -1);
}

TEST(CondicionGrupos, IndexErrorsLeaveTheListAlone)
{
    TEuroMillonCondicionGrupos list;
    list.Add(Group(1, {1}));
    try {
        list.SetCondicion(1, Group(1, {2}));
        FAIL();
    } catch (const EListError &error) {
        EXPECT_EQ(error.Message(), "Index SetCondicion out of range");
    }
    EXPECT_THROW(list.SetCondicion(-1, Group(1, {2})), EListError);
    EXPECT_THROW(list.Condicion(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Cumplen(3), EListError);
    EXPECT_EQ(list.Count(), 1);
    list.SetCondicion(0, Group(2, {2}));
    EXPECT_EQ(list.Condicion(0), Group(2, {2}));
    EXPECT_EQ(list.ID(0), 1);
}

TEST(CondicionGrupos, NamesAndSummaries)
{
    TEuroMillonCondicionGrupos list;
    list.Add(Group(2, {1, 9}));
    list.Add(Group(1, {3, 12, 27}));
    list.Add(Group(1, {}));
    TEuroMillonCondicionGrupo named = Group(1, {1});
    named.Nombre = "Bajos";
    list.Add(named);
    EXPECT_EQ(list.NombreCondicion(0), "(Sin nombre) B:2 N:1.9");
    EXPECT_EQ(list.Resumen(1), "B:1 N:3.12.27");
    EXPECT_EQ(list.Resumen(2), "B:1 N:");
    EXPECT_EQ(list.NombreCondicion(3), "Bajos");
}

TEST(CondicionGrupos, VerdictCountsOnlyTheCoincidingValues)
{
    TEuroMillonCondicionGrupos list;
    TEuroMillonCondicionGrupo low = Range(1, 1, 10);
    low.AciertosMax = 2;
    list.Add(low);
    EXPECT_FALSE(list.CumpleCondiciones(*BetOf({1, 2, 3, 20, 30}, {1, 2})));
    EXPECT_TRUE(list.CumpleCondiciones(*BetOf({1, 2, 20, 30, 40}, {1, 2})));

    TEuroMillonCondicionGrupos middle;
    TEuroMillonCondicionGrupo c = Range(1, 10, 20);
    c.AciertosMin = 1;
    middle.Add(c);
    EXPECT_FALSE(middle.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2})));

    TEuroMillonCondicionGrupos stars;
    TEuroMillonCondicionGrupo s = Group(2, {1, 2});
    s.AciertosMin = 2;
    stars.Add(s);
    EXPECT_TRUE(stars.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_TRUE(stars.CumpleCondiciones(*BetOf({46, 47, 48, 49, 50}, {1, 2})));
    EXPECT_FALSE(stars.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 3})));
}

TEST(CondicionGrupos, SumEvenAndOddBounds)
{
    TEuroMillonCondicionGrupos list;
    TEuroMillonCondicionGrupo c = Range(1, 1, 50);
    c.SumMin = 15;
    c.SumMax = 15;
    c.ParesMax = 2;
    c.ImparesMin = 3;
    list.Add(c);
    EXPECT_TRUE(list.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_FALSE(list.CumpleCondiciones(*BetOf({1, 2, 3, 4, 6}, {1, 2}))); // sum 16
    c.SumMax = 240;
    c.SumMin = 0;
    list.SetCondicion(0, c);
    EXPECT_FALSE(list.CumpleCondiciones(*BetOf({2, 4, 6, 7, 9}, {1, 2}))); // three even
    EXPECT_TRUE(list.CumpleCondiciones(*BetOf({2, 4, 5, 7, 9}, {1, 2})));
}

TEST(CondicionGrupos, EveryConditionIsEvaluatedAndCounted)
{
    TEuroMillonCondicionGrupos list;
    TEuroMillonCondicionGrupo rejectAll = Range(1, 1, 50);
    rejectAll.AciertosMax = 0;
    list.Add(rejectAll);
    list.Add(Range(1, 1, 50));
    TEuroMillonCondicionGrupo inactive = rejectAll;
    inactive.Activa = false;
    list.Add(inactive);

    EXPECT_FALSE(list.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_FALSE(list.CumpleCondiciones(*BetOf({1, 2, 3, 4, 6}, {1, 2})));
    EXPECT_EQ(list.Cumplen(0), 0);
    EXPECT_EQ(list.Cumplen(1), 2);
    EXPECT_EQ(list.Evaluadas(1), 2);
    EXPECT_EQ(list.Cumplen(2), 0);
    EXPECT_EQ(list.Evaluadas(2), 2);

    list.Delete(0);
    EXPECT_TRUE(list.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2}))) << "inactive failures do not count";
    EXPECT_EQ(list.Evaluadas(1), 3);
    list.ResetContadores();
    EXPECT_EQ(list.Cumplen(0), 0);
    EXPECT_EQ(list.Evaluadas(1), 0);

    TEuroMillonCondicionGrupos empty;
    EXPECT_TRUE(empty.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2})));
}

TEST(CondicionGrupos, ConditionsOnAMissingBlockRaise)
{
    TEuroMillonCondicionGrupos list;
    list.Add(Group(3, {1}));
    EXPECT_THROW(list.CumpleCondiciones(*BetOf({1, 2, 3, 4, 5}, {1, 2})), EBetError);
    EXPECT_THROW(list.MaskConditions(), EBetError);
}

TEST(CondicionGrupos, MaskFormGivesTheSameVerdicts)
{
    TEuroMillonCondicionGrupos list;
    TEuroMillonCondicionGrupo c = Group(1, {-4, 1, 7, 8, 12, 30, 49, 50, 51, 1000});
    c.AciertosMin = 1;
    c.SumMax = 60;
    c.ParesMin = 1;
    list.Add(c);
    TEuroMillonCondicionGrupo s = Group(2, {0, 2, 3, 9, 10});
    s.ImparesMax = 1;
    list.Add(s);
    TConditionFilter filter(list.MaskConditions());
    int accepted = 0;
    for (int a = 1; a <= 46; a += 3)
        for (int star = 1; star <= 8; ++star) {
            auto bet = BetOf({a, a + 1, a + 2, a + 3, a + 4}, {star, star + 1});
            bool expected = list.CumpleCondiciones(*bet);
            ASSERT_EQ(filter.Accepts(bet->ToMask()), expected) << bet->AsText();
            accepted += expected;
        }
    EXPECT_GT(accepted, 0);
    EXPECT_EQ(filter.Passed(0), list.Cumplen(0));
    EXPECT_EQ(filter.Passed(1), list.Cumplen(1));
}

TEST(ConditionFilter, BlockwiseVerdictsMatchWholeBetVerdictsForShortAndLongLists)
{
    std::mt19937 random(11);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (size_t count : {1u, 3u, 10u, 11u, 64u}) {
        std::vector<TMaskCondition> conditions;
        for (size_t i = 0; i < count; ++i) {
            TMaskCondition c;
            c.block = pick(1, 2);
            c.active = pick(0, 4) != 0;
            for (int v = 1; v <= (c.block == 1 ? 50 : 9); ++v)
                if (pick(0, 2) == 0)
                    c.group |= c.block == 1 ? NumberBit(v) : StarBit(v);
            c.hitsMin = pick(0, 1);
            c.hitsMax = pick(1, 3);
            c.evenMax = pick(0, 3);
            c.sumMax = pick(20, 240);
            conditions.push_back(c);
        }
        TConditionFilter whole(conditions);
        TConditionFilter blockwise(conditions);
        ASSERT_TRUE(blockwise.UsesPassBits());
        int accepted = 0;
        for (int round = 0; round < 3000; ++round) {
            BetMask numbers = 0;
            while (CountNumbers(numbers) < 5)
                numbers |= NumberBit(pick(1, 50));
            BetMask stars = 0;
            while (CountStars(stars) < 2)
                stars |= StarBit(pick(1, 9));
            const bool expected = whole.Accepts(numbers | stars);
            ASSERT_EQ(
                blockwise.AcceptsPassBits(blockwise.PassBits(1, numbers) | blockwise.PassBits(2, stars)),
                expected);
            accepted += expected;
        }
        for (size_t i = 0; i < count; ++i)
            ASSERT_EQ(blockwise.Passed(i), whole.Passed(i)) << count << " conditions, condition " << i;
        if (count <= 3) {
            EXPECT_GT(accepted, 0);
        }
    }
    EXPECT_FALSE(TConditionFilter(std::vector<TMaskCondition>(65)).UsesPassBits());
}
