// The prizes window and the draw editor of today's game, over its published
// draws, in Spanish and in French. With QOR_SCREENSHOT_DIR set
// (tools/screenshot.sh) they are saved there; otherwise the grabs are only
// checked.
#include "current_draws_ui_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "framework/localize.h"
#include "framework/parametres.h"

#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

void Shoot(const QString &suffix)
{
    TEuroMillonApuestas apuestas(TGameEdition::Current);
    FillPlayerBets(apuestas, 20260519, 12);
    TFRMEuroMillonPremios window(nullptr, TGameEdition::Current);
    window.SetApuestas(&apuestas);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.Sorteos().Count(), 1947);
    Trigger(&window, "ActProcesar");
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
    const char *names[] = {"prizes_current_totals", "prizes_current_breakdown"};
    for (int page = 0; page < 2; ++page) {
        pages->setCurrentIndex(page);
        QTest::qWait(100);
        QVERIFY(SaveScreenshot(&window, QString::fromLatin1(names[page]) + suffix));
    }
    QCOMPARE(window.findChild<QTableWidget *>(QStringLiteral("sgPremios"))->rowCount(), 13);

    TFRMEuroMillonSorteo editor(nullptr, TGameEdition::Current);
    const int index = window.Sorteos().IndexOfFecha(Day(2026, 5, 19));
    QVERIFY(index >= 0);
    editor.Sorteo().SetInfo(window.Sorteos().Sorteo(index));
    editor.SetFecha(Day(2026, 5, 19));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTest::qWait(100);
    QVERIFY(SaveScreenshot(&editor, QStringLiteral("draw_editor_current") + suffix));
}

} // namespace

class TestScreenshotDrawsCurrent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        folder_->CopyLanguageFiles();
        QVERIFY(InstallHistories(folder_->Path()));
        SetRangeParameters(Day(2026, 1, 1), Day(2026, 5, 19));
        DialogService::SetHeadless(true);
    }
    void cleanupTestCase() { folder_.reset(); }

    void spanish()
    {
        QVERIFY(UseScreenshotLanguage(QStringLiteral("es")));
        Shoot(QString());
    }

    void french()
    {
        QVERIFY(UseScreenshotLanguage(QStringLiteral("fr")));
        Shoot(QStringLiteral("_fr"));
        Localizer().UnloadLanguage();
    }

private:
    std::unique_ptr<ShellTestFolder> folder_;
};

QTEST_MAIN(TestScreenshotDrawsCurrent)
#include "test_screenshot_draws_current.moc"
