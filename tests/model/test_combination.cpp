#include "model/combination_helpers.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Listener {
    int changes = 0;
    int nameChanges = 0;
    std::vector<int> beforeStore;
    void Attach(TEuroMillonApuestas &combination)
    {
        combination.OnChange = [this, &combination](void *sender) {
            EXPECT_EQ(sender, &combination);
            ++changes;
        };
        combination.OnNameChange = [this](void *) { ++nameChanges; };
    }
};

void FillNumbered(TEuroMillonApuestas &combination, int count)
{
    for (int i = 1; i <= count; ++i)
        AddBet(combination, std::to_string(i) + ".20.30.40.50-01.02");
}

} // namespace

TEST(Combination, StartsEmpty)
{
    TEuroMillonApuestas combination;
    EXPECT_EQ(combination.Count(), 0);
    EXPECT_EQ(combination.Current(), -1);
    EXPECT_EQ(combination.Name(), "");
    EXPECT_EQ(combination.FileName(), "");
    EXPECT_FALSE(combination.Modified());
}

TEST(Combination, InsertAppendsOutsideTheListAndShiftsInside)
{
    TEuroMillonApuestas combination;
    Listener listener;
    listener.Attach(combination);
    combination.WorkingBet().FromMask(BetOf("01.02.03.04.05-01.02"));
    EXPECT_EQ(combination.Insert(-1), 0);
    combination.WorkingBet().FromMask(BetOf("06.07.08.09.10-03.04"));
    EXPECT_EQ(combination.Insert(combination.Count()), 1);
    combination.WorkingBet().FromMask(BetOf("11.12.13.14.15-05.06"));
    EXPECT_EQ(combination.Insert(99), 2);
    combination.WorkingBet().FromMask(BetOf("16.17.18.19.20-07.08"));
    EXPECT_EQ(combination.Insert(0), 0);
    EXPECT_EQ(combination.Current(), 0);
    EXPECT_EQ(BetTexts(combination), "16.17.18.19.20-07.08 01.02.03.04.05-01.02 06.07.08.09.10-03.04 "
                                     "11.12.13.14.15-05.06");
    EXPECT_EQ(listener.changes, 4);
    EXPECT_TRUE(combination.Modified());
}

