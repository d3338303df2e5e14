#include "draws/draw.h"
#include "draws/draw_archive.h"
#include "draws/draw_date.h"
#include "draws/draw_files.h"
#include "draws/draw_history_import.h"
#include "draws_test_support.h"
#include "framework/program_path.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <csignal>
#include <random>
#include <sys/resource.h>

namespace {

double Day(int year, int month, int day)
{
    double fecha = 0;
    EncodeFecha(year, month, day, fecha);
    return fecha;
}

std::vector<double> Dates(const TSorteosEuroMillon &archive)
{
    std::vector<double> dates;
    for (int i = 0; i < archive.Count(); ++i)
        dates.push_back(archive.Sorteo(i).FechaSorteo);
    return dates;
}

std::string ArchiveBytes(TSorteosEuroMillon &archive)
{
    TMemoryStream stream;
    archive.SaveToStream(stream);
    return stream.Bytes();
}

void FillThree(TSorteosEuroMillon &archive)
{
    archive.AddSorteo(MakeDraw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}, 2));
    archive.AddSorteo(MakeDraw(Day(2004, 2, 13), {16, 29, 32, 36, 41}, {7, 9}, 1));
    archive.AddSorteo(MakeDraw(Day(2004, 2, 27), {10, 20, 30, 40, 50}, {8, 9}, 3));
}

} // namespace

TEST(DrawArchive, NewestFirstOneDrawPerWholeDay)
{
    TSorteosEuroMillon archive;
    FillThree(archive);
    EXPECT_EQ(Dates(archive), (std::vector<double>{Day(2004, 2, 27), Day(2004, 2, 20), Day(2004, 2, 13)}));

    archive.AddSorteo(MakeDraw(Day(2004, 3, 5) + 0.77, {1, 2, 3, 4, 5}, {1, 2}, 4)); // 18:30
    EXPECT_EQ(archive.Sorteo(0).FechaSorteo, Day(2004, 3, 5));
    EXPECT_EQ(archive.IndexOfFecha(Day(2004, 3, 5) + 0.375), 0);
    EXPECT_EQ(archive.IndexOfFecha(Day(2004, 2, 13)), 3);
    EXPECT_EQ(archive.IndexOfFecha(Day(2004, 2, 14)), -1);
    EXPECT_EQ(archive.IndexOfFecha(std::numeric_limits<double>::quiet_NaN()), -1);

    // A second draw of a day overwrites the first, in place.
    archive.AddSorteo(MakeDraw(Day(2004, 2, 20) + 0.5, {6, 7, 8, 9, 10}, {3, 4}, 22));
    EXPECT_EQ(archive.Count(), 4);
    EXPECT_EQ(archive.Sorteo(2).NumeroSorteo, 22);
    EXPECT_EQ(archive.Sorteo(2).FechaSorteo, Day(2004, 2, 20));

    EXPECT_THROW(archive.AddSorteo(MakeDraw(std::numeric_limits<double>::quiet_NaN(), {}, {})),
                 EDrawDateError);
    EXPECT_THROW(archive.AddSorteo(MakeDraw(1e12, {}, {})), EDrawDateError);
    EXPECT_EQ(archive.Count(), 4);
}

TEST(DrawArchive, ReplaceDeleteAndIndexes)
{
    TSorteosEuroMillon archive;
    FillThree(archive);
    archive.ReplaceSorteo(0, MakeDraw(Day(2004, 2, 20), {}, {}, 99)); // another day: nothing
    EXPECT_EQ(archive.Sorteo(0).NumeroSorteo, 3);
    archive.ReplaceSorteo(0, MakeDraw(Day(2004, 2, 27) + 0.9, {}, {}, 99));
    EXPECT_EQ(archive.Sorteo(0).NumeroSorteo, 99);
    EXPECT_EQ(archive.Sorteo(0).FechaSorteo, Day(2004, 2, 27));

    TSorteoEuroMillonInfo copy;
    archive.GetSorteo(2, copy);
    EXPECT_EQ(copy.NumeroSorteo, 1);
    EXPECT_THROW(archive.GetSorteo(3, copy), EListError);
    EXPECT_THROW(archive.GetSorteo(-1, copy), EListError);
    EXPECT_THROW(archive.DeleteSorteo(3), EListError);
    EXPECT_THROW(archive.ReplaceSorteo(5, copy), EListError);
    archive.DeleteSorteo(1);
    EXPECT_EQ(Dates(archive), (std::vector<double>{Day(2004, 2, 27), Day(2004, 2, 13)}));
}

