#include "framework/parametres.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <typename Fn> std::string ErrorOf(Fn &&fn)
{
    try {
        fn();
    } catch (const EParametresError &error) {
        return error.what();
    }
    return "<no EParametresError>";
}

} // namespace

TEST(Parametres, NamesAreCheckedBeforeAnEntryIsCreated)
{
    TParametres prm;
    EXPECT_EQ(ErrorOf([&] { prm.SetValor("", 1); }), "NomParametre is null");
    EXPECT_EQ(ErrorOf([&] { prm.SetValor("PRM X", 1); }),
              "Character \" \" is not a valid char in NomParametre PRM X");
    EXPECT_EQ(ErrorOf([&] { prm.SetValor("1PRM", 1); }), "Parametre 1PRM can't start with 1");
    // Both faults: the invalid character wins.
    EXPECT_EQ(ErrorOf([&] { prm.SetValor("9A-B", 1); }),
              "Character \"-\" is not a valid char in NomParametre 9A-B");
    EXPECT_EQ(ErrorOf([&] { prm.GetValor("PRM_Ñ"); }),
              "Character \"Ñ\" is not a valid char in NomParametre PRM_Ñ");
    EXPECT_EQ(prm.Count(), 0);

    prm.SetValor("_ok_9", 1);
    EXPECT_TRUE(prm.Exists("_OK_9"));
}

TEST(Parametres, NamesIgnoreLetterCaseButKeepTheirFirstSpelling)
{
    TParametres prm;
    prm.SetValor("prm_x", "a");
    prm.SetValor("PRM_X", "b");
    EXPECT_EQ(prm.Count(), 1);
    EXPECT_EQ(prm.Entry(0).Name, "prm_x");
    EXPECT_EQ(prm.ReadString("Prm_X", ""), "b");
    EXPECT_EQ(prm.IndexOf("PRM_Y"), -1);
}

TEST(Parametres, UnknownNamesFailWhenCreationIsOff)
{
    TParametres prm;
    prm.CreaAutomaticParams = false;
    EXPECT_EQ(ErrorOf([&] { prm.GetValor("PRM_A"); }), "Parametre \"PRM_A\" not found");
    EXPECT_EQ(ErrorOf([&] { prm.SetValor("PRM_A", 1); }), "Parametre \"PRM_A\" not found");
    EXPECT_EQ(ErrorOf([&] { prm.ReadInteger("PRM_A", 3); }), "Parametre \"PRM_A\" not found");
    EXPECT_EQ(prm.Count(), 0);
}

TEST(Parametres, FirstReadCreatesTheEntryWithTheDefaultUnsaved)
{
    TParametres prm;
    EXPECT_EQ(prm.ReadInteger("PRM_PRINTBOL_IANGULO", 1), 1);
    ASSERT_EQ(prm.Count(), 1);
    EXPECT_EQ(prm.Entry(0).Value, Variant(1));
    EXPECT_TRUE(prm.Entry(0).OldValue.IsNull());
    EXPECT_FALSE(prm.Entry(0).Save);
    EXPECT_EQ(prm.Count(true), 0);

    // GetValor of an unknown name creates it holding null.
    EXPECT_TRUE(prm.GetValor("PRM_NEW").IsNull());
    EXPECT_TRUE(prm.Entry(1).Value.IsNull());
    EXPECT_TRUE(prm.Entry(1).OldValue.IsEmpty());
}

TEST(Parametres, SaveMarks)
{
    TParametres prm;
    prm.SetValor("PRM_A", 1);
    prm.SetValor("PRM_B", 2);
    prm.SetSaveList({"PRM_A", "PRM_ABSENT", "prm_b"}, true);
    EXPECT_EQ(prm.Count(true), 2);
    EXPECT_FALSE(prm.Exists("PRM_ABSENT"));
    EXPECT_EQ(ErrorOf([&] { prm.SetSave("PRM_ABSENT", true); }), "Parametre PRM_ABSENT doesn't exists ");
    prm.SetSave("PRM_A", false);
    EXPECT_EQ(prm.Count(true), 1);
}

