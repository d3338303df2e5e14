// Pictures of the generator's windows, in Spanish and in English: each page
// of the generator window after a run, the progress window at its end, the
// condition editor and the four pages of the new-combination wizard. With
// QOR_SCREENSHOT_DIR set (tools/screenshot.sh) they are saved there;
// otherwise the grabs are only checked.
#include "generator/generator_test_support.h"
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "generator/genera_comb.h"
#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/frm_grupo_values.h"
#include "model/euromillon_apuestas.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <deque>
#include <memory>

namespace {

const int kNumbers[] = {3, 7, 12, 18, 21, 26, 30, 34, 39, 42, 45, 49};
const int kStars[] = {2, 5, 8, 9};

void MarkSelection(TControlEuroMillonApuesta *ticket)
{
    for (int value : kNumbers)
        ticket->ToggleBox(1, value);
    for (int value : kStars)
        ticket->ToggleBox(2, value);
}

} // namespace

class TestScreenshotGenerator : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

    static void Save(QWidget *widget, const QString &name, const QString &suffix)
    {
        QVERIFY2(SaveScreenshot(widget, name + QLatin1Char('_') + suffix), qPrintable(name));
    }

    void GeneratorPages(const QString &suffix)
    {
        TFRMEuroMillonComb window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MarkSelection(window.Boleto());
        window.findChild<QRadioButton *>(QStringLiteral("rbReduccionGlobal"))->click();
        window.findChild<QComboBox *>(QStringLiteral("cbRedGlobal"))->setCurrentIndex(2);
        AddPictureConditions(window.Generacion().Condiciones());
        window.RefrescarDesdeGeneracion();
        // The run's picture of the progress window, left open at its end.
        WhenReady<TFRMGenerating>([](TFRMGenerating *progress) { return progress->Finalizado(); },
                                  [suffix](TFRMGenerating *progress) {
                                      QTest::qWait(50);
                                      Save(progress, QStringLiteral("generator_progress"), suffix);
                                      progress->findChild<QPushButton *>(QStringLiteral("bbCancel"))->click();
                                  });
        EjecutarGeneracion(&window, window.Generacion(), true);
        window.RefrescarDesdeGeneracion();
        Trigger(&window, "ActProcesar");
        QVERIFY(window.EstadisticasValidas());
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        const char *names[] = {"generator_numbers", "generator_reduction", "generator_conditions",
                               "generator_process", "generator_guarantee"};
        for (int page = 0; page < 5; ++page) {
            pages->setCurrentIndex(page);
            if (page == 2)
                window.findChild<QTableView *>(QStringLiteral("sgGrupos"))->selectRow(1);
            QTest::qWait(50);
            Save(&window, QString::fromLatin1(names[page]), suffix);
        }
    }

    void ConditionEditor(const QString &suffix)
    {
        TEuroMillonApuestaMult reference;
        for (int value : kNumbers)
            reference.Block(1).Add(value);
        TFRMGrupoValues editor;
        editor.SetSeleccionReferencia(&reference);
        editor.CargarCondicion(Condition("Pares bajos", {12, 18, 26, 30, 34}, 3, true));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::qWait(50);
        Save(&editor, QStringLiteral("condition_editor"), suffix);
    }

    void WizardPages(const QString &suffix)
    {
        std::deque<TEuroMillonApuestas> made;
        TFRMAsistente wizard([&made]() -> TEuroMillonApuestas & { return made.emplace_back(); });
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        auto *next = wizard.findChild<QPushButton *>(QStringLiteral("bbNext"));
        wizard.findChild<QRadioButton *>(QStringLiteral("rbAsistente"))->click();
        QTest::qWait(30);
        Save(&wizard, QStringLiteral("wizard_step1"), suffix);
        next->click();
        for (int value : {5, 11, 17, 23, 38, 44})
            wizard.Boleto()->ToggleBox(1, value);
        wizard.Boleto()->ToggleBox(2, 3);
        QTest::qWait(30);
        Save(&wizard, QStringLiteral("wizard_step2"), suffix);
        wizard.Boleto()->ToggleBox(2, 7);
        next->click();
        wizard.findChild<QRadioButton *>(QStringLiteral("rbReduccionGlobal"))->click();
        wizard.findChild<QComboBox *>(QStringLiteral("cbRedGlobal"))->setCurrentIndex(1);
        QTest::qWait(30);
        Save(&wizard, QStringLiteral("wizard_step3"), suffix);
        next->click();
        wizard.findChild<QCheckBox *>(QStringLiteral("cbMinDosPares"))->click();
        wizard.findChild<QCheckBox *>(QStringLiteral("cbMax2EnDecena"))->click();
        QTest::qWait(30);
        Save(&wizard, QStringLiteral("wizard_step4"), suffix);
        QCOMPARE(wizard.Paso(), 3);
    }

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanupTestCase() { Localizer().UnloadLanguage(); }

    void pictures_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("spanish") << QStringLiteral("es");
        QTest::newRow("english") << QStringLiteral("en");
    }

    void pictures()
    {
        QFETCH(QString, suffix);
        QVERIFY(UseScreenshotLanguage(suffix));
        GeneratorPages(suffix);
        ConditionEditor(suffix);
        WizardPages(suffix);
    }
};

QTEST_MAIN(TestScreenshotGenerator)
#include "test_screenshot_generator.moc"
