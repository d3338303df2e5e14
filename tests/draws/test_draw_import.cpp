#include "draws/draw_archive.h"
#include "draws/draw_import.h"
#include "draws_test_support.h"
#include "history_csv_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

constexpr double k13Feb2004 = 38030;
constexpr double k20Feb2004 = 38037;
constexpr double k27Feb2004 = 38044;

std::unique_ptr<TSorteosEuroMillon> Load(const std::string &path)
{
    auto sorteos = std::make_unique<TSorteosEuroMillon>();
    sorteos->LoadFromFile(path);
    return sorteos;
}

} // namespace

TEST(DrawImport, HistoryIntoAMissingArchiveAddsEveryDraw)
{
    TTempFolder folder;
    const std::string csv = folder.Path("history.csv");
    WriteFileBytes(csv, Header() + Row("20040213", "16;29;32;36;41", "7;9") +
                            Row("20/02/2004", "7;13;39;47;50", "2;5"));
    const std::string archive = folder.Path("Sorteos/QOREuroMillonSorteos.emx");

    const TImportReport informe = ImportDrawFiles({csv}, archive);
    EXPECT_EQ(informe.Resultado.Anadidos, 2);
    EXPECT_EQ(informe.Resultado.Reemplazados, 0);
    EXPECT_EQ(informe.Leidos, 2);
    EXPECT_TRUE(informe.Errores.empty());
    TSorteosEuroMillon sorteos;
    sorteos.LoadFromFile(archive);
    ASSERT_EQ(sorteos.Count(), 2);
    EXPECT_EQ(sorteos.Sorteo(0).FechaSorteo, k20Feb2004);
    EXPECT_EQ(sorteos.Sorteo(0).NumeroSorteo, 2);
    EXPECT_EQ(sorteos.Sorteo(1).ApuestaGanadora.Numeros, (TEuroMillonNumeros{16, 29, 32, 36, 41}));
}

TEST(DrawImport, DrawFilesAndHistoriesReplaceDaysAlreadyHeld)
{
    TTempFolder folder;
    const std::string archive = folder.Path("archive.emx");
    TSorteosEuroMillon held;
    held.AddSorteo(MakeDraw(k13Feb2004, {1, 2, 3, 4, 5}, {1, 2}, 77));
    held.SaveToFile(archive);

    const std::string ems = folder.Path("draw.ems");
    WriteFileBytes(ems, DrawFileBytes(MakeDraw(k27Feb2004, {5, 6, 7, 8, 9}, {5, 6}, 3)));
    const std::string csv = folder.Path("history.csv");
    WriteFileBytes(csv, Header() + Row("20040213", "16;29;32;36;41", "7;9"));

    const TImportReport informe = ImportDrawFiles({ems, csv}, archive);
    EXPECT_EQ(informe.Resultado.Anadidos, 1);
    EXPECT_EQ(informe.Resultado.Reemplazados, 1);
    EXPECT_TRUE(informe.Errores.empty());
    auto sorteos = Load(archive);
    ASSERT_EQ(sorteos->Count(), 2);
    EXPECT_EQ(sorteos->Sorteo(0).NumeroSorteo, 3);
    EXPECT_EQ(sorteos->Sorteo(1).NumeroSorteo, 1); // the history's draw replaced number 77
    EXPECT_EQ(sorteos->Sorteo(1).ApuestaGanadora.Estrellas, (TEuroMillonNumeros{7, 9}));
}

