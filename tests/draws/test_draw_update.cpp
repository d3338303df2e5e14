// The results file as downloaded: a zip or a CSV taken into an archive, and
// every bad download refused with the archive left byte for byte.
#include "current_edition_support.h"
#include "zip_test_support.h"

#include "draws/draw_update.h"
#include "framework/localize.h"

#include <gtest/gtest.h>

namespace {

constexpr const char *kZipAddress = "http://127.0.0.1:1/euromillions_202002.zip";
constexpr const char *kCsvAddress = "http://127.0.0.1:1/euromillions_202002.csv";

// The default archive of today's game and the same without its 10 newest
// draws, written in the folder.
struct TArchives {
    TTempFolder folder;
    std::string full = folder.Path("full.emx");
    std::string cut = folder.Path("cut.emx");

    TArchives()
    {
        TSorteosEuroMillon sorteos(TGameEdition::Current);
        LoadDefaultCurrentArchive(sorteos);
        sorteos.SaveToFile(full);
        for (int i = 0; i < 10; ++i)
            sorteos.DeleteSorteo(0);
        sorteos.SaveToFile(cut);
    }
};

std::string SixthHistory()
{
    return ReadWholeFile(SixthHistoryPath());
}

// The fixed head of a text whose arguments follow "%s" or "%d".
std::string Head(uint16_t id)
{
    const std::string text = GetText(id);
    return text.substr(0, text.find('%'));
}

} // namespace

TEST(DrawUpdate, SixthHistoryBringsTheArchiveBackZippedOrPlain)
{
    TArchives archives;
    const std::string history = SixthHistory();
    ASSERT_GT(history.size(), 100000u);
    const std::string cut = ReadWholeFile(archives.cut);
    const std::vector<std::pair<std::string, std::string>> downloads = {
        {kZipAddress, MakeZip({{"euromillions_202002.csv", history}})}, {kCsvAddress, history}};
    for (const auto &[address, bytes] : downloads) {
        SCOPED_TRACE(address);
        WriteFileBytes(archives.cut, cut);
        int total = 0;
        const TImportReport informe =
            ImportDownload(bytes, address, archives.cut, TGameEdition::Current, &total);
        EXPECT_EQ(total, 1947);
        EXPECT_EQ(informe.Resultado.Anadidos, 10);
        EXPECT_EQ(informe.Resultado.Anadidos + informe.Resultado.Reemplazados, informe.Leidos);
        EXPECT_EQ(RefusedCount(informe), 0);
        EXPECT_EQ(ReadWholeFile(archives.cut), ReadWholeFile(archives.full));
        EXPECT_EQ(UpdateSummary(informe, total),
                  "new=10 replaced=" + std::to_string(informe.Resultado.Reemplazados) +
                      " refused=0 total=1947");
    }
}

TEST(DrawUpdate, BadDownloadsLeaveTheArchiveByteForByte)
{
    TArchives archives;
    const std::string zip = MakeZip({{"euromillions_202002.csv", SixthHistory()}});
    const std::string header = SixthHistory().substr(0, SixthHistory().find('\n') + 1);
    struct Case {
        const char *name;
        std::string bytes;
        std::string address;
        uint16_t text;
    };
    const Case cases[] = {
        {"empty", "", kZipAddress, kTextDescargaVacia},
        {"not a zip", "this is no zip at all", kZipAddress, kTextZipNoValido},
        {"html page", "<!DOCTYPE html>\n<html><body>Not here</body></html>", kZipAddress, kTextPaginaHtml},
        {"html as csv", "  <html><head></head></html>", kCsvAddress, kTextPaginaHtml},
        {"truncated zip", zip.substr(0, zip.size() / 2), kZipAddress, kTextZipDanado},
        {"zip cut by 20 bytes", zip.substr(0, zip.size() - 20), kZipAddress, kTextZipDanado},
        {"zip without csv", MakeZip({{"readme.txt", "hello"}}), kZipAddress, kTextZipSinCsv},
        {"csv of another format", MakeZip({{"other.csv", "a;b;c\n1;2;3\n"}}), kZipAddress, kTextOtroFormato},
        {"plain csv of another format", "date,numbers\n2026-05-22,1 2 3 4 5\n", kCsvAddress,
         kTextOtroFormato},
        {"csv without draws", MakeZip({{"euromillions_202002.csv", header}}), kZipAddress, kTextSinSorteos},
        {"over the size", std::string(static_cast<size_t>(kMaxDescargaBytes) + 1, 'x'), kZipAddress,
         kTextDescargaGrande},
    };
    const std::string before = ReadWholeFile(archives.cut);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ImportDownload(c.bytes, c.address, archives.cut, TGameEdition::Current);
            ADD_FAILURE() << "accepted";
        } catch (const EDescargaSorteosError &error) {
            EXPECT_EQ(error.Message().rfind(Head(c.text), 0), 0u) << error.Message();
        }
        EXPECT_EQ(ReadWholeFile(archives.cut), before);
    }
}

TEST(DrawUpdate, AFailedDownloadLeavesTheArchiveInMemoryToo)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    LoadDefaultCurrentArchive(sorteos);
    const int count = sorteos.Count();
    // A second CSV of another form after a good one: none of the zip is taken.
    const std::string zip = MakeZip({{"a.csv", SixthHistory()}, {"b.csv", "x;y\n1;2\n"}});
    EXPECT_THROW(ImportDownload(zip, kZipAddress, sorteos), EDescargaSorteosError);
    EXPECT_EQ(sorteos.Count(), count);
}

TEST(DrawUpdate, BadLinesAreRefusedAndTheRestTaken)
{
    TTempFolder folder;
    const std::string archive = folder.Path("a.emx");
    std::string history = SixthHistory();
    // The newest draw loses its date.
    history.replace(history.find("19/05/2026"), 10, "notadate");
    int total = 0;
    const TImportReport informe = ImportDownload(MakeZip({{"euromillions_202002.csv", history}}), kZipAddress,
                                                 archive, TGameEdition::Current, &total);
    EXPECT_EQ(RefusedCount(informe), 1);
    EXPECT_EQ(informe.Resultado.Anadidos, total);
    EXPECT_GT(total, 600);
}

TEST(DrawUpdate, AddressesTriedInTurn)
{
    const std::vector<std::string> official = DrawAddresses("");
    ASSERT_EQ(official.size(), 4u);
    EXPECT_EQ(official[0], kUrlSorteos);
    EXPECT_EQ(official[1], "https://cdn-media.fdj.fr/static-draws/csv/euromillions/euromillions_202002.zip");
    EXPECT_EQ(official[2], "https://media.fdj.fr/static/csv/euromillions/euromillions_202002.zip");
    EXPECT_EQ(DrawAddresses(official[1]).front(), official[1]);
    EXPECT_EQ(DrawAddresses(official[1]).size(), 4u);
    EXPECT_EQ(DrawAddresses("http://127.0.0.1:8000/r.csv"),
              std::vector<std::string>{"http://127.0.0.1:8000/r.csv"});
}

TEST(DrawUpdate, StartCheckOnlyPastFourDays)
{
    const struct {
        double ultimo;
        double hoy;
        bool atrasados;
    } cases[] = {{100, 100, false}, {100, 104, false}, {100, 105, true}, {0, 46000, true}};
    for (const auto &c : cases)
        EXPECT_EQ(SorteosAtrasados(c.ultimo, c.hoy), c.atrasados) << c.ultimo << " " << c.hoy;
}
