// The preview window over the automatic ticket: Spanish ticket in Spanish,
// French ticket turned by 90 degrees in French. With QOR_SCREENSHOT_DIR set
// (tools/screenshot.sh) the windows are saved there; otherwise the grabs are
// only checked.
#include "report/ui/report_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "report/ui/report_preview.h"
#include "widgets/dialog_service.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

class TestScreenshotReport : public QObject {
    Q_OBJECT

    void Shoot(TPaisBoleto pais, int rotation, const QString &name)
    {
        TEuroMillonApuestas apuestas;
        const std::vector<BetMask> bets = SpreadBets(12);
        apuestas.AppendMasks(bets.data(), bets.size());
        apuestas.SetName("Semana 12");
        TfrPreviewWindow preview(PrepareAutomaticTicket(apuestas, pais, rotation));
        preview.resize(1000, 760);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        auto *zoom = preview.findChild<QComboBox *>(QStringLiteral("cbZoom"));
        zoom->setCurrentIndex(0);
        emit zoom->activated(0);
        QVERIFY(SaveScreenshot(&preview, name));
    }

private slots:
    void initTestCase() { DialogService::SetHeadless(true); }

    void spanishTicketInSpanish()
    {
        Localizer().UnloadLanguage();
        Shoot(pbEspana, 0, QStringLiteral("report_preview_es"));
    }

    void frenchTicketInFrench()
    {
        ShellTestFolder folder;
        folder.CopyLanguageFiles();
        QVERIFY(Localizer().LoadLanguage(
            folder.FilePath(QStringLiteral("QOREuroMillonv3_french.lng")).toStdString()));
        Shoot(pbFrancia, 1, QStringLiteral("report_preview_fr"));
        Localizer().UnloadLanguage();
    }
};

QTEST_MAIN(TestScreenshotReport)
#include "test_screenshot_report.moc"
