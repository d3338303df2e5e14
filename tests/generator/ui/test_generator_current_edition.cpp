// The generator's windows with today's game: stars 10 to 12 in the
// selection, the condition editor and the guarantee window, generation files
// of the other game refused, and the wizard's new combination of that game.
#include "generator/generator_test_support.h"
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/genera_comb.h"
#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_garantia.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/frm_grupo_values.h"
#include "generator/ui/guarantee_panel.h"
#include "model/euromillon_apuestas.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <deque>
#include <memory>

namespace {

constexpr TGameEdition kCurrent = TGameEdition::Current;

void Click(QWidget *root, const char *name)
{
    auto *button = Child<QAbstractButton>(root, name);
    QVERIFY2(button, name);
    button->click();
}

} // namespace

class TestGeneratorCurrentEdition : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup()
    {
        SetEditionInForce(TGameEdition::Classic);
        folder_.reset();
    }

    void windowGeneratesWithStarsTenToTwelve()
    {
        TFRMEuroMillonComb window(nullptr, kCurrent);
        QCOMPARE(window.Generacion().Edition(), kCurrent);
        window.Boleto()->ShownBet().FromMask(MaskOf({1, 2, 3, 4, 5, 6}, {10, 11, 12}));
        QCOMPARE(window.Generacion().Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {10, 11, 12}));
        QCOMPARE(LabelText(&window, "lblApuestasPosibles"), QStringLiteral("18"));
        Child<QRadioButton>(&window, "rbReduccionGlobal")->click();
        window.Generacion().SetReduccionGlobal(6);
        Trigger(&window, "ActProcesar");
        QCOMPARE(window.Generacion().Apuestas().Count(), 3);
        QCOMPARE(window.Generacion().Apuestas().Edition(), kCurrent);
        QCOMPARE(window.Generacion().Apuestas().Mask(2), MaskOf({1, 2, 3, 5, 6}, {11, 12}));
        // The guarantee page counts 2+0 as today's thirteenth category.
        const TGuaranteeReport &report = window.Guarantee()->Report();
        QCOMPARE(report.All.Categories, 13);
        QCOMPARE(report.All.Draws, int64_t{18});
        auto *table = window.Guarantee()->findChild<QTableWidget *>(QStringLiteral("sgGarantia"));
        QCOMPARE(table->rowCount(), 14);
        QCOMPARE(table->verticalHeaderItem(12)->text(), QStringLiteral("2+0"));
        QCOMPARE(table->verticalHeaderItem(13)->text(), QStringLiteral("Sin premio"));
    }

    void classicWindowKeepsNineStars()
    {
        TFRMEuroMillonComb window(nullptr, TGameEdition::Classic);
        window.Boleto()->ShownBet().FromMask(MaskOf({1, 2, 3, 4, 5}, {9, 10}));
        QCOMPARE(window.Generacion().Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5}, {9}));
        auto *table = window.Guarantee()->findChild<QTableWidget *>(QStringLiteral("sgGarantia"));
        QCOMPARE(table->rowCount(), 13);
    }

    void generationFileOfTheOtherGameIsRefused()
    {
        const QString path = folder_->FilePath(QStringLiteral("clasica.gem"));
        TEuroMillonGeneraComb classic;
        classic.Seleccion().FromMask(MaskOf({1, 2, 3, 4, 5}, {1, 2}));
        classic.SaveToFile(path.toStdString());

        TFRMEuroMillonComb window(nullptr, kCurrent);
        window.Boleto()->ShownBet().FromMask(MaskOf({1, 2, 3, 4, 5, 6}, {11, 12}));
        DialogService::SetNextFileName(path);
        Trigger(&window, "MiLeerDeArchivo");
        QCOMPARE(
            DialogService::LastText(),
            QStringLiteral(
                "El archivo es del juego clásico (estrellas 1 a 9); no puede leerse como juego actual."));
        QCOMPARE(window.Generacion().Seleccion().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {11, 12}));

        // A file of its own game loads, high stars included.
        const QString today = folder_->FilePath(QStringLiteral("hoy.gem"));
        window.Generacion().SaveToFile(today.toStdString());
        window.Boleto()->ShownBet().Clear();
        DialogService::SetNextFileName(today);
        Trigger(&window, "MiLeerDeArchivo");
        QCOMPARE(window.Boleto()->ShownBet().ToMask(), MaskOf({1, 2, 3, 4, 5, 6}, {11, 12}));
    }

    void conditionEditorMarksTwelveStars()
    {
        TFRMGrupoValues editor;
        editor.SetEdition(kCurrent);
        TEuroMillonCondicionGrupo condicion = CondicionGrupoDefecto;
        condicion.Bloque = 2;
        condicion.Numeros = {10, 12};
        editor.CargarCondicion(condicion);
        QCOMPARE(editor.LeerCondicion().Numeros, (TEuroMillonNumeros{10, 12}));
        editor.MarcarTodos();
        QCOMPARE(editor.LeerCondicion().Numeros.size(), size_t{12});

        TFRMGrupoValues classic;
        classic.CargarCondicion(condicion);
        QCOMPARE(classic.LeerCondicion().Numeros, TEuroMillonNumeros{});
        classic.SeleccionarBloque(2);
        classic.MarcarTodos();
        QCOMPARE(classic.LeerCondicion().Numeros.size(), size_t{9});
    }

    void guaranteeWindowReadsStarsOfTodaysGame()
    {
        TEuroMillonApuestas combination(kCurrent);
        const std::vector<BetMask> bets = {MaskOf({1, 2, 20, 21, 22}, {1, 2})};
        combination.AppendMasks(bets.data(), bets.size());
        TFRMGarantia window;
        window.SetCombination(combination);
        auto *stars = Child<QLineEdit>(&window, "ebEstrellas");
        QCOMPARE(stars->text(), QStringLiteral("1,2"));
        Child<QLineEdit>(&window, "ebNumeros")->setText(QStringLiteral("1-6"));
        stars->setText(QStringLiteral("10,11"));
        QVERIFY(window.Calculate());
        const TGuaranteeReport &report = window.Panel().Report();
        QCOMPARE(report.All.Count(13), int64_t{4});
        QCOMPARE(report.All.Guaranteed(), 14);
        QCOMPARE(LabelText(&window, "lblGarantizado"), QStringLiteral("Premio garantizado: Sin premio"));

        stars->setText(QStringLiteral("13"));
        DialogService::ClearShownBoxes();
        RunCommand(&window, [&window] { window.Calculate(); });
        QVERIFY(DialogService::LastText().contains(QStringLiteral("13")));
    }

    void wizardMakesACombinationOfTheGameInForce()
    {
        SetEditionInForce(kCurrent);
        std::deque<TEuroMillonApuestas> made;
        TFRMAsistente wizard([&made]() -> TEuroMillonApuestas & { return made.emplace_back(); });
        QCOMPARE(wizard.Generacion().Edition(), kCurrent);
        wizard.show();
        Child<QRadioButton>(&wizard, "rbAsistente")->click();
        Click(&wizard, "bbNext");
        wizard.Boleto()->ShownBet().FromMask(MaskOf({5, 11, 17, 23, 38}, {10, 12}));
        Click(&wizard, "bbNext");
        Child<QRadioButton>(&wizard, "rbNoReduccion")->click();
        Click(&wizard, "bbNext");
        // The guided run waits at its end for the progress window's button.
        WhenReady<TFRMGenerating>([](TFRMGenerating *window) { return window->Finalizado(); },
                                  [](TFRMGenerating *window) {
                                      QTest::qWait(30);
                                      Click(window, "bbCancel");
                                  });
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QTRY_COMPARE(made.size(), size_t{1});
        QCOMPARE(made.front().Edition(), kCurrent);
        QCOMPARE(made.front().Count(), 1);
        QCOMPARE(made.front().Mask(0), MaskOf({5, 11, 17, 23, 38}, {10, 12}));
    }
};

QTEST_MAIN(TestGeneratorCurrentEdition)
#include "test_generator_current_edition.moc"
