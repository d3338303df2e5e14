#include "framework/edition_setting.h"

#include "framework/parametres.h"

#include <gtest/gtest.h>

TEST(EditionSetting, AbsentMeansClassicAndReadingCreatesNothing)
{
    TParametres prm;
    EXPECT_EQ(SavedEdition(prm), TGameEdition::Classic);
    EXPECT_FALSE(prm.Exists(PRM_GAME_EDITION));
    EXPECT_EQ(prm.Count(), 0);
}

TEST(EditionSetting, SavedAsItsKeyAndMarkedForSaving)
{
    TParametres prm;
    SaveEdition(prm, TGameEdition::Current);
    ASSERT_TRUE(prm.Exists(PRM_GAME_EDITION));
    EXPECT_EQ(prm.ReadString(PRM_GAME_EDITION, ""), "current");
    EXPECT_TRUE(prm.Entry(prm.IndexOf(PRM_GAME_EDITION)).Save);
    EXPECT_EQ(SavedEdition(prm), TGameEdition::Current);

    SaveEdition(prm, TGameEdition::Classic);
    EXPECT_EQ(prm.ReadString(PRM_GAME_EDITION, ""), "classic");
    EXPECT_EQ(SavedEdition(prm), TGameEdition::Classic);
    EXPECT_EQ(prm.Count(true), 1);
}

TEST(EditionSetting, AnythingElseStoredMeansClassic)
{
    TParametres prm;
    for (const Variant &stored : {Variant(std::string("Current")), Variant(std::string("")),
                                  Variant(std::string("actual")), Variant(int32_t{1}), Variant(true)}) {
        prm.SetValor(PRM_GAME_EDITION, stored);
        EXPECT_EQ(SavedEdition(prm), TGameEdition::Classic);
    }
}
