// The PDF writer against hostile targets and endings, as every other writer
// of files: a named pipe, a folder that only lets the file be overwritten in
// place while the writer is killed, and size limits there.
#include "report/ui/report_ui_test_support.h"
#include "support/save_target_faults.h"

#include "report/render/pdf_export.h"
#include "widgets/dialog_service.h"

#include <QTest>

namespace {

// A PDF holds the time it was made: compare its frame and its length.
bool WholePdf(const std::string &saved, const std::string &whole)
{
    return saved.rfind("%PDF", 0) == 0 &&
           saved.find("%%EOF", saved.size() > 16 ? saved.size() - 16 : 0) != std::string::npos &&
           saved.size() + 64 > whole.size() && whole.size() + 64 > saved.size();
}

} // namespace

class TestPdfSaveTargets : public QObject {
    Q_OBJECT

    TEuroMillonApuestas apuestas;
    save_targets::TSave save;

private slots:
    void initTestCase()
    {
        DialogService::SetHeadless(true);
        const std::vector<BetMask> bets = SpreadBets(40);
        apuestas.AppendMasks(bets.data(), bets.size());
        save = [this](const std::string &path) {
            ExportPdf(PrepareAutomaticTicket(apuestas, pbEspana, 0), path);
        };
    }

    void aFifoReceivesTheBytesAndStaysAFifo()
    {
        QCOMPARE(QString::fromStdString(save_targets::FifoProblems("tickets.pdf", save, WholePdf)),
                 QString());
    }

    void aWriterKilledDuringAnInPlaceSaveLeavesACopyOfTheOldFile()
    {
        QCOMPARE(QString::fromStdString(save_targets::KilledInPlaceProblems("tickets.pdf", save, WholePdf)),
                 QString());
    }

    void sizeLimitsDuringAnInPlaceSaveKeepTheOldFile()
    {
        QCOMPARE(QString::fromStdString(save_targets::LimitedInPlaceProblems("tickets.pdf", save)),
                 QString());
    }
};

QTEST_MAIN(TestPdfSaveTargets)
#include "test_pdf_save_targets.moc"