TEST(DrawArchive, KeepRangeIncludesBothBounds)
{
    TSorteosEuroMillon archive;
    FillThree(archive);
    archive.KeepRange(Day(2004, 2, 20) + 0.9, Day(2004, 2, 27) + 0.1);
    EXPECT_EQ(Dates(archive), (std::vector<double>{Day(2004, 2, 27), Day(2004, 2, 20)}));
    archive.KeepRange(Day(2004, 2, 20), Day(2004, 2, 20));
    EXPECT_EQ(Dates(archive), (std::vector<double>{Day(2004, 2, 20)}));
    archive.KeepRange(Day(2004, 2, 21), Day(2004, 2, 19));
    EXPECT_EQ(archive.Count(), 0);
}

TEST(DrawArchive, EmptyArchiveIsSixBytesAndAMissingFileLoadsNothing)
{
    TTempFolder folder;
    TSorteosEuroMillon archive;
    archive.LoadFromFile(folder.Path("none.emx"));
    EXPECT_EQ(archive.Count(), 0);
    std::string path = folder.Path("Sorteos/QOREuroMillonSorteos.emx"); // the folder is created
    archive.SaveToFile(path);
    EXPECT_EQ(ToHex(FileBytes(path)), "45 4D 53 31 01 00");

    FillThree(archive);
    archive.LoadFromFile(folder.Path("none.emx"));
    EXPECT_EQ(archive.Count(), 3); // a missing file leaves the content
    std::filesystem::create_directory(folder.Path("folder.emx"));
    EXPECT_NO_THROW(archive.LoadFromFile(folder.Path("folder.emx")));
    EXPECT_EQ(archive.Count(), 3); // so does a folder of that name
    archive.LoadFromFile(path);
    EXPECT_EQ(archive.Count(), 0);
}

TEST(DrawArchive, SavedArchiveReloadsFieldForField)
{
    TTempFolder folder;
    TSorteosEuroMillon archive;
    FillThree(archive);
    TSorteoEuroMillonInfo rich = MakeDraw(Day(2011, 5, 6), {11, 16, 20, 22, 28}, {4, 9}, 378);
    for (int c = 1; c <= kNumCategorias; ++c) {
        rich.Acertantes[c] = c * 1000 + 7;
        rich.PremioCategoria[c] = CurrencyFromUnits(1000000) / c + 1;
    }
    rich.Recaudacion = INT64_MAX;
    rich.ImportePremios = INT64_MIN;
    archive.AddSorteo(rich);
    archive.SaveToFile(folder.Path("a.emx"));

    TSorteosEuroMillon back;
    back.LoadFromFile(folder.Path("a.emx"));
    ASSERT_EQ(back.Count(), archive.Count());
    for (int i = 0; i < archive.Count(); ++i)
        EXPECT_EQ(back.Sorteo(i), archive.Sorteo(i)) << i;
    EXPECT_EQ(ArchiveBytes(back), FileBytes(folder.Path("a.emx")));
}

TEST(DrawArchive, TwoBlocksOfOneDayLoadAsTheSecond)
{
    TSorteosEuroMillon first, second;
    first.AddSorteo(MakeDraw(Day(2004, 2, 13), {1, 2, 3, 4, 5}, {1, 2}, 1));
    second.AddSorteo(MakeDraw(Day(2004, 2, 13) + 0.25, {6, 7, 8, 9, 10}, {3, 4}, 2));
    std::string a = ArchiveBytes(first), b = ArchiveBytes(second);
    // Signature and list start of a, its block, b's block, the list end.
    TMemoryStream joined(a.substr(0, a.size() - 1) + b.substr(5));
    TSorteosEuroMillon archive;
    archive.LoadFromStream(joined);
    ASSERT_EQ(archive.Count(), 1);
    EXPECT_EQ(archive.Sorteo(0).NumeroSorteo, 2);
    EXPECT_EQ(archive.Sorteo(0).FechaSorteo, Day(2004, 2, 13));
}