TEST(Parametres, ChangeTestComparesTextForms)
{
    TParametres prm;
    std::vector<std::string> sets;
    prm.OnSetValorPRM = [&](TParametres &, const std::string &name, const Variant &) {
        sets.push_back(name);
    };

    prm.SetValor("PRM_A", Variant::Null()); // null into a fresh entry: nothing
    EXPECT_TRUE(sets.empty());
    prm.SetValor("PRM_A", ""); // null to the empty text is a change
    EXPECT_EQ(sets.size(), 1u);
    EXPECT_EQ(prm.Entry(0).Value.Kind(), VarType::varString);

    prm.SetValor("PRM_D", 1.0);
    prm.SetValor("PRM_D", 1); // same text "1": the double stays
    EXPECT_EQ(prm.Entry(1).Value.Kind(), VarType::varDouble);
    prm.SetValor("PRM_D", "1");
    EXPECT_EQ(prm.Entry(1).Value.Kind(), VarType::varDouble);
    EXPECT_EQ(sets.size(), 2u);

    prm.SetValor("PRM_D", 2.5);
    EXPECT_EQ(prm.Entry(1).OldValue, Variant(1.0));
    EXPECT_EQ(prm.Entry(1).Value, Variant(2.5));
    prm.SetValor("PRM_D", "a");
    prm.SetValor("PRM_D", "A"); // letter case counts
    EXPECT_EQ(prm.Entry(1).OldValue, Variant("a"));
}

TEST(Parametres, ChangeHandlerDecidesAndItsFailureComesAfterTheCommit)
{
    TParametres prm;
    prm.SetValor("PRM_A", 1);
    prm.OnChangeValorPRM = [](TParametres &, const std::string &, const Variant &value, bool &go) {
        go = value != Variant(5);
    };
    prm.SetValor("PRM_A", 5);
    EXPECT_EQ(prm.Entry(0).Value, Variant(1));
    prm.SetValor("PRM_A", 1); // forced although unchanged
    EXPECT_EQ(prm.Entry(0).OldValue, Variant(1));

    bool notified = false;
    prm.OnSetValorPRM = [&](TParametres &, const std::string &, const Variant &) { notified = true; };
    prm.OnChangeValorPRM = [](TParametres &, const std::string &, const Variant &, bool &) {
        throw Exception("handler failed");
    };
    EXPECT_THROW(prm.SetValor("PRM_A", 7), Exception);
    EXPECT_EQ(prm.Entry(0).Value, Variant(7));
    EXPECT_TRUE(notified);
}

TEST(Parametres, HandlersThatAddEntriesDoNotBreakTheCommit)
{
    TParametres prm;
    int added = 0;
    prm.OnSetValorPRM = [&](TParametres &self, const std::string &, const Variant &) {
        if (added < 100)
            self.SetValor("PRM_EXTRA" + std::to_string(added++), 1);
    };
    prm.SetValor("PRM_A", 2);
    EXPECT_EQ(prm.Count(), 101);
    EXPECT_EQ(prm.Entry(0).Value, Variant(2));
}

TEST(Parametres, GetHandlerMayReplaceTheResult)
{
    TParametres prm;
    prm.SetValor("PRM_A", 1);
    prm.OnGetValorPRM = [](TParametres &, const std::string &name, Variant &value) {
        if (name == "PRM_A")
            value = Variant(42);
    };
    EXPECT_EQ(prm.ReadInteger("PRM_A", 0), 42);
    EXPECT_EQ(prm.GetValor("PRM_A"), Variant(42));
    EXPECT_EQ(prm.Entry(0).Value, Variant(1));
}

