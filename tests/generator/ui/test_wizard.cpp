// The new-combination wizard: its pages and checks, the three ways to start,
// the ready-made conditions, and the guided and advanced runs.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/genera_comb.h"
#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_generating.h"
#include "model/euromillon_apuestas.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <deque>
#include <memory>

namespace {

// Stands in for the main window: every new combination window is one more
// combination here.
struct Combinations {
    std::deque<TEuroMillonApuestas> made;
    TFRMAsistente::TNuevaCombinacion Factory()
    {
        return [this]() -> TEuroMillonApuestas & { return made.emplace_back(); };
    }
};

void Click(QWidget *root, const char *name)
{
    auto *button = Child<QAbstractButton>(root, name);
    QVERIFY2(button, name);
    button->click();
}

void Mark(TFRMAsistente &wizard, int numbers, int stars)
{
    for (int value = 1; value <= numbers; ++value)
        wizard.Boleto()->ToggleBox(1, value);
    for (int value = 1; value <= stars; ++value)
        wizard.Boleto()->ToggleBox(2, value);
}

// From page 0 to page 3 with a selection and no reduction.
void ToConditions(TFRMAsistente &wizard, const char *start, int numbers, int stars,
                  std::initializer_list<int> moreNumbers = {})
{
    Click(&wizard, start);
    Click(&wizard, "bbNext");
    Mark(wizard, numbers, stars);
    for (int value : moreNumbers)
        wizard.Boleto()->ToggleBox(1, value);
    Click(&wizard, "bbNext");
    Click(&wizard, "rbNoReduccion");
    Click(&wizard, "bbNext");
}

} // namespace

