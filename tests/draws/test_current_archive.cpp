// The draw and archive files of today's game ("EMS2", "EMS3").
#include "current_edition_support.h"
#include "draws/draw.h"
#include "draws_test_support.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(const std::string &bytes, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += (text.empty() ? "" : " ") + bytes;
    return text;
}

std::string ArchiveBytes(const TSorteosEuroMillon &archive)
{
    TSorteosEuroMillon copy(archive.Edition());
    for (int i = archive.Count() - 1; i >= 0; --i)
        copy.AddSorteo(archive.Sorteo(i));
    TMemoryStream stream;
    copy.SaveToStream(stream);
    return stream.Bytes();
}

template <typename Action> std::string ErrorOf(Action action)
{
    try {
        action();
    } catch (const Exception &error) {
        return error.Message();
    }
    return "no error";
}

// A draw of today's game of 10 May 2011, winners 1 to 13 in categories 1 to 13.
TSorteoEuroMillonInfo May2011()
{
    TSorteoEuroMillonInfo draw = MakeDraw(DayOf(2011, 5, 10), {1, 2, 3, 4, 5}, {10, 11}, 12);
    for (int c = 1; c <= kMaxCategorias; ++c)
        draw.Acertantes[c] = c;
    return draw;
}

const std::string kClassicRefusal =
    "El archivo es del juego actual (estrellas 1 a 12); no puede leerse como juego clásico";
const std::string kCurrentRefusal =
    "El archivo es del juego clásico (estrellas 1 a 9); no puede leerse como juego actual";

} // namespace

TEST(CurrentArchive, ArchiveOfThirteenCategoriesIsLaidOutByteForByte)
{
    TSorteosEuroMillon archive(TGameEdition::Current);
    archive.AddSorteo(May2011());
    const std::string zeroCurrency = "10 00 00 00 00 00 00 00 00";
    std::string winners;
    for (int c = 1; c <= 13; ++c)
        winners += std::string(" 02 ") + ToHex(std::string(1, static_cast<char>(c)));
    const std::string expected = "45 4D 53 33 01 01 02 0C 11 00 00 00 00 20 DC E3 40 " + zeroCurrency + " " +
                                 zeroCurrency + " 01" + winners + " 00 01 " + Repeat(zeroCurrency, 13) +
                                 " 00 01 02 01 02 02 02 03 02 04 02 05 00 01 02 0A 02 0B 00 00 00";
    EXPECT_EQ(ToHex(ArchiveBytes(archive)), expected);
}

TEST(CurrentArchive, DrawsBeforeMay2011KeepTwelveCategories)
{
    TSorteosEuroMillon archive(TGameEdition::Current);
    TSorteoEuroMillonInfo old = MakeDraw(DayOf(2004, 3, 19), {3, 14, 22, 35, 48}, {2, 9}, 12);
    archive.AddSorteo(old);
    // The same bytes as the classic archive but for the signature.
    TSorteosEuroMillon classic;
    classic.AddSorteo(old);
    std::string expected = ArchiveBytes(classic);
    expected[3] = '3';
    EXPECT_EQ(ArchiveBytes(archive), expected);
}

TEST(CurrentArchive, SavedArchiveReloadsWithTwelveStarsAndTheThirteenthCategory)
{
    TTempFolder folder;
    const std::string path = folder.Path("actual.emx");
    TSorteosEuroMillon archive(TGameEdition::Current);
    TSorteoEuroMillonInfo today = MakeDraw(DayOf(2026, 5, 19), {2, 12, 20, 38, 45}, {2, 12}, 1947);
    today.Acertantes[13] = 858994;
    today.PremioCategoria[13] = 43000;
    archive.AddSorteo(today);
    archive.AddSorteo(May2011());
    archive.AddSorteo(MakeDraw(DayOf(2004, 2, 13), {16, 29, 32, 36, 41}, {7, 9}, 1));
    archive.SaveToFile(path);

    TSorteosEuroMillon loaded(TGameEdition::Current);
    loaded.LoadFromFile(path);
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(loaded.Sorteo(0), today);
    EXPECT_EQ(loaded.Sorteo(1), May2011());
    EXPECT_EQ(loaded.Sorteo(2).ApuestaGanadora.Estrellas, (TEuroMillonNumeros{7, 9}));
    EXPECT_EQ(FileBytes(path).substr(0, 4), "EMS3");
}