TEST(DrawArchive, DamagedFilesRaiseTheirErrorsAndKeepWhatWasRead)
{
    TSorteosEuroMillon source;
    FillThree(source);
    std::string bytes = ArchiveBytes(source);
    TSorteosEuroMillon archive;
    for (size_t length = 0; length < bytes.size(); ++length) {
        TMemoryStream prefix(bytes.substr(0, length));
        archive.AddSorteo(MakeDraw(Day(2011, 4, 29), {}, {}));
        if (length < 4)
            EXPECT_THROW(archive.LoadFromStream(prefix), EDrawFormatError) << length;
        else
            EXPECT_THROW(archive.LoadFromStream(prefix), EReadError) << length;
        EXPECT_FALSE(archive.Busy());
        // Emptied first, then the whole draws before the cut are kept.
        EXPECT_EQ(archive.Count(), length == bytes.size() - 1 ? 3
                                   : archive.Count() < 3      ? archive.Count()
                                                              : -1);
        EXPECT_EQ(archive.IndexOfFecha(Day(2011, 4, 29)), -1);
    }

    TMemoryStream drawFile("EMS0" + bytes.substr(4));
    EXPECT_THROW(archive.LoadFromStream(drawFile), EDrawFormatError);

    // Hostile: an endless list of numbers, and random garbage after the signature.
    std::string endless = bytes.substr(0, 5);
    TMemoryStream endlessStream(endless + std::string(100000, '\x01'));
    EXPECT_THROW(archive.LoadFromStream(endlessStream), EReadError);
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string garbage = "EMS1";
        for (int i = 0; i < 300; ++i)
            garbage += static_cast<char>(random() & 0xFF);
        TMemoryStream stream(garbage);
        EXPECT_THROW(archive.LoadFromStream(stream), Exception);
    }
    // One flipped byte anywhere in a good file: an error or a loaded archive, never a crash.
    for (size_t i = 4; i < bytes.size(); ++i) {
        std::string flipped = bytes;
        flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
        TMemoryStream stream(flipped);
        try {
            archive.LoadFromStream(stream);
        } catch (const Exception &) {
        }
        EXPECT_FALSE(archive.Busy());
    }
}

TEST(DrawArchive, FailingSaveLeavesThePreviousArchive)
{
    TTempFolder folder;
    std::string path = folder.Path("a.emx");
    TSorteosEuroMillon archive;
    FillThree(archive);
    archive.SaveToFile(path);
    std::string before = FileBytes(path);

    TSorteosEuroMillon bigger;
    for (int i = 0; i < 378; ++i)
        bigger.AddSorteo(MakeDraw(Day(2004, 2, 13) + 7 * i, {1, 2, 3, 4, 5}, {1, 2}, i + 1));
    // The system refuses to let files grow past 64 bytes while the save runs.
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit tiny = previous;
    tiny.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tiny);
    bool failed = false;
    try {
        bigger.SaveToFile(path);
    } catch (const Exception &) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(failed);
    EXPECT_FALSE(bigger.Busy());
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), {}), 1); // no leftovers
}

TEST(DrawFiles, ImportMergesEveryDrawFileOfTheFolder)
{
    TTempFolder folder;
    std::string sorteos = folder.Path("Sorteos");
    TSorteosEuroMillon archive;
    FillThree(archive);
    archive.SaveToFile(sorteos + "/" + kNombreArchivoSorteos);

    auto writeDrawFile = [&](const std::string &name, const TSorteoEuroMillonInfo &info) {
        WriteFileBytes(sorteos + "/" + name, DrawFileBytes(info));
    };
    writeDrawFile("new.ems", MakeDraw(Day(2004, 3, 5), {5, 6, 7, 8, 9}, {5, 6}, 4));
    writeDrawFile("OLD.EMS", MakeDraw(Day(2004, 2, 13), {1, 2, 3, 4, 6}, {1, 3}, 100));
    WriteFileBytes(sorteos + "/notes.txt", "not a draw");
    EXPECT_EQ(ImportarSorteos(sorteos), 2);

    TSorteosEuroMillon merged;
    merged.LoadFromFile(sorteos + "/" + kNombreArchivoSorteos);
    ASSERT_EQ(merged.Count(), 4);
    EXPECT_EQ(merged.Sorteo(0).NumeroSorteo, 4);
    EXPECT_EQ(merged.Sorteo(3).NumeroSorteo, 100);

    // A foreign file named like a draw file stops the import; the archive stays.
    std::string before = FileBytes(sorteos + "/" + kNombreArchivoSorteos);
    WriteFileBytes(sorteos + "/zz.ems", "garbage");
    EXPECT_THROW(ImportarSorteos(sorteos), EDrawFormatError);
    EXPECT_EQ(FileBytes(sorteos + "/" + kNombreArchivoSorteos), before);

    // No folder at all: nothing read, an empty archive written.
    TTempFolder fresh;
    EXPECT_EQ(ImportarSorteos(fresh.Path("Sorteos")), 0);
    EXPECT_EQ(ToHex(FileBytes(fresh.Path("Sorteos/QOREuroMillonSorteos.emx"))), "45 4D 53 31 01 00");
}

