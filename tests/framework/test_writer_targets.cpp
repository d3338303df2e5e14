// Every writer of files of the core against hostile targets and endings: a
// named pipe, a folder that only lets the file be overwritten in place while
// the writer is killed, and size limits there. The PDF is in the report
// window tests (it needs Qt Gui).
#include "draws/draw_archive.h"
#include "exchange/bet_text_writer.h"
#include "exchange/bet_workbook.h"
#include "framework/parametres.h"
#include "framework/recursos.h"
#include "generator/genera_comb.h"
#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "model/memory_stream.h"
#include "report/report.h"

#include "model/combination_helpers.h"
#include "report/report_test_support.h"
#include "support/save_target_faults.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace save_targets;

struct TFileWriter {
    const char *fileName;
    TSave save;
    TSame same;
};

std::vector<BetMask> SomeBets(int count)
{
    std::vector<BetMask> bets;
    for (int i = 0; i < count; ++i)
        bets.push_back(NumberBit(1 + i % 10) | NumberBit(11 + i % 10) | NumberBit(21 + i % 10) |
                       NumberBit(31 + i % 10) | NumberBit(41 + i % 10) | StarBit(1 + i % 8) | StarBit(9));
    return bets;
}

// A whole workbook: the end record of a zip archive without a comment.
bool WholeWorkbook(const std::string &saved, const std::string &whole)
{
    const std::string end("PK\x05\x06", 4);
    return saved.size() > 22 && saved.compare(saved.size() - 22, 4, end) == 0 &&
           saved.compare(0, 4, whole, 0, 4) == 0;
}

// The objects the writers save, made once for the whole table.
struct TSubjects {
    TEuroMillonApuestas combination;
    TEuroMillonGeneraComb generation;
    TSorteosEuroMillon archive;
    TParametres params;
    TRecursosQOR resources{params};
    TfrReport report;
    std::vector<BetMask> bets = SomeBets(20000);

    TSubjects()
    {
        combination.SetName("Combinación de prueba");
        for (int i = 0; i < 300; ++i)
            AddBet(combination, std::to_string(1 + i % 46) + "." + std::to_string(47 + i % 4) + ".10.20.30-" +
                                    std::to_string(1 + i % 8) + ".09");
        for (int n = 1; n <= 50; n += 2)
            generation.Seleccion().Block(1).Add(n);
        for (int s = 1; s <= 9; ++s)
            generation.Seleccion().Block(2).Add(s);
        for (int i = 0; i < 40; ++i) {
            TSorteoEuroMillonInfo info;
            info.NumeroSorteo = i + 1;
            info.FechaSorteo = 38030 + 7 * i;
            info.ApuestaGanadora.Numeros = {1 + i % 10, 12, 23, 34, 45};
            info.ApuestaGanadora.Estrellas = {1 + i % 8, 9};
            archive.AddSorteo(info);
        }
        params.SetValor("PRM_COUNTRY_TICKET", "FR");
        params.SetSaveList({"PRM_COUNTRY_TICKET"}, true);
        TMemoryStream extra(std::string(70000, '\x81'));
        resources.AddRecurso({90500, 0, "Extra", 3}, extra);
        FillSampleReport(report);
    }
};

TSubjects &Subjects()
{
    static TSubjects subjects;
    return subjects;
}

std::vector<TFileWriter> Writers()
{
    TSubjects &s = Subjects();
    return {
        {"combination.aem", [&s](const std::string &path) { s.combination.SaveToFile(path); }, {}},
        {"generation.gem", [&s](const std::string &path) { s.generation.SaveToFile(path); }, {}},
        {"QOREuroMillonSorteos.emx", [&s](const std::string &path) { s.archive.SaveToFile(path); }, {}},
        {"QOREuroMillon.zrk", [&s](const std::string &path) { s.resources.SaveToFile(path); }, {}},
        {"template.frf", [&s](const std::string &path) { s.report.SaveToFile(path); }, {}},
        {"bets.txt", [&s](const std::string &path) { WriteBetTextFile(path, s.bets, ".", "-"); }, {}},
        {"bets.xlsx", [&s](const std::string &path) { WriteBetWorkbook(path, "QOREuromillon", s.bets); },
         WholeWorkbook},
    };
}

} // namespace

TEST(WriterTargets, AFifoReceivesTheBytesAndStaysAFifo)
{
    for (const TFileWriter &writer : Writers())
        EXPECT_EQ(FifoProblems(writer.fileName, writer.save, writer.same), "");
}

TEST(WriterTargets, AWriterKilledDuringAnInPlaceSaveLeavesACopyOfTheOldFile)
{
    for (const TFileWriter &writer : Writers())
        EXPECT_EQ(KilledInPlaceProblems(writer.fileName, writer.save, writer.same), "");
}

TEST(WriterTargets, SizeLimitsDuringAnInPlaceSaveKeepTheOldFile)
{
    for (const TFileWriter &writer : Writers())
        EXPECT_EQ(LimitedInPlaceProblems(writer.fileName, writer.save), "");
}

TEST(WriterTargets, AFolderIsRefused)
{
    TTempFolder temp;
    for (const TFileWriter &writer : Writers()) {
        fs::create_directory(temp.path / writer.fileName);
        EXPECT_THROW(writer.save((temp.path / writer.fileName).string()), Exception) << writer.fileName;
        EXPECT_TRUE(fs::is_directory(temp.path / writer.fileName)) << writer.fileName;
    }
}