TEST(CurrentArchive, EachReaderRefusesTheOtherEditionsArchiveClearly)
{
    TTempFolder folder;
    TSorteosEuroMillon current(TGameEdition::Current);
    current.AddSorteo(May2011());
    current.SaveToFile(folder.Path("actual.emx"));
    TSorteosEuroMillon classic;
    classic.AddSorteo(MakeDraw(DayOf(2004, 2, 13), {16, 29, 32, 36, 41}, {7, 9}, 1));
    classic.SaveToFile(folder.Path("clasico.emx"));

    TSorteosEuroMillon classicReader;
    classicReader.AddSorteo(MakeDraw(DayOf(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}));
    EXPECT_THROW(classicReader.LoadFromFile(folder.Path("actual.emx")), EDrawEditionError);
    EXPECT_EQ(ErrorOf([&] { classicReader.LoadFromFile(folder.Path("actual.emx")); }), kClassicRefusal);
    EXPECT_EQ(classicReader.Count(), 0); // emptied, as for any file that is not its archive
    EXPECT_FALSE(classicReader.Busy());

    TSorteosEuroMillon currentReader(TGameEdition::Current);
    EXPECT_EQ(ErrorOf([&] { currentReader.LoadFromFile(folder.Path("clasico.emx")); }), kCurrentRefusal);
    EXPECT_EQ(ErrorOf([&] { currentReader.LoadFromFile(folder.Path("actual.emx")); }), "no error");
    EXPECT_EQ(currentReader.Count(), 1);
}