TEST(DrawHistory, PublishedHistoryRoundTripsThroughTheArchive)
{
    std::string csv = std::string(QOR_HISTORY_DIR) + "/euromillions.csv";
    ASSERT_TRUE(std::filesystem::exists(csv)) << "missing history " << csv;
    TTempFolder folder;
    std::string path = folder.Path("Sorteos/QOREuroMillonSorteos.emx");
    TImportResult result = ImportHistoryCsv(csv, path);
    EXPECT_EQ(result.Anadidos, 378);
    EXPECT_EQ(result.Reemplazados, 0);
    EXPECT_EQ(result.Descartados, 0);

    TSorteosEuroMillon archive;
    archive.LoadFromFile(path);
    ASSERT_EQ(archive.Count(), 378);
    const TSorteoEuroMillonInfo &newest = archive.Sorteo(0);
    const TSorteoEuroMillonInfo &oldest = archive.Sorteo(377);
    EXPECT_EQ(FormatFechaIso(newest.FechaSorteo), "2011-05-06");
    EXPECT_EQ(newest.NumeroSorteo, 378);
    EXPECT_EQ(FormatFechaIso(oldest.FechaSorteo), "2004-02-13");
    EXPECT_EQ(oldest.NumeroSorteo, 1);
    EXPECT_EQ(oldest.ApuestaGanadora.Numeros, (TEuroMillonNumeros{16, 29, 32, 36, 41}));
    EXPECT_EQ(oldest.ApuestaGanadora.Estrellas, (TEuroMillonNumeros{7, 9}));
    EXPECT_EQ(oldest.Recaudacion, 0);
    for (int i = 0; i < archive.Count(); ++i) {
        const TSorteoEuroMillonInfo &draw = archive.Sorteo(i);
        Currency sum = 0;
        for (int c = 1; c <= kNumCategorias; ++c)
            sum += draw.PremioCategoria[c] * draw.Acertantes[c];
        EXPECT_EQ(draw.ImportePremios, sum);
        EXPECT_EQ(DiaDeLaSemana(draw.FechaSorteo), 5);
    }
    // Saved again it gives the same bytes, and importing again replaces every day.
    TMemoryStream again;
    archive.SaveToStream(again);
    EXPECT_EQ(again.Bytes(), FileBytes(path));
    result = ImportHistoryCsv(csv, path);
    EXPECT_EQ(result.Anadidos, 0);
    EXPECT_EQ(result.Reemplazados, 378);
    EXPECT_EQ(FileBytes(path), again.Bytes());
}

TEST(DrawFiles, ArchiveLivesInTheSorteosFolderBesideTheProgram)
{
    TTempFolder folder;
    SetProgramFilePath(folder.Path("qor-euromillon"));
    EXPECT_EQ(ArchivoSorteos(), folder.Path("Sorteos/QOREuroMillonSorteos.emx"));
    EXPECT_EQ(ImportarSorteos(), 0);
    EXPECT_EQ(ToHex(FileBytes(ArchivoSorteos())), "45 4D 53 31 01 00");
    SetProgramFilePath("");
}

namespace {

// An archive file holding the draws in the order given, whatever it is.
std::string ArchiveFileOf(const std::vector<TSorteoEuroMillonInfo> &draws)
{
    TMemoryStream stream;
    stream.WriteBuffer(kArchiveFileSignature, sizeof kArchiveFileSignature);
    {
        TWriter writer(stream);
        writer.PutListStart();
        TSorteoEuroMillon scratch;
        for (const auto &info : draws) {
            scratch.SetInfo(info);
            scratch.WriteToStream(stream, writer);
        }
        writer.PutListEnd();
    }
    return stream.Bytes();
}

} // namespace