TEST(Combination, StoreOverwritesInsideAndAppendsOutside)
{
    TEuroMillonApuestas combination;
    FillNumbered(combination, 3);
    std::vector<int> positions;
    combination.OnBeforeStore = [&](void *, int position) { positions.push_back(position); };
    combination.Bet(1).Block(2).Remove(2);
    combination.WorkingBet().Block(2).Add(9);
    EXPECT_EQ(combination.Store(1), 1);
    EXPECT_EQ(MaskToText(combination.Mask(1)), "02.20.30.40.50-01.09");
    EXPECT_EQ(combination.Store(-1), 3);
    EXPECT_EQ(combination.Store(7), 4);
    EXPECT_EQ(positions, (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(combination.Current(), 4);
}

TEST(Combination, ErrorFromBeforeStoreCancelsTheStore)
{
    TEuroMillonApuestas combination;
    FillNumbered(combination, 2);
    Listener listener;
    listener.Attach(combination);
    combination.OnBeforeStore = [](void *, int) { throw std::runtime_error("incomplete"); };
    combination.Bet(0).Block(1).Clear();
    EXPECT_THROW(combination.Store(0), std::runtime_error);
    EXPECT_THROW(combination.Insert(0), std::runtime_error);
    EXPECT_EQ(BetTexts(combination), "01.20.30.40.50-01.02 02.20.30.40.50-01.02");
    EXPECT_EQ(listener.changes, 0);
}

TEST(Combination, CurrentFollowsDeletions)
{
    TEuroMillonApuestas combination;
    FillNumbered(combination, 6);
    combination.SetCurrent(3);
    combination.Delete(5); // after: stays
    EXPECT_EQ(combination.Current(), 3);
    combination.Delete(0); // before: moves down
    EXPECT_EQ(combination.Current(), 2);
    combination.Delete(2); // the current one: none, the working bet keeps it
    EXPECT_EQ(combination.Current(), -1);
    EXPECT_EQ(MaskToText(combination.WorkingBet().ToMask()), "04.20.30.40.50-01.02");
    EXPECT_EQ(BetTexts(combination), "02.20.30.40.50-01.02 03.20.30.40.50-01.02 05.20.30.40.50-01.02");

    try {
        combination.Delete(3);
        FAIL();
    } catch (const EListError &error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (3)");
    }
    EXPECT_THROW(combination.Delete(-1), EListError);
    EXPECT_EQ(combination.Count(), 3);
}

TEST(Combination, RangeDeletionTellsOnceAndAdjustsCurrent)
{
    TEuroMillonApuestas combination;
    FillNumbered(combination, 10);
    Listener listener;
    listener.Attach(combination);
    combination.SetCurrent(8);
    combination.DeleteRange(2, 4);
    EXPECT_EQ(combination.Count(), 7);
    EXPECT_EQ(combination.Current(), 5);
    EXPECT_EQ(listener.changes, 1);
    combination.SetCurrent(1);
    combination.DeleteRange(0, 1);
    EXPECT_EQ(combination.Current(), -1);
    EXPECT_THROW(combination.DeleteRange(3, 2), EListError);
    EXPECT_THROW(combination.DeleteRange(0, 5), EListError);
    EXPECT_EQ(combination.Count(), 5);
    combination.DeleteRange(0, 4);
    EXPECT_EQ(combination.Count(), 0);
}

TEST(Combination, BetReloadsTheRecordEachTime)
{
    TEuroMillonApuestas combination;
    FillNumbered(combination, 3);
    combination.Bet(1).Block(1).Clear();
    EXPECT_EQ(combination.Bet(1).AsText(), "02.20.30.40.50-01.02");
    combination.WorkingBet().Block(1).Clear();
    combination.SetCurrent(1); // already current: nothing happens
    EXPECT_EQ(combination.WorkingBet().AsText(), "01.02");
    try {
        combination.SetCurrent(3);
        FAIL();
    } catch (const EListError &error) {
        EXPECT_STREQ(error.what(), "Index out of range \"TEuroMillonApuestas\"");
    }
    EXPECT_THROW(combination.Bet(3), EListError);
    combination.SetCurrent(-1);
    EXPECT_EQ(combination.Current(), -1);
}

TEST(Combination, InsertRangeCopiesInOneChange)
{
    TEuroMillonApuestas source;
    FillNumbered(source, 10);
    TEuroMillonApuestas target;
    AddBet(target, "44.45.46.47.48-08.09");
    Listener listener;
    listener.Attach(target);

    EXPECT_EQ(target.InsertRange(source, 5, 2, target.Count()), 0);
    EXPECT_EQ(listener.changes, 0);
    EXPECT_EQ(target.InsertRange(source, 0, 99, target.Count()), 10);
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(target.Count(), 11);
    EXPECT_EQ(target.Current(), 10);
    EXPECT_EQ(source.Current(), 9);
    EXPECT_EQ(target.WorkingBet().AsText(), "10.20.30.40.50-01.02");

    // Into the middle, each bet through the store check.
    std::vector<int> positions;
    target.OnBeforeStore = [&](void *, int position) { positions.push_back(position); };
    EXPECT_EQ(target.InsertRange(source, -4, 1, 1), 2);
    EXPECT_EQ(positions, (std::vector<int>{1, 2}));
    EXPECT_EQ(MaskToText(target.Mask(1)), "01.20.30.40.50-01.02");
    EXPECT_EQ(MaskToText(target.Mask(2)), "02.20.30.40.50-01.02");
    EXPECT_EQ(MaskToText(target.Mask(3)), "01.20.30.40.50-01.02");
    EXPECT_EQ(target.Current(), 2);
    EXPECT_EQ(source.Current(), 1);
    EXPECT_EQ(listener.changes, 2);
}

TEST(Combination, InsertRangeIntoItselfCopiesTheBetsAsTheyWere)
{
    TEuroMillonApuestas combination;
    FillNumbered(combination, 3);
    EXPECT_EQ(combination.InsertRange(combination, 0, 2, 0), 3);
    EXPECT_EQ(combination.Count(), 6);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(combination.Mask(i), combination.Mask(i + 3));
}

TEST(Combination, FindsCoveringBetsFromTheLast)
{
    TEuroMillonApuestas combination;
    AddBet(combination, "01.02.03.04.05-01.02");
    AddBet(combination, "01.02.03.10.11-01.05");
    AddBet(combination, "20.21.22.23.24-08.09");
    TEuroMillonApuesta bet;
    bet.FromMask(BetOf("01.02.03.04.05-01.02"));
    EXPECT_EQ(combination.FindCovering(bet, 5, 2), 0);
    EXPECT_EQ(combination.FindCovering(bet, 3, 1), 1);
    EXPECT_EQ(combination.FindCovering(bet, 3, 2), 0);
    EXPECT_EQ(combination.FindCovering(bet, 0, 0), 2);
    EXPECT_EQ(combination.FindCoveringTotal(bet, 7), 0);
    EXPECT_EQ(combination.FindCoveringTotal(bet, 4), 1);
    EXPECT_EQ(combination.FindCoveringTotal(bet, 8), -1);
    EXPECT_EQ(combination.FindCovering(BetOf("30.31.32.33.34-03.04"), 1, 0), -1);
    EXPECT_EQ(TEuroMillonApuestas().FindCovering(bet, 0, 0), -1);
}

TEST(Combination, NamesAndBracketsTellAsDocumented)
{
    TEuroMillonApuestas combination;
    Listener listener;
    listener.Attach(combination);
    combination.SetName("Semana");
    combination.SetName("Semana");
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(listener.nameChanges, 1);
    combination.SetModified(false);
    combination.SetFileName("/tmp/a.aem");
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(listener.nameChanges, 2);
    EXPECT_FALSE(combination.Modified());

    combination.Clear(); // only the name goes
    EXPECT_EQ(listener.changes, 2);
    combination.Clear(); // nothing left
    EXPECT_EQ(listener.changes, 2);
    EXPECT_EQ(combination.FileName(), "/tmp/a.aem");

    combination.BeginUpdate();
    FillNumbered(combination, 3);
    combination.BeginUpdate();
    combination.Delete(0);
    combination.EndUpdate();
    EXPECT_EQ(listener.changes, 2);
    combination.EndUpdate();
    EXPECT_EQ(listener.changes, 3);
    try {
        combination.EndUpdate();
        FAIL();
    } catch (const EUpdateError &error) {
        EXPECT_STREQ(error.what(), "Disable disorder \"TEuroMillonApuestas\"");
    }

    combination.WorkingBet().Block(1).Add(44); // the working bet tells no one
    EXPECT_EQ(listener.changes, 3);
    combination.Clear();
    EXPECT_EQ(listener.changes, 4);
    EXPECT_EQ(combination.Current(), -1);
}

TEST(Combination, DestructionTellsTheLastClear)
{
    int changes = 0;
    {
        TEuroMillonApuestas combination;
        FillNumbered(combination, 2);
        combination.OnChange = [&](void *) { ++changes; };
    }
    EXPECT_EQ(changes, 1);
}

TEST(Combination, AppendedMasksKeepWhatAPlainBetHolds)
{
    TEuroMillonApuestas combination;
    Listener listener;
    listener.Attach(combination);
    BetMask masks[] = {BetOf("01.02.03.04.05-01.02"), BetOf("01.02.03.04.05.06.07-01.02.03"),
                       BetMask{0xFFFFFFFFFFFFFFFF}, 0};
    combination.AppendMasks(masks, 4);
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(combination.Current(), -1);
    EXPECT_EQ(BetTexts(combination), "01.02.03.04.05-01.02 01.02.03.04.05-01.02 01.02.03.04.05-01.02 ");
    combination.AppendMasks(masks, 0);
    EXPECT_EQ(listener.changes, 1);
    combination.AppendMasks(combination.Masks().data(), 4); // from itself
    EXPECT_EQ(combination.Count(), 8);
    EXPECT_EQ(combination.Mask(5), combination.Mask(1));
}