TEST(CurrentArchive, DrawFilesOfTodaysGameAreReadOnlyAsSuch)
{
    TTempFolder folder;
    WriteFileBytes(folder.Path("actual.ems"), DrawFileBytes(May2011(), TGameEdition::Current));
    TSorteoEuroMillon current(TGameEdition::Current);
    current.LoadFromFile(folder.Path("actual.ems"));
    TSorteoEuroMillonInfo info;
    current.GetInfo(info);
    EXPECT_EQ(info, May2011());

    TSorteoEuroMillon classic;
    EXPECT_EQ(ErrorOf([&] { classic.LoadFromFile(folder.Path("actual.ems")); }), kClassicRefusal);
    WriteFileBytes(folder.Path("clasico.ems"),
                   DrawFileBytes(MakeDraw(DayOf(2004, 2, 13), {1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_EQ(ErrorOf([&] { current.LoadFromFile(folder.Path("clasico.ems")); }), kCurrentRefusal);
    WriteFileBytes(folder.Path("otro.ems"), "EMS9");
    EXPECT_EQ(ErrorOf([&] { current.LoadFromFile(folder.Path("otro.ems")); }),
              "No es un formato de archivo válido");
}

TEST(CurrentArchive, FolderImportTakesItsOwnEditionsDrawFilesOnly)
{
    TTempFolder folder;
    WriteFileBytes(folder.Path("actual.ems"), DrawFileBytes(May2011(), TGameEdition::Current));
    WriteFileBytes(folder.Path("clasico.ems"),
                   DrawFileBytes(MakeDraw(DayOf(2004, 2, 13), {1, 2, 3, 4, 5}, {1, 2})));
    EXPECT_EQ(ImportarSorteos(folder.Root(), TGameEdition::Current), 1);
    EXPECT_EQ(ImportarSorteos(folder.Root(), TGameEdition::Classic), 1);
    TSorteosEuroMillon current(TGameEdition::Current);
    current.LoadFromFile(folder.Path(kNombreArchivoSorteosActual));
    ASSERT_EQ(current.Count(), 1);
    EXPECT_EQ(current.Sorteo(0), May2011());
    TSorteosEuroMillon classic;
    classic.LoadFromFile(folder.Path(kNombreArchivoSorteos));
    ASSERT_EQ(classic.Count(), 1);
    EXPECT_EQ(FormatFechaIso(classic.Sorteo(0).FechaSorteo), "2004-02-13");
}

TEST(CurrentArchive, DamagedBlocksRaiseAndKeepTheDrawsReadBefore)
{
    TSorteosEuroMillon archive(TGameEdition::Current);
    archive.AddSorteo(MakeDraw(DayOf(2004, 2, 13), {16, 29, 32, 36, 41}, {7, 9}, 1));
    archive.AddSorteo(May2011());
    const std::string whole = ArchiveBytes(archive);

    // Cut anywhere inside the second block (the older draw, written last).
    for (size_t cut : {whole.size() - 2, whole.size() - 20, whole.size() / 2 + 40}) {
        TMemoryStream stream;
        stream.WriteBuffer(whole.data(), cut);
        stream.SetPosition(0);
        TSorteosEuroMillon loaded(TGameEdition::Current);
        EXPECT_THROW(loaded.LoadFromStream(stream), EReadError) << cut;
        EXPECT_EQ(loaded.Count(), 1) << cut;
        EXPECT_FALSE(loaded.Busy());
    }

    // A block of May 2011 with only twelve categories (as a classic draw
    // object writes it) is not one of today's game.
    TMemoryStream stream;
    stream.WriteBuffer("EMS3", 4);
    {
        TWriter writer(stream);
        writer.PutListStart();
        TSorteoEuroMillon twelve;
        twelve.SetInfo(May2011());
        twelve.WriteToStream(stream, writer);
        writer.PutListEnd();
    }
    stream.SetPosition(0);
    TSorteosEuroMillon loaded(TGameEdition::Current);
    EXPECT_THROW(loaded.LoadFromStream(stream), EReadError);
    EXPECT_EQ(loaded.Count(), 0);
}

TEST(CurrentArchive, ClassicReaderDropsNoStarItCannotHold)
{
    // A classic draw object never holds a star above 9; today's holds 12.
    TSorteoEuroMillon classic;
    TSorteoEuroMillon current(TGameEdition::Current);
    const TSorteoEuroMillonInfo info = MakeDraw(DayOf(2026, 5, 19), {2, 12, 20, 38, 45}, {2, 12});
    classic.SetInfo(info);
    current.SetInfo(info);
    TSorteoEuroMillonInfo out;
    current.GetInfo(out);
    EXPECT_EQ(out.ApuestaGanadora.Estrellas, (TEuroMillonNumeros{2, 12}));
    classic.GetInfo(out);
    EXPECT_EQ(out.ApuestaGanadora.Estrellas, (TEuroMillonNumeros{2}));
}

TEST(CurrentArchive, ACategoryTheDrawDoesNotHaveIsKeptAtZero)
{
    TSorteoEuroMillonInfo old = MakeDraw(DayOf(2010, 5, 7), {1, 2, 3, 4, 5}, {1, 2});
    old.Acertantes[13] = 5;
    old.PremioCategoria[13] = 40000;
    TSorteosEuroMillon current(TGameEdition::Current);
    current.AddSorteo(old);
    current.AddSorteos({May2011()});
    TSorteoEuroMillonInfo may = May2011();
    may.PremioCategoria[13] = 43000;
    current.ReplaceSorteo(0, may);
    EXPECT_EQ(current.Sorteo(1).Acertantes[13], 0);
    EXPECT_EQ(current.Sorteo(1).PremioCategoria[13], 0);
    EXPECT_EQ(current.Sorteo(0).PremioCategoria[13], 43000);
    TSorteosEuroMillon classic;
    TSorteoEuroMillonInfo classicDraw = may;
    classicDraw.FechaSorteo = DayOf(2011, 5, 6);
    classic.AddSorteo(classicDraw);
    EXPECT_EQ(classic.Sorteo(0).Acertantes[13], 0);
}