TEST(DrawArchive, FileInAnyOrderLoadsAsAddingItsDrawsOneByOne)
{
    std::mt19937 random(31);
    for (int round = 0; round < 300; ++round) {
        std::vector<TSorteoEuroMillonInfo> draws;
        TSorteosEuroMillon expected;
        int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) {
            double day = Day(2004, 2, 13) + static_cast<double>(random() % 6) + (random() % 2 ? 0.5 : 0);
            draws.push_back(MakeDraw(day, {1 + static_cast<int>(random() % 45), 46, 47, 48, 49}, {1, 9}, i));
            expected.AddSorteo(draws.back());
        }
        std::string bytes = ArchiveFileOf(draws);
        TSorteosEuroMillon archive;
        TMemoryStream stream(bytes);
        archive.LoadFromStream(stream);
        ASSERT_EQ(ArchiveBytes(archive), ArchiveBytes(expected)) << round;

        // Cut short, the draws read before the cut are settled the same way.
        size_t cut = bytes.size() / 2;
        TMemoryStream prefix(bytes.substr(0, cut));
        EXPECT_THROW(archive.LoadFromStream(prefix), EReadError);
        for (int i = 1; i < archive.Count(); ++i)
            EXPECT_GT(archive.Sorteo(i - 1).FechaSorteo, archive.Sorteo(i).FechaSorteo);
    }
}

TEST(DrawArchive, ManyDrawsOldestFirstLoadNewestFirst)
{
    std::vector<TSorteoEuroMillonInfo> draws;
    for (int i = 0; i < 50000; ++i)
        draws.push_back(MakeDraw(Day(1900, 1, 1) + i, {1, 2, 3, 4, 5}, {1, 2}, i));
    TMemoryStream stream(ArchiveFileOf(draws));
    TSorteosEuroMillon archive;
    archive.LoadFromStream(stream);
    // Only the classic game's days are kept: 13 February 2004 to 6 May 2011.
    const int first = static_cast<int>(Day(2004, 2, 13) - Day(1900, 1, 1));
    const int last = static_cast<int>(Day(2011, 5, 6) - Day(1900, 1, 1));
    ASSERT_EQ(archive.Count(), last - first + 1);
    EXPECT_EQ(archive.Sorteo(0).NumeroSorteo, last);
    EXPECT_EQ(archive.Sorteo(archive.Count() - 1).NumeroSorteo, first);
    EXPECT_EQ(archive.IndexOfFecha(Day(2004, 2, 13) + 100), last - first - 100);
}

TEST(DrawArchive, AddingManyAtOnceMatchesAddingOneByOne)
{
    std::mt19937 random(47);
    for (int round = 0; round < 300; ++round) {
        TSorteosEuroMillon bulk, single;
        for (int i = 0; i < static_cast<int>(random() % 4); ++i) {
            auto held =
                MakeDraw(Day(2004, 2, 13) + static_cast<double>(random() % 6), {1, 2, 3, 4, 5}, {1, 2}, -i);
            bulk.AddSorteo(held);
            single.AddSorteo(held);
        }
        std::vector<TSorteoEuroMillonInfo> draws;
        int replaced = 0;
        for (int i = 0; i < static_cast<int>(random() % 10); ++i) {
            draws.push_back(MakeDraw(Day(2004, 2, 13) + static_cast<double>(random() % 8) + 0.25,
                                     {6, 7, 8, 9, 10}, {3, 4}, i));
            replaced += single.IndexOfFecha(draws.back().FechaSorteo) >= 0 ? 1 : 0;
            single.AddSorteo(draws.back());
        }
        EXPECT_EQ(bulk.AddSorteos(draws), replaced) << round;
        ASSERT_EQ(ArchiveBytes(bulk), ArchiveBytes(single)) << round;
    }

    // A date that is not one stops the adding after the draws before it.
    TSorteosEuroMillon archive;
    std::vector<TSorteoEuroMillonInfo> draws{MakeDraw(Day(2004, 2, 13), {}, {}, 1),
                                             MakeDraw(1e300, {}, {}, 2),
                                             MakeDraw(Day(2004, 2, 20), {}, {}, 3)};
    EXPECT_THROW(archive.AddSorteos(draws), EDrawDateError);
    ASSERT_EQ(archive.Count(), 1);
    EXPECT_EQ(archive.Sorteo(0).NumeroSorteo, 1);
}