TEST(Parametres, TypedGettersFallBackToTheDefault)
{
    TParametres prm;
    prm.SetValor("PRM_TEXT", "no boolean");
    EXPECT_FALSE(prm.ReadBoolean("PRM_TEXT", false));
    EXPECT_TRUE(prm.ReadBoolean("PRM_TEXT", true));
    EXPECT_EQ(prm.ReadInteger("PRM_TEXT", 9), 9);
    EXPECT_EQ(prm.ReadDateTime("PRM_TEXT", 2.5), 2.5);
    EXPECT_EQ(prm.Entry(0).Value, Variant("no boolean"));

    prm.GetValor("PRM_NULL");
    EXPECT_EQ(prm.ReadInteger("PRM_NULL", 4), 4);
    EXPECT_EQ(prm.ReadString("PRM_NULL", "x"), "");

    prm.SetValor("PRM_BIG", 1e20);
    EXPECT_EQ(prm.ReadInteger("PRM_BIG", -3), -3);
    prm.SetValor("PRM_NUM", "12");
    EXPECT_EQ(prm.ReadInteger("PRM_NUM", 0), 12);
    prm.SetValor("PRM_BOOL", "true");
    EXPECT_TRUE(prm.ReadBoolean("PRM_BOOL", false));
}

TEST(Parametres, ReadStringGivesEachKindsText)
{
    TParametres prm;
    prm.SetValor("PRM_I", Variant::Smallint(-12));
    prm.SetValor("PRM_D", 0.1);
    prm.SetValor("PRM_S", 0.1f);
    prm.SetValor("PRM_C", Variant::Currency(12345));
    prm.SetValor("PRM_DAY", Variant::DateTime(45000));
    prm.SetValor("PRM_TIME", Variant::DateTime(45000.75));
    prm.SetValor("PRM_OLD", Variant::DateTime(-1.25));
    prm.SetValor("PRM_B", true);
    prm.SetValor("PRM_BAD_DATE", Variant::DateTime(1e12));
    EXPECT_EQ(prm.ReadString("PRM_I", ""), "-12");
    EXPECT_EQ(prm.ReadString("PRM_D", ""), "0.1");
    EXPECT_EQ(prm.ReadString("PRM_S", ""), "0.1");
    EXPECT_EQ(prm.ReadString("PRM_C", ""), "1.2345");
    EXPECT_EQ(prm.ReadString("PRM_DAY", ""), "15/03/2023");
    EXPECT_EQ(prm.ReadString("PRM_TIME", ""), "15/03/2023 18:00:00");
    EXPECT_EQ(prm.ReadString("PRM_OLD", ""), "29/12/1899 06:00:00");
    EXPECT_EQ(prm.ReadString("PRM_B", ""), "True");
    EXPECT_EQ(prm.ReadString("PRM_BAD_DATE", "fallback"), "fallback");
    EXPECT_DOUBLE_EQ(prm.ReadDateTime("PRM_TIME", 0), 45000.75);
    prm.SetValor("PRM_DATE_TEXT", "15/03/2023 18:00:00");
    EXPECT_DOUBLE_EQ(prm.ReadDateTime("PRM_DATE_TEXT", 0), 45000.75);
}

TEST(Parametres, AssignCopiesFlagsValuesAndMarks)
{
    TParametres source;
    source.CreaAutomaticParams = false;
    source.SaveParametres = true;
    source.CreaAutomaticParams = true;
    source.SetValor("PRM_A", 1);
    source.SetValor("PRM_A", 2);
    source.SetValor("PRM_B", "x");
    source.SetSave("PRM_B", true);
    int gets = 0;
    source.OnGetValorPRM = [&](TParametres &, const std::string &, Variant &) { ++gets; };

    TParametres copy;
    copy.SetValor("PRM_OWN", 5);
    copy.Assign(source);
    EXPECT_EQ(gets, 2);
    EXPECT_TRUE(copy.SaveParametres);
    EXPECT_TRUE(static_cast<bool>(copy.OnGetValorPRM));
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Entry(1).Value, Variant(2));
    EXPECT_EQ(copy.Entry(1).OldValue, Variant(1));
    EXPECT_FALSE(copy.Entry(1).Save);
    EXPECT_TRUE(copy.Entry(2).Save);
    EXPECT_EQ(copy.Entry(0).Value, Variant(5));

    copy.Assign(copy); // a store copied onto itself stays as it was
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Entry(1).Value, Variant(2));
}

TEST(Parametres, GlobalStoreIsOneObject)
{
    EXPECT_EQ(&Parametres(), &Parametres());
    EXPECT_TRUE(Parametres().CreaAutomaticParams);
    EXPECT_FALSE(Parametres().SaveParametres);
}
