// The generator window's optimized reduction and its guarantee page: the
// check box reaches the settings (and the generation file), a run with it
// keeps fewer bets with the same guarantee, and the guarantee page tells
// what the kept bets guarantee.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/genera_comb.h"
#include "generator/reduction_verifier.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/guarantee_panel.h"
#include "model/euromillon_apuestas.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <memory>

class TestGeneratorGuaranteeAndOptimizer : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

    static void Select(TFRMEuroMillonComb &window, int numbers, int stars, int globalLevel)
    {
        for (int value = 1; value <= numbers; ++value)
            window.Boleto()->ToggleBox(1, value);
        for (int value = 1; value <= stars; ++value)
            window.Boleto()->ToggleBox(2, value);
        window.Generacion().SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        window.Generacion().SetReduccionGlobal(globalLevel);
        window.RefrescarDesdeGeneracion();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup() { folder_.reset(); }

    void checkBoxSetsTheSearchTime()
    {
        TFRMEuroMillonComb window;
        auto *check = Child<QCheckBox>(&window, "cbOptimizar");
        auto *time = Child<QComboBox>(&window, "cbTiempoOptimizar");
        QVERIFY(check && time);
        QVERIFY(!check->isChecked());
        QVERIFY(!time->isEnabled());
        check->setChecked(true);
        QCOMPARE(window.Generacion().OptimizarSegundos(), 10);
        time->setCurrentIndex(2);
        QCOMPARE(window.Generacion().OptimizarSegundos(), 300);
        check->setChecked(false);
        QCOMPARE(window.Generacion().OptimizarSegundos(), 0);

        // Settings read back show in the controls.
        window.Generacion().SetOptimizarSegundos(60);
        window.RefrescarDesdeGeneracion();
        QVERIFY(check->isChecked());
        QCOMPARE(time->currentIndex(), 1);
    }

    void greedyRunShowsItsGuarantee()
    {
        TFRMEuroMillonComb window;
        window.show();
        Select(window, 6, 3, 6); // one miss: 3 of the 18 bets
        window.Procesar();
        QCOMPARE(window.Generacion().Apuestas().Count(), 3);
        TGuaranteePanel *panel = window.Guarantee();
        QVERIFY(panel->HasReport());
        QCOMPARE(panel->Report().All.Draws, int64_t{18});
    }

    void optimizedRunKeepsNoMoreBetsWithTheSameCover()
    {
        TFRMEuroMillonComb window;
        window.show();
        Select(window, 10, 2, 6); // greedy keeps 22
        Child<QCheckBox>(&window, "cbOptimizar")->setChecked(true);
        // Cancel after a moment: the best complete cover found so far stays.
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<QProgressDialog *>(top);
                    progress && progress->objectName() == QLatin1String("OptimizeProgress") &&
                    progress->isVisible())
                    progress->cancel();
        });
        cancel.start(2000);
        window.Procesar();
        const TEuroMillonApuestas &kept = window.Generacion().Apuestas();
        QVERIFY(kept.Count() > 0);
        // What the search reaches before the cancel depends on the machine's
        // speed; the kept bets never outnumber the greedy ones.
        QVERIFY2(kept.Count() <= 22, qPrintable(QString::number(kept.Count())));
        const TReductionVerdict verdict = VerifyReduction(window.Generacion(), kept.Masks());
        QVERIFY(verdict.Completa());
        QVERIFY(window.Guarantee()->HasReport());
    }
};

QTEST_MAIN(TestGeneratorGuaranteeAndOptimizer)
#include "test_generator_guarantee_and_optimizer.moc"
