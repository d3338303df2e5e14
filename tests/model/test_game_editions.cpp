#include "framework/localize.h"
#include "model/combination_helpers.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/game_rules.h"
#include "model/memory_stream.h"
#include "support/hex_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Saved(TEuroMillonApuestas &combination)
{
    TMemoryStream stream;
    combination.SaveToStream(stream);
    return stream.Bytes();
}

std::string LoadError(TEuroMillonApuestas &combination, const std::string &bytes,
                      TEditionOnLoad onLoad = TEditionOnLoad::Require)
{
    TMemoryStream stream(bytes);
    try {
        combination.LoadFromStream(stream, onLoad);
        return "";
    } catch (const Exception &error) {
        return error.what();
    }
}

// "abc" holding 03.15.27.41.50-02.09, then 01.02.03.04.05-10.12.
const std::string kCurrentFile = "45 4D 41 32 06 03 61 62 63 01"
                                 " 01 02 03 02 0F 02 1B 02 29 02 32 00 01 02 02 02 09 00"
                                 " 01 02 01 02 02 02 03 02 04 02 05 00 01 02 0A 02 0C 00 00";

} // namespace

TEST(GameRules, EditionsDifferInStarsCategoriesAndNames)
{
    const TGameRules &classic = GameRules(TGameEdition::Classic);
    const TGameRules &current = GameRules(TGameEdition::Current);
    EXPECT_EQ(classic.HighestStar, 9);
    EXPECT_EQ(classic.CategoryCount, 12);
    EXPECT_EQ(classic.StarBits, kStarBits);
    EXPECT_EQ(current.HighestStar, 12);
    EXPECT_EQ(current.CategoryCount, 13);
    EXPECT_EQ(current.StarBits, kAnyStarBits);
    EXPECT_EQ(CountStars(current.StarBits), 12);
    EXPECT_EQ(current.StarBits & kNumberBits, 0u);

    EXPECT_EQ(EditionFromKey(EditionKey(TGameEdition::Current)), TGameEdition::Current);
    EXPECT_EQ(EditionFromKey(EditionKey(TGameEdition::Classic)), TGameEdition::Classic);
    EXPECT_FALSE(EditionFromKey("Current").has_value());
    EXPECT_FALSE(EditionFromKey("").has_value());
    EXPECT_EQ(EditionName(TGameEdition::Classic), "clásico");
    EXPECT_EQ(EditionName(TGameEdition::Current), "actual");
}

TEST(GameRules, BetsHoldTheStarsOfTheirEdition)
{
    TEuroMillonApuesta classic;
    classic.FromMask(BetOf("01.02.03.04.05-09.12"));
    EXPECT_EQ(classic.AsText(), "01.02.03.04.05-09");

    TEuroMillonApuesta current(TGameEdition::Current);
    current.FromMask(BetOf("01.02.03.04.05-09.12"));
    EXPECT_EQ(current.AsText(), "01.02.03.04.05-09.12");
    EXPECT_TRUE(current.IsValid());
    EXPECT_EQ(current.ToMask(), BetOf("01.02.03.04.05-09.12"));

    // Back to the classic game: the star it cannot hold goes, once told.
    int changes = 0;
    current.OnChange = [&](void *) { ++changes; };
    current.SetEdition(TGameEdition::Classic);
    EXPECT_EQ(current.AsText(), "01.02.03.04.05-09");
    EXPECT_EQ(changes, 1);
    current.SetEdition(TGameEdition::Current);
    EXPECT_EQ(changes, 1);

    TEuroMillonApuestaMult selection(TGameEdition::Current);
    selection.FromMask(kNumberBits | kAnyStarBits);
    EXPECT_EQ(selection.Block(2).Count(), 12);
    EXPECT_EQ(selection.SimpleBetCount(), 2118760LL * 66);
}

TEST(GameEditionFiles, ClassicFilesKeepTheirSignatureAndCurrentOnesAreTagged)
{
    TEuroMillonApuestas current(TGameEdition::Current);
    current.SetName("abc");
    AddBet(current, "03.15.27.41.50-02.09");
    AddBet(current, "01.02.03.04.05-10.12");
    EXPECT_EQ(ToHex(Saved(current)), kCurrentFile);

    TEuroMillonApuestas again(TGameEdition::Current);
    EXPECT_EQ(LoadError(again, FromHex(kCurrentFile)), "");
    EXPECT_EQ(again.Masks(), current.Masks());
    EXPECT_EQ(again.Name(), "abc");

    TEuroMillonApuestas classic;
    AddBet(classic, "03.15.27.41.50-02.09");
    EXPECT_EQ(ToHex(Saved(classic)).substr(0, 11), "45 4D 41 30");
}

