// The progress window: closing by itself or waiting for "Aceptar", the
// cancel question, the all-rejecting conditions, the percentages and the
// progress handler given back after the run.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/genera_comb.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/generator_widgets.h"
#include "model/euromillon_apuestas.h"
#include "widgets/dialog_service.h"

#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

void Select(TEuroMillonGeneraComb &generacion, int numbers, int stars)
{
    for (int value = 1; value <= numbers; ++value)
        generacion.Seleccion().Block(1).Add(value);
    for (int value = 1; value <= stars; ++value)
        generacion.Seleccion().Block(2).Add(value);
}

// A clock 300 ms further on at every reading: every candidate is reported.
void ReportEveryCandidate(TEuroMillonGeneraComb &generacion)
{
    auto now = std::make_shared<uint64_t>(0);
    generacion.SetTickSource([now] { return *now += 300; }, 1);
}

} // namespace

class TestGeneratingWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup() { folder_.reset(); }

    void runThatKeepsBetsClosesByItself()
    {
        TEuroMillonGeneraComb generacion;
        Select(generacion, 6, 3);
        QVERIFY(EjecutarGeneracion(nullptr, generacion, false));
        QCOMPARE(generacion.Apuestas().Count(), 18);
        QVERIFY(!VisibleWindow<TFRMGenerating>());
        QVERIFY(DialogService::ShownBoxes().isEmpty());
    }

    void waitingRunShowsTheEndUntilAceptar()
    {
        TEuroMillonGeneraComb generacion;
        Select(generacion, 6, 3);
        generacion.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        generacion.SetReduccionGlobal(6);
        bool checked = false;
        WhenReady<TFRMGenerating>(
            [](TFRMGenerating *window) { return window->Finalizado(); },
            [&checked](TFRMGenerating *window) {
                QVERIFY(Child<QLabel>(window, "lblFinalizado")->isVisible());
                QCOMPARE(LabelText(window, "lblFinalizado"), QStringLiteral("PROCESO FINALIZADO"));
                QVERIFY(!Child<QProgressBar>(window, "ProgressBar")->isVisible());
                QCOMPARE(Child<QPushButton>(window, "bbCancel")->text(), QStringLiteral("&Aceptar"));
                QCOMPARE(LabelText(window, "lblApuestasGeneradas"), QStringLiteral("18"));
                QCOMPARE(LabelText(window, "lblApuestasValidas"), QStringLiteral("3"));
                QCOMPARE(LabelText(window, "lblApuestasValidasPct"), QStringLiteral("16,67%"));
                // Still open a moment later: it waits for the user.
                QTest::qWait(50);
                QVERIFY(window->isVisible());
                checked = true;
                QTest::keyClick(window, Qt::Key_Escape); // Escape presses the button
            });
        QVERIFY(EjecutarGeneracion(nullptr, generacion, true));
        QVERIFY(checked);
        QCOMPARE(generacion.Apuestas().Count(), 3);
    }

    void cancelAnsweredNoThenYes()
    {
        TEuroMillonGeneraComb generacion;
        Select(generacion, 10, 4); // 1512 candidates
        ReportEveryCandidate(generacion);
        int reports = 0;
        generacion.OnProgress = [&reports](void *) {
            ++reports;
            TFRMGenerating *window = VisibleWindow<TFRMGenerating>();
            if (!window)
                return;
            auto *button = Child<QPushButton>(window, "bbCancel");
            if (reports == 2) {
                DialogService::SetNextAnswer(QMessageBox::No);
                button->click();
            } else if (reports == 5) {
                DialogService::SetNextAnswer(QMessageBox::Yes);
                button->click();
                button->click(); // a second click after Yes asks nothing
            }
        };
        QVERIFY(!EjecutarGeneracion(nullptr, generacion, true));
        QVERIFY(generacion.Cancelado());
        QCOMPARE(generacion.Apuestas().Count(), 0);
        // No let the run go on; the report after Yes stopped it.
        QCOMPARE(generacion.Generadas(), 6);
        int questions = 0;
        for (const DialogService::ShownBox &box : DialogService::ShownBoxes()) {
            QCOMPARE(box.kind, DialogService::Kind::Question);
            QCOMPARE(box.text, QStringLiteral("¿Cancelar el proceso?"));
            ++questions;
        }
        QCOMPARE(questions, 2);
        // The handler of before the run is back in place.
        const int before = reports;
        generacion.OnProgress(&generacion);
        QCOMPARE(reports, before + 1);
    }

    void conditionsRejectingEverythingSayNoBetIsValid()
    {
        TEuroMillonGeneraComb generacion;
        Select(generacion, 6, 3);
        TEuroMillonCondicionGrupo imposible = CondicionGrupoDefecto;
        imposible.Numeros = {1, 2, 3};
        imposible.AciertosMin = 4;
        generacion.Condiciones().Add(imposible);
        QVERIFY(!EjecutarGeneracion(nullptr, generacion, true));
        QCOMPARE(generacion.Generadas(), 18);
        QCOMPARE(generacion.Validas(), 0);
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        const DialogService::ShownBox box = DialogService::ShownBoxes().constFirst();
        QCOMPARE(box.kind, DialogService::Kind::Warning);
        QVERIFY(box.text.startsWith(QStringLiteral("ERROR:\nNINGUNA APUESTA ES VÁLIDA\n \nEs posible")));
        QVERIFY(!box.text.contains(QLatin1Char('\r')));
    }

    void percentagesFollowTheLanguageNotTheDesktop()
    {
        QCOMPARE(FormatPercent(25.0, 2), QStringLiteral("25,00%"));
        QCOMPARE(FormatPercent(10.0, 2), QStringLiteral("10,00%"));
        QCOMPARE(FormatPercent(3 * 100.0 / 18, 1), QStringLiteral("16,7%"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(FormatPercent(25.0, 2), QStringLiteral("25,00%"));
        QCOMPARE(FormatPercent(100.0, 2), QStringLiteral("100,00%"));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    }

    void countersBeforeAnyCandidate()
    {
        TEuroMillonGeneraComb generacion;
        TFRMGenerating window;
        window.Preparar(generacion);
        QCOMPARE(LabelText(&window, "lblApuestasGeneradas"), QStringLiteral("0"));
        QCOMPARE(LabelText(&window, "lblApuestasGeneradasPct"), QString()); // no possible bet
        QCOMPARE(LabelText(&window, "lblApuestasCondicionPct"), QString());
        QVERIFY(window.EsperarAceptar());
    }

    void percentagesOfTheLargestWalkStartAtZero()
    {
        // Every number and star: the first candidate of 76,275,360.
        TEuroMillonGeneraComb generacion;
        Select(generacion, 50, 9);
        generacion.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        generacion.SetReduccionGlobal(6);
        ReportEveryCandidate(generacion);
        QString seen;
        // Cancelled straight away by the handler: only the percentages matter.
        generacion.OnProgress = [&](void *) {
            if (generacion.Generadas() == 1) {
                TFRMGenerating *window = VisibleWindow<TFRMGenerating>();
                seen = window ? LabelText(window, "lblApuestasGeneradasPct") : QString();
                generacion.SetCancelado(true);
            }
        };
        QVERIFY(!EjecutarGeneracion(nullptr, generacion, false));
        QCOMPARE(seen, QStringLiteral("0,00%"));
        QCOMPARE(generacion.Generadas(), 1);
        QCOMPARE(generacion.Apuestas().Count(), 0);
    }
};

QTEST_MAIN(TestGeneratingWindow)
#include "test_generating_window.moc"