TEST(DrawImport, DamagedHistoryReportsBadLinesAndKeepsTheArchive)
{
    TTempFolder folder;
    const std::string archive = folder.Path("archive.emx");
    TSorteosEuroMillon held;
    held.AddSorteo(MakeDraw(k13Feb2004, {1, 2, 3, 4, 5}, {1, 2}, 77));
    held.SaveToFile(archive);

    const std::string good = Row("20040220", "7;13;39;47;50", "2;5");
    std::string truncated = Row("20040305", "1;2;3;4;5", "1;2");
    truncated.resize(40);
    std::string lettered = Row("20040312", "1;2;3;4;5", "1;2");
    lettered.replace(lettered.find(";1;10;"), 6, ";1;xx;");
    const std::string csv = folder.Path("damaged.csv");
    WriteFileBytes(csv, Header() + good + truncated + "\n" + lettered +
                            Row("20/02/2004", "1;2;3;4;5", "1;2") + Row("20040227", "1;2;3;4;6", "3;4"));

    const TImportReport informe = ImportDrawFiles({csv}, archive);
    EXPECT_EQ(informe.Resultado.Anadidos, 2);
    ASSERT_EQ(informe.Errores.size(), 3u);
    EXPECT_EQ(informe.Errores[0].Linea, 3);
    EXPECT_EQ(informe.Errores[0].Archivo, csv);
    EXPECT_EQ(informe.Errores[1].Linea, 4);
    EXPECT_EQ(informe.Errores[1].Motivo, "winner count 'xx' is not a number");
    EXPECT_EQ(informe.Errores[2].Linea, 5);
    EXPECT_EQ(informe.Errores[2].Motivo, "the draw of 2004-02-20 is already listed at line 2, which is kept");

    auto sorteos = Load(archive);
    ASSERT_EQ(sorteos->Count(), 3);
    EXPECT_EQ(sorteos->Sorteo(2).NumeroSorteo, 77); // kept
    EXPECT_EQ(sorteos->Sorteo(1).ApuestaGanadora.Numeros,
              (TEuroMillonNumeros{7, 13, 39, 47, 50})); // first of the day
}

TEST(DrawImport, UnreadableFilesAreReportedAndNothingIsSaved)
{
    TTempFolder folder;
    const std::string archive = folder.Path("archive.emx");
    TSorteosEuroMillon held;
    held.AddSorteo(MakeDraw(k13Feb2004, {1, 2, 3, 4, 5}, {1, 2}, 77));
    held.SaveToFile(archive);
    const std::string before = FileBytes(archive);

    const std::string garbage = folder.Path("garbage.csv");
    WriteFileBytes(garbage, "\x01\x02 not a history\n");
    const std::string cutDraw = folder.Path("cut.ems");
    WriteFileBytes(cutDraw, DrawFileBytes(MakeDraw(k20Feb2004, {1, 2, 3, 4, 5}, {1, 2})).substr(0, 20));

    const TImportReport informe = ImportDrawFiles({garbage, cutDraw, folder.Path("missing.csv")}, archive);
    EXPECT_EQ(informe.Leidos, 0);
    ASSERT_EQ(informe.Errores.size(), 3u);
    EXPECT_EQ(informe.Errores[0].Linea, 0);
    EXPECT_NE(informe.Errores[0].Motivo.find("column date_de_tirage missing"), std::string::npos);
    EXPECT_EQ(informe.Errores[1].Motivo, "Stream read error");
    EXPECT_EQ(FileBytes(archive), before);
}

TEST(DrawImport, DamagedArchiveEndsTheImportUntouched)
{
    TTempFolder folder;
    const std::string archive = folder.Path("archive.emx");
    WriteFileBytes(archive, "EMS0 not an archive");
    const std::string csv = folder.Path("history.csv");
    WriteFileBytes(csv, Header() + Row("20040213", "16;29;32;36;41", "7;9"));
    EXPECT_THROW(ImportDrawFiles({csv}, archive), EDrawFormatError);
    EXPECT_EQ(FileBytes(archive), "EMS0 not an archive");
}

TEST(DrawImport, SignatureTellsDrawFilesFromHistories)
{
    TTempFolder folder;
    WriteFileBytes(folder.Path("a.csv"), DrawFileBytes(MakeDraw(k13Feb2004, {1, 2, 3, 4, 5}, {1, 2})));
    WriteFileBytes(folder.Path("b.ems"), "EMS");
    EXPECT_TRUE(EsArchivoSorteo(folder.Path("a.csv")));
    EXPECT_FALSE(EsArchivoSorteo(folder.Path("b.ems")));
    EXPECT_FALSE(EsArchivoSorteo(folder.Path("none")));
}

TEST(DrawImport, PublishedHistoryGivesTheDefaultArchive)
{
    const std::string path = std::string(QOR_HISTORY_DIR) + "/euromillions.csv";
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing history " << path;
    TSorteosEuroMillon sorteos;
    const TImportReport informe = ImportDrawFiles(std::vector<std::string>{path}, sorteos);
    EXPECT_TRUE(informe.Errores.empty());
    EXPECT_EQ(sorteos.Count(), 378);
    EXPECT_EQ(informe.Resultado.Anadidos, 378);
}