TEST(GameEditionFiles, AFileOfTheOtherGameIsRefusedUnlessAdopted)
{
    TEuroMillonApuestas classic;
    classic.SetName("kept");
    AddBet(classic, "01.02.03.04.05-01.02");
    classic.SetModified(false);
    EXPECT_EQ(LoadError(classic, FromHex(kCurrentFile)),
              "El archivo es del juego actual (estrellas 1 a 12); no puede leerse como juego clásico");
    // Refused before anything changed: no star dropped, nothing lost.
    EXPECT_EQ(classic.Name(), "kept");
    EXPECT_EQ(BetTexts(classic), "01.02.03.04.05-01.02");
    EXPECT_FALSE(classic.Modified());
    EXPECT_EQ(classic.Edition(), TGameEdition::Classic);

    TEuroMillonApuestas current(TGameEdition::Current);
    TEuroMillonApuestas source;
    AddBet(source, "03.15.27.41.50-02.09");
    EXPECT_EQ(LoadError(current, Saved(source)),
              "El archivo es del juego clásico (estrellas 1 a 9); no puede leerse como juego actual");
    EXPECT_EQ(current.Count(), 0);

    EXPECT_EQ(LoadError(classic, FromHex(kCurrentFile), TEditionOnLoad::Adopt), "");
    EXPECT_EQ(classic.Edition(), TGameEdition::Current);
    EXPECT_EQ(BetTexts(classic), "03.15.27.41.50-02.09 01.02.03.04.05-10.12");
    EXPECT_EQ(classic.WorkingBet().Edition(), TGameEdition::Current);
}

TEST(GameEditionFiles, TheClassicReaderDropsStarsAboveNineOnlyInClassicFiles)
{
    // A classic file holding star 12 (written by hand): dropped as ever.
    TEuroMillonApuestas classic;
    EXPECT_EQ(LoadError(classic, FromHex("45 4D 41 30 06 00 01 01 02 01 02 02 02 03 02 04 02 05 00"
                                         " 01 02 01 02 0C 00 00")),
              "");
    EXPECT_EQ(BetTexts(classic), "01.02.03.04.05-01");
}

TEST(GameEditionFiles, AFileSavedAndOpenedKeepsItsEdition)
{
    const TTempFolder folder("qor-edition-test");
    const std::filesystem::path path = folder.Path("edition.aem");
    TEuroMillonApuestas current(TGameEdition::Current);
    AddBet(current, "10.20.30.40.50-11.12");
    current.SaveToFile(path.string());

    TEuroMillonApuestas opened;
    EXPECT_THROW(opened.LoadFromFile(path.string()), EReadError);
    EXPECT_TRUE(opened.FileName().empty());
    opened.LoadFromFile(path.string(), {}, TEditionOnLoad::Adopt);
    EXPECT_EQ(opened.Edition(), TGameEdition::Current);
    EXPECT_EQ(BetTexts(opened), "10.20.30.40.50-11.12");
}

TEST(GameEditionCombinations, BetsDoNotCrossBetweenGames)
{
    TEuroMillonApuestas current(TGameEdition::Current);
    AddBet(current, "01.02.03.04.05-11.12");
    TEuroMillonApuestas classic;
    AddBet(classic, "06.07.08.09.10-01.02");
    EXPECT_THROW(classic.InsertRange(current, 0, 0, -1), EListError);
    EXPECT_EQ(BetTexts(classic), "06.07.08.09.10-01.02");
    EXPECT_THROW(classic.SetEdition(TGameEdition::Current), EListError);

    // Appending masks keeps only the stars of the combination's game.
    const BetMask wide = BetOf("01.02.03.04.05-11.12");
    classic.AppendMasks(&wide, 1);
    EXPECT_EQ(MaskToText(classic.Mask(1)), "01.02.03.04.05-");
    current.AppendMasks(&wide, 1);
    EXPECT_EQ(MaskToText(current.Mask(1)), "01.02.03.04.05-11.12");

    // An empty combination may change its game; its working bet follows.
    TEuroMillonApuestas fresh;
    fresh.SetEdition(TGameEdition::Current);
    AddBet(fresh, "01.02.03.04.05-10.11");
    EXPECT_EQ(BetTexts(fresh), "01.02.03.04.05-10.11");

    TEuroMillonApuestas adopter;
    adopter.Adopt(fresh);
    EXPECT_EQ(adopter.Edition(), TGameEdition::Current);
    EXPECT_EQ(BetTexts(adopter), "01.02.03.04.05-10.11");
}

TEST(GameEditionCombinations, TakingBetsMovesThemAndRefusesTheOtherGame)
{
    TEuroMillonApuestas generated(TGameEdition::Current);
    AddBet(generated, "01.02.03.04.05-11.12");
    AddBet(generated, "06.07.08.09.10-01.10");
    const BetMask *storage = generated.Masks().data();

    TEuroMillonApuestas classic;
    EXPECT_THROW(classic.TakeBets(generated), EListError);
    EXPECT_EQ(generated.Count(), 2);

    TEuroMillonApuestas empty(TGameEdition::Current);
    int changes = 0;
    empty.OnChange = [&](void *) { ++changes; };
    empty.TakeBets(generated);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(empty.Modified());
    EXPECT_EQ(empty.Masks().data(), storage) << "moved, not copied";
    EXPECT_EQ(BetTexts(empty), "01.02.03.04.05-11.12 06.07.08.09.10-01.10");
    EXPECT_EQ(generated.Count(), 0);

    TEuroMillonApuestas more(TGameEdition::Current);
    AddBet(more, "11.12.13.14.15-02.03");
    empty.TakeBets(more);
    EXPECT_EQ(BetTexts(empty), "01.02.03.04.05-11.12 06.07.08.09.10-01.10 11.12.13.14.15-02.03");
    EXPECT_EQ(more.Count(), 0);
    empty.OnChange = nullptr;
}