class TestWizard : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup() { folder_.reset(); }

    void firstPageAsksForAChoice()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Nueva combinación"));
        QCOMPARE(wizard.Paso(), 0);
        QCOMPARE(LabelText(&wizard, "lblStepTitle"), QStringLiteral("Paso 1"));
        QCOMPARE(LabelText(&wizard, "lblStepDesc"), QStringLiteral("¿Qué desea?"));
        for (const char *option : {"rbAsistente", "rbCombinacion", "rbnone"})
            QVERIFY(!Child<QRadioButton>(&wizard, option)->isChecked());
        Click(&wizard, "bbNext");
        QCOMPARE(DialogService::LastText(), QStringLiteral("No ha seleccionado ninguna opción."));
        QCOMPARE(wizard.Paso(), 0);
        QVERIFY(wizard.isVisible());
        QVERIFY(combinations.made.empty());
    }

    void blankTicketOpensAnEmptyCombination()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        Click(&wizard, "rbnone");
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY(!wizard.isVisible());
        QCOMPARE(combinations.made.size(), size_t(1));
        QCOMPARE(combinations.made.front().Count(), 0);
    }

    void backOnTheFirstPageCancels()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        QTest::keyClick(&wizard, Qt::Key_Escape); // Escape is "Atras"
        QCOMPARE(wizard.result(), int(QDialog::Rejected));
        QVERIFY(!wizard.isVisible());
        QVERIFY(combinations.made.empty());
    }

    // The button that starts the generation says so; the others lead on.
    void nextButtonReadsFinishOnTheLastPage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("next"); // pages 0 to 3
        QTest::addColumn<QString>("back");
        QTest::newRow("es") << QStringLiteral("es")
                            << QStringList{QStringLiteral("&Siguiente"), QStringLiteral("&Siguiente"),
                                           QStringLiteral("&Siguiente"), QStringLiteral("&Finalizar")}
                            << QStringLiteral("&Atras");
        QTest::newRow("fr") << QStringLiteral("fr")
                            << QStringList{QStringLiteral("&Suivant"), QStringLiteral("&Suivant"),
                                           QStringLiteral("&Suivant"), QStringLiteral("&Terminer")}
                            << QStringLiteral("&Précédent");
    }
    void nextButtonReadsFinishOnTheLastPage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, next);
        QFETCH(QString, back);
        QVERIFY(UseScreenshotLanguage(language));
        Combinations combinations;
        {
            TFRMAsistente wizard(combinations.Factory());
            wizard.show();
            auto *bbNext = Child<QPushButton>(&wizard, "bbNext");
            auto *bbBack = Child<QPushButton>(&wizard, "bbBack");
            QStringList shown{bbNext->text()};
            Click(&wizard, "rbAsistente");
            Click(&wizard, "bbNext");
            shown << bbNext->text();
            Mark(wizard, 5, 2);
            Click(&wizard, "bbNext");
            shown << bbNext->text();
            Click(&wizard, "rbNoReduccion");
            Click(&wizard, "bbNext");
            shown << bbNext->text();
            QCOMPARE(wizard.Paso(), 3);
            QCOMPARE(shown, next);
            QCOMPARE(bbBack->text(), back);
            QVERIFY(bbNext->isDefault());
            // Back from the last page the button leads on again.
            Click(&wizard, "bbBack");
            QCOMPARE(wizard.Paso(), 2);
            QCOMPARE(bbNext->text(), next.at(2));
        }
        QVERIFY(combinations.made.empty());
        QVERIFY(UseScreenshotLanguage(QStringLiteral("es")));
    }

    void numbersPageNeedsFiveNumbersAndTwoStars()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        Click(&wizard, "rbAsistente");
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.Paso(), 1);
        QVERIFY(!wizard.Avanzado());
        QCOMPARE(LabelText(&wizard, "lblStepTitle"), QStringLiteral("Paso 2"));
        QCOMPARE(LabelText(&wizard, "lblStepDesc"), QStringLiteral("Indicar los numeros de la combinación"));
        QCOMPARE(LabelText(&wizard, "lblNumB1"), QStringLiteral("Faltan 5"));
        QCOMPARE(LabelText(&wizard, "lblNumB2"), QStringLiteral("Faltan 2"));
        Mark(wizard, 4, 2);
        QCOMPARE(LabelText(&wizard, "lblNumB1"), QStringLiteral("Faltan 1"));
        QCOMPARE(Child<QLabel>(&wizard, "lblNumB1")->palette().color(QPalette::WindowText), QColor(Qt::red));
        Click(&wizard, "bbNext");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Debe marcar un mínimo de 5 números en el bloque 1."));
        QCOMPARE(wizard.Paso(), 1);
        wizard.Boleto()->ToggleBox(1, 20);
        wizard.Boleto()->ToggleBox(2, 2);
        Click(&wizard, "bbNext");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Debe marcar un mínimo de 2 números en el bloque 2."));
        Click(&wizard, "bbAleatorio2");
        QCOMPARE(wizard.Generacion().Seleccion().Block(2).Count(), 2);
        QCOMPARE(LabelText(&wizard, "lblNumB1"), QStringLiteral("5"));
        QCOMPARE(LabelText(&wizard, "lblApuestasPosibles"), QStringLiteral("1"));
        Click(&wizard, "bbAleatorio1");
        QCOMPARE(LabelText(&wizard, "lblApuestasPosibles"), QStringLiteral("6"));
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.Paso(), 2);
        QCOMPARE(Child<QStackedWidget>(&wizard, "PageControl")->currentWidget()->objectName(),
                 QStringLiteral("tsReduccion"));
    }

    void reductionPageChecksAndBackKeepsTheMarks()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        Click(&wizard, "rbCombinacion");
        Click(&wizard, "bbNext");
        QVERIFY(wizard.Avanzado());
        Mark(wizard, 6, 3);
        Click(&wizard, "bbNext");
        QCOMPARE(LabelText(&wizard, "lTipoRedB1"), QStringLiteral("Reducción bloque 1:"));
        for (const char *option : {"rbNoReduccion", "rbReduccionGlobal", "rbReduccionBloques"})
            QVERIFY(!Child<QRadioButton>(&wizard, option)->isChecked());
        Click(&wizard, "bbNext");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("No ha seleccionado el tipo de reducción a aplicar."));
        QCOMPARE(wizard.Paso(), 2);

        Click(&wizard, "bbBack");
        QCOMPARE(wizard.Paso(), 1);
        QCOMPARE(wizard.Boleto()->ShownBet().AsText(), std::string("01.02.03.04.05.06-01.02.03"));
        Click(&wizard, "bbNext");

        auto *list = Child<QComboBox>(&wizard, "cbRedGlobal");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("2 Fallos"));
        QVERIFY(Child<QRadioButton>(&wizard, "rbReduccionGlobal")->isChecked());
        QCOMPARE(wizard.Generacion().ReduccionGlobal(), 7); // stored on "Siguiente" only
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.Generacion().TipoReduccion(), 1);
        QCOMPARE(wizard.Generacion().ReduccionGlobal(), 5);
        QCOMPARE(wizard.Paso(), 3);
        QCOMPARE(LabelText(&wizard, "lblStepDesc"), QStringLiteral("Indicar condiciones"));

        // Back, then the block reduction 4 and 1 by its lists.
        Click(&wizard, "bbBack");
        QTest::mouseClick(Child<QComboBox>(&wizard, "cbRedB1"), Qt::LeftButton);
        QVERIFY(Child<QRadioButton>(&wizard, "rbReduccionBloques")->isChecked());
        Child<QComboBox>(&wizard, "cbRedB1")->setCurrentIndex(1);
        Child<QComboBox>(&wizard, "cbRedB2")->setCurrentIndex(1);
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.Generacion().TipoReduccion(), 2);
        QCOMPARE(wizard.Generacion().ReduccionB1(), 4);
        QCOMPARE(wizard.Generacion().ReduccionB2(), 1);
    }

    void guidedRunWaitsThenMakesTheCombination()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        // Two numbers of each decade, so that the decade conditions let some through.
        ToConditions(wizard, "rbAsistente", 2, 2, {14, 17, 22, 26, 33, 38, 41, 45});
        for (const char *box : {"cbSumaNumeros", "cbMinDosPares", "cbMaxTresPares", "cbMax2EnDecena"}) {
            QVERIFY(!Child<QCheckBox>(&wizard, box)->isChecked());
            Click(&wizard, box);
        }
        QStringList names;
        bool waited = false;
        WhenReady<TFRMGenerating>(
            [](TFRMGenerating *window) { return window->Finalizado(); },
            [&](TFRMGenerating *window) {
                QTest::qWait(30);
                waited = window->isVisible() &&
                         LabelText(window, "lblFinalizado") == QStringLiteral("PROCESO FINALIZADO");
                const TEuroMillonCondicionGrupos &list = wizard.Generacion().Condiciones();
                for (int i = 0; i < list.Count(); ++i)
                    names << QString::fromStdString(list.NombreCondicion(i));
                QVERIFY(combinations.made.empty()); // not before "Aceptar"
                Click(window, "bbCancel");
            });
        Click(&wizard, "bbNext");
        QVERIFY(waited);
        QCOMPARE(names,
                 QStringList({QStringLiteral("Debe haber un mínimo de 2 números pares en el bloque 1"),
                              QStringLiteral("Debe haber un máximo de 3 números pares en el bloque 1"),
                              QStringLiteral("Máximo 2 numeros entre el 1 y el 10"),
                              QStringLiteral("Máximo 2 numeros entre el 11 y el 20"),
                              QStringLiteral("Máximo 2 numeros entre el 21 y el 30"),
                              QStringLiteral("Máximo 2 numeros entre el 31 y el 40"),
                              QStringLiteral("Máximo 2 numeros entre el 41 y el 50"),
                              QStringLiteral(
                                  "Limitar a que la suma de los números del bloque 1 sea entre 120 y 190")}));
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(combinations.made.size(), size_t(1));
        const TEuroMillonApuestas &made = combinations.made.front();
        QCOMPARE(made.Count(), wizard.Generacion().Apuestas().Count());
        QCOMPARE(made.Masks(), wizard.Generacion().Apuestas().Masks());
    }

    void guidedRunWithoutBetsStaysOnTheLastPage()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        // Five numbers summing 15: the sum condition rejects every bet.
        ToConditions(wizard, "rbAsistente", 5, 2);
        Click(&wizard, "cbSumaNumeros");
        Click(&wizard, "bbNext");
        QVERIFY(DialogService::LastText().startsWith(QStringLiteral("ERROR:\nNINGUNA APUESTA ES VÁLIDA")));
        QCOMPARE(wizard.Paso(), 3);
        QVERIFY(wizard.isVisible());
        QVERIFY(combinations.made.empty());
    }

    void cancelledRunStaysOnTheLastPage()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        ToConditions(wizard, "rbAsistente", 10, 4);
        auto now = std::make_shared<uint64_t>(0);
        wizard.Generacion().SetTickSource([now] { return *now += 300; }, 1);
        wizard.Generacion().OnProgress = [](void *) {
            if (TFRMGenerating *window = VisibleWindow<TFRMGenerating>()) {
                DialogService::SetNextAnswer(QMessageBox::Yes);
                Click(window, "bbCancel");
            }
        };
        Click(&wizard, "bbNext");
        QVERIFY(wizard.Generacion().Cancelado());
        QCOMPARE(wizard.Paso(), 3);
        QVERIFY(wizard.isVisible());
        QVERIFY(combinations.made.empty());
    }

    void advancedOpensTheGeneratorWindowFilledIn()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        ToConditions(wizard, "rbCombinacion", 6, 3);
        Click(&wizard, "cbMaxTresPares");
        QString page;
        int conditions = -1;
        WhenShown<TFRMEuroMillonComb>([&](TFRMEuroMillonComb *window) {
            page = Child<QTabWidget>(window, "PageControl")->currentWidget()->objectName();
            conditions = window->Generacion().Condiciones().Count();
            Trigger(window, "ActProcesar");
            Trigger(window, "ActAceptar");
        });
        Click(&wizard, "bbNext");
        QCOMPARE(page, QStringLiteral("tsProcesar"));
        QCOMPARE(conditions, 1);
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(combinations.made.size(), size_t(1));
        // Numbers 1-6 hold only three even ones: every candidate passes.
        QCOMPARE(combinations.made.front().Count(), 18);
        QCOMPARE(combinations.made.front().Bet(0).AsText(), std::string("01.02.03.04.05-01.02"));
    }

    void advancedClosedWithoutAcceptingStaysOnTheLastPage()
    {
        Combinations combinations;
        TFRMAsistente wizard(combinations.Factory());
        wizard.show();
        ToConditions(wizard, "rbCombinacion", 6, 3);
        WhenShown<TFRMEuroMillonComb>([](TFRMEuroMillonComb *window) { Trigger(window, "MiCerrrar"); });
        Click(&wizard, "bbNext");
        QCOMPARE(wizard.Paso(), 3);
        QVERIFY(wizard.isVisible());
        QVERIFY(combinations.made.empty());
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
