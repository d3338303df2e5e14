// The guarantee window of a reduced combination (numbers 1-10, stars 1-3,
// global reduction 5), in Spanish and in English, with its page over the
// whole game. With QOR_SCREENSHOT_DIR set
// (tools/screenshot.sh) the windows are saved there; otherwise the grabs are
// only checked.
#include "generator/generator_test_support.h"
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "generator/ui/frm_garantia.h"
#include "generator/ui/guarantee_panel.h"
#include "model/euromillon_apuestas.h"

#include <QTabWidget>
#include <QTest>

class TestScreenshotGuarantee : public QObject {
    Q_OBJECT

private:
    static void FillReduced(TEuroMillonApuestas &combination)
    {
        const std::vector<BetMask> bets = GeneratedBets(MaskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3}),
                                                        TEuroMillonGeneraComb::kReduccionGlobal, 5);
        combination.AppendMasks(bets.data(), bets.size());
    }

    static bool Save(const QString &name)
    {
        TEuroMillonApuestas combination;
        FillReduced(combination);
        TFRMGarantia window;
        window.SetCombination(combination);
        window.resize(1000, 500);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        if (!QTest::qWaitFor([&window] { return window.Panel().HasReport(); }))
            return false;
        QTest::qWait(100);
        if (!SaveScreenshot(&window, name))
            return false;
        // The odds over the whole game, on the panel's second page.
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("tcGarantia"));
        if (!pages)
            return false;
        pages->setCurrentIndex(1);
        QTest::qWait(50);
        return SaveScreenshot(&window, name + QStringLiteral("_whole_game"));
    }

private slots:
    void guaranteeWindowInSpanishAndEnglish()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        folder.CopyLanguageFiles();
        QVERIFY(Save(QStringLiteral("guarantee_window")));
        QVERIFY(Localizer().LoadLanguage(
            folder.FilePath(QStringLiteral("QOREuroMillonv3_english.lng")).toStdString()));
        QVERIFY(Save(QStringLiteral("guarantee_window_english")));
        Localizer().UnloadLanguage();
    }
};

QTEST_MAIN(TestScreenshotGuarantee)
#include "test_screenshot_guarantee.moc"
