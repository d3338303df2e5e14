// The generator window driven as a user drives it: the selection, the
// reduction lists, F9 and F12, the condition grid and its drawing rules, the
// condition commands, generation files, and the combination window's
// generate command that opens it.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/genera_comb.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "generator/ui/frm_generating.h"
#include "generator/ui/frm_grupo_values.h"
#include "model/euromillon_apuestas.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/ticket_renderer.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

void Mark(TControlEuroMillonApuesta *ticket, int numbers, int stars)
{
    for (int value = 1; value <= numbers; ++value)
        ticket->ToggleBox(1, value);
    for (int value = 1; value <= stars; ++value)
        ticket->ToggleBox(2, value);
}

QVariant Cell(TFRMEuroMillonComb &window, int row, int column, int role = Qt::DisplayRole)
{
    QAbstractItemModel *model = Child<QTableView>(&window, "sgGrupos")->model();
    return model->data(model->index(row, column), role);
}

TEuroMillonCondicionGrupo StarOne()
{
    // Passes the candidates holding star 1: 12 of numbers 1-6, stars 1-3.
    TEuroMillonCondicionGrupo condicion = CondicionGrupoDefecto;
    condicion.Bloque = 2;
    condicion.Numeros = {1};
    condicion.AciertosMin = 1;
    condicion.Nombre = "Estrella 1";
    return condicion;
}

} // namespace

class TestGeneratorWindow : public QObject {
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

    void openingState()
    {
        TFRMEuroMillonComb window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Combinación 'EuroMillon'"));
        QCOMPARE(Child<QTabWidget>(&window, "PageControl")->currentWidget()->objectName(),
                 QStringLiteral("tsNumeros"));
        QVERIFY(Child<QRadioButton>(&window, "rbNoReduccion")->isChecked());
        for (const char *list : {"cbRedGlobal", "cbRedB1", "cbRedB2"})
            QCOMPARE(Child<QComboBox>(&window, list)->currentIndex(), 0);
        QCOMPARE(Child<QComboBox>(&window, "cbRedGlobal")->count(), 6);
        QCOMPARE(Child<QComboBox>(&window, "cbRedB1")->itemText(1),
                 QStringLiteral("Reducida al 4 (1 fallo)"));
        QCOMPARE(LabelText(&window, "lblNumB1"), QStringLiteral("Faltan 5"));
        QCOMPARE(LabelText(&window, "lblNumB2"), QStringLiteral("Faltan 2"));
        QCOMPARE(Child<QLabel>(&window, "lblNumB1")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(LabelText(&window, "lblApuestasPosibles"), QStringLiteral("0"));
        QCOMPARE(Child<QTableView>(&window, "sgGrupos")->model()->rowCount(), 0);
        QCOMPARE(LabelText(&window, "lblCondicionesCount"), QStringLiteral("0"));
        QCOMPARE(LabelText(&window, "lblApuestasGeneradas"), QStringLiteral("0"));
        QCOMPARE(LabelText(&window, "lblApuestasValidas"), QStringLiteral("0"));
        QVERIFY(!FindAction(&window, "ActAceptar")->isEnabled());
        QVERIFY(!FindAction(&window, "ActModifyCondicion")->isEnabled());
        // The shortcuts of the actions.
        QCOMPARE(FindAction(&window, "ActModifyCondicion")->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(FindAction(&window, "ActAddCondicion")->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(FindAction(&window, "ActDelCondicion")->shortcut(), QKeySequence(Qt::Key_F7));
        QCOMPARE(FindAction(&window, "ActProcesar")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(FindAction(&window, "ActAceptar")->shortcut(), QKeySequence(Qt::Key_F12));
        QCOMPARE(FindAction(&window, "ActActiva")->shortcut(), QKeySequence(Qt::Key_Delete));
    }

    void f9ThenF12GivesEighteenBets()
    {
        TFRMEuroMillonComb window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Mark(window.Boleto(), 6, 3);
        QCOMPARE(LabelText(&window, "lblNumB1"), QStringLiteral("6"));
        QCOMPARE(LabelText(&window, "lblNumB2"), QStringLiteral("3"));
        QCOMPARE(Child<QLabel>(&window, "lblNumB2")->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
        QCOMPARE(LabelText(&window, "lblApuestasPosibles"), QStringLiteral("18"));
        QTest::keyClick(&window, Qt::Key_F9); // the progress window closes by itself
        QCOMPARE(window.Generacion().Apuestas().Count(), 18);
        QVERIFY(!VisibleWindow<TFRMGenerating>());
        QCOMPARE(LabelText(&window, "lblApuestasGeneradas"), QStringLiteral("18"));
        QCOMPARE(LabelText(&window, "lblApuestasGeneradasPct"), QStringLiteral("100,00%"));
        QCOMPARE(LabelText(&window, "lblApuestasValidas"), QStringLiteral("18"));
        QVERIFY(FindAction(&window, "ActAceptar")->isEnabled());
        window.activateWindow(); // back from the progress window
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F12);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
    }

    void processingWithoutEnoughNumbersIsRefused()
    {
        TFRMEuroMillonComb window;
        Mark(window.Boleto(), 4, 2);
        Trigger(&window, "ActProcesar");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("No ha seleccionado suficientes números para procesar."));
        QCOMPARE(window.Generacion().Generadas(), 0);
    }

    void twoMissesChecksGlobalReduction()
    {
        TFRMEuroMillonComb window;
        window.show();
        auto *list = Child<QComboBox>(&window, "cbRedGlobal");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("2 Fallos"));
        QCOMPARE(window.Generacion().ReduccionGlobal(), 5);
        QVERIFY(Child<QRadioButton>(&window, "rbReduccionGlobal")->isChecked());
        QCOMPARE(window.Generacion().TipoReduccion(), 1);
        // A click on a block list picks the block reduction.
        QTest::mouseClick(Child<QComboBox>(&window, "cbRedB2"), Qt::LeftButton);
        QVERIFY(Child<QRadioButton>(&window, "rbReduccionBloques")->isChecked());
        QCOMPARE(window.Generacion().TipoReduccion(), 2);
        QTest::mouseClick(Child<QRadioButton>(&window, "rbNoReduccion"), Qt::LeftButton);
        QCOMPARE(window.Generacion().TipoReduccion(), 0);
    }

    void loadingBlockReductionFourAndOne()
    {
        const QString path = folder_->FilePath(QStringLiteral("bloques.gem"));
        {
            TEuroMillonGeneraComb settings;
            settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionBloques);
            settings.SetReduccionB1(4);
            settings.SetReduccionB2(1);
            for (int value : {3, 9, 14, 20, 33, 41})
                settings.Seleccion().Block(1).Add(value);
            settings.Seleccion().Block(2).Add(2);
            settings.Seleccion().Block(2).Add(7);
            settings.Condiciones().Add(StarOne());
            settings.SaveToFile(path.toStdString());
        }
        TFRMEuroMillonComb window;
        DialogService::SetNextFileName(path);
        Trigger(&window, "MiLeerDeArchivo");
        QVERIFY(Child<QRadioButton>(&window, "rbReduccionBloques")->isChecked());
        QCOMPARE(Child<QComboBox>(&window, "cbRedB1")->currentText(),
                 QStringLiteral("Reducida al 4 (1 fallo)"));
        QCOMPARE(Child<QComboBox>(&window, "cbRedB2")->currentText(),
                 QStringLiteral("Reducida al 1 (1 fallo)"));
        QCOMPARE(window.Boleto()->ShownBet().AsText(), std::string("03.09.14.20.33.41-02.07"));
        QCOMPARE(LabelText(&window, "lblApuestasPosibles"), QStringLiteral("6"));
        QCOMPARE(LabelText(&window, "lblCondicionesCount"), QStringLiteral("1"));
        QCOMPARE(Cell(window, 0, 1).toString(), QStringLiteral("Estrella 1"));
    }

    void loadingADamagedFileShowsItsError()
    {
        const QString path = folder_->FilePath(QStringLiteral("combinacion.gem"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("EMA0\x06\x01x\x01\x00", 9);
        file.close();
        TFRMEuroMillonComb window;
        Mark(window.Boleto(), 5, 2);
        DialogService::SetNextFileName(path);
        Trigger(&window, "MiLeerDeArchivo");
        QCOMPARE(DialogService::LastText(), QStringLiteral("No es un formato de archivo válido."));
        QCOMPARE(window.Generacion().ApuestasPosibles(), 1); // the settings are unchanged
    }

    void addingAConditionNeedsASelection()
    {
        TFRMEuroMillonComb window;
        Mark(window.Boleto(), 4, 2);
        Trigger(&window, "ActAddCondicion");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Primero debe seleccionar números de la apuesta."));
        QCOMPARE(window.Generacion().Condiciones().Count(), 0);
    }

    void addingAConditionThroughTheEditor()
    {
        TFRMEuroMillonComb window;
        window.show();
        Mark(window.Boleto(), 6, 3);
        bool greyed = false;
        WhenShown<TFRMGrupoValues>([&greyed](TFRMGrupoValues *editor) {
            // The reference selection greys what it does not hold.
            TTicketBoxColours colours{Qt::black, Qt::white, Qt::black, Qt::black};
            editor->Boleto()->DrawBoxHook(1, 7, colours);
            greyed = colours.Back == QColor(192, 192, 192);
            for (int value : {1, 2, 3})
                editor->Boleto()->ToggleBox(1, value);
            Child<QLineEdit>(editor, "ebAciertosMax")->setText(QStringLiteral("2"));
            Child<QLineEdit>(editor, "ebNombre")->setText(QStringLiteral("Pocos bajos"));
            Child<QPushButton>(editor, "bbAceptar")->click();
        });
        Trigger(&window, "ActAddCondicion");
        QVERIFY(greyed);
        QCOMPARE(Child<QTabWidget>(&window, "PageControl")->currentWidget()->objectName(),
                 QStringLiteral("tsCondicionesGrupos"));
        QCOMPARE(window.Generacion().Condiciones().Count(), 1);
        const TEuroMillonCondicionGrupo added = window.Generacion().Condiciones().Condicion(0);
        QCOMPARE(added.Numeros, (TEuroMillonNumeros{1, 2, 3}));
        QCOMPARE(added.AciertosMax, 2);
        QCOMPARE(LabelText(&window, "lblCondicionesCount"), QStringLiteral("1"));
        QCOMPARE(Cell(window, 0, 0).toString(), QStringLiteral("1"));
        QCOMPARE(Cell(window, 0, 1).toString(), QStringLiteral("Pocos bajos"));
        QCOMPARE(Cell(window, 0, 1, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 128));
        QVERIFY(FindAction(&window, "ActModifyCondicion")->isEnabled());

        // Modify it (F5): the editor opens on it; Cancel leaves it alone.
        QString loadedName;
        WhenShown<TFRMGrupoValues>([&loadedName](TFRMGrupoValues *editor) {
            loadedName = Child<QLineEdit>(editor, "ebNombre")->text();
            Child<QPushButton>(editor, "bbCancelar")->click();
        });
        Trigger(&window, "ActModifyCondicion");
        QCOMPARE(loadedName, QStringLiteral("Pocos bajos"));
        QCOMPARE(window.Generacion().Condiciones().Condicion(0), added);

        // Delete it (F7): No keeps it, Yes deletes it.
        DialogService::SetNextAnswer(QMessageBox::No);
        Trigger(&window, "ActDelCondicion");
        QCOMPARE(DialogService::LastText(), QStringLiteral("¿Seguro que desea BORRAR la condición?"));
        QCOMPARE(window.Generacion().Condiciones().Count(), 1);
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(&window, "ActDelCondicion");
        QCOMPARE(window.Generacion().Condiciones().Count(), 0);
        QCOMPARE(Child<QTableView>(&window, "sgGrupos")->model()->rowCount(), 0);
        QVERIFY(!FindAction(&window, "ActDelCondicion")->isEnabled());
    }

    void counterColumnsFollowTheLastRun()
    {
        TFRMEuroMillonComb window;
        window.show();
        Mark(window.Boleto(), 6, 3);
        window.Generacion().Condiciones().Add(StarOne());
        window.RefrescarDesdeGeneracion();
        TEuroMillonCondicionGrupo three = CondicionGrupoDefecto; // 3 passes: 1 2 3 4 5 with each star pair
        three.Numeros = {1, 2, 3, 4, 5};
        three.AciertosMin = 5;
        window.Generacion().Condiciones().Add(three);
        window.RefrescarDesdeGeneracion();
        QVERIFY(!window.EstadisticasValidas());
        QCOMPARE(Cell(window, 0, 2, Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));

        Trigger(&window, "ActProcesar");
        QVERIFY(window.EstadisticasValidas());
        QCOMPARE(window.Generacion().Apuestas().Count(), 2); // star 1 and the five lowest
        QCOMPARE(Cell(window, 0, 2).toString(), QStringLiteral("12"));
        QCOMPARE(Cell(window, 1, 2).toString(), QStringLiteral("3"));
        QCOMPARE(Cell(window, 1, 3).toString(), QStringLiteral("16,7%"));
        QCOMPARE(Cell(window, 1, 2, Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(Cell(window, 1, 2, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);

        // One more number: the counters no longer belong to the selection.
        window.Boleto()->ToggleBox(1, 7);
        QVERIFY(!window.EstadisticasValidas());
        QCOMPARE(Cell(window, 1, 2, Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
        QCOMPARE(Cell(window, 1, 2, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));

        // Below 5 numbers there are no possible bets: the percentage is empty.
        for (int value = 1; value <= 4; ++value)
            window.Boleto()->ToggleBox(1, value);
        QCOMPARE(Cell(window, 1, 3).toString(), QString());
        QCOMPARE(Cell(window, 1, 2).toString(), QStringLiteral("3"));
    }

    void deleteKeySwitchesAConditionOnAndOff()
    {
        TFRMEuroMillonComb window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Mark(window.Boleto(), 6, 3);
        window.Generacion().Condiciones().Add(StarOne());
        window.RefrescarDesdeGeneracion();
        // Only on the conditions page.
        QVERIFY(!FindAction(&window, "ActActiva")->isEnabled());
        Child<QTabWidget>(&window, "PageControl")->setCurrentIndex(2);
        QVERIFY(FindAction(&window, "ActActiva")->isEnabled());
        QVERIFY(!Cell(window, 0, 1, Qt::FontRole).value<QFont>().italic());
        QTest::keyClick(Child<QTableView>(&window, "sgGrupos"), Qt::Key_Delete);
        QVERIFY(!window.Generacion().Condiciones().Condicion(0).Activa);
        QVERIFY(Cell(window, 0, 1, Qt::FontRole).value<QFont>().italic());
        QCOMPARE(Cell(window, 0, 1, Qt::ForegroundRole).value<QColor>(),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QTest::keyClick(Child<QTableView>(&window, "sgGrupos"), Qt::Key_Delete);
        QVERIFY(window.Generacion().Condiciones().Condicion(0).Activa);
        QVERIFY(!Cell(window, 0, 1, Qt::FontRole).value<QFont>().italic());
    }

    void savingAsksBeforeReplacingAFile()
    {
        TFRMEuroMillonComb window;
        Mark(window.Boleto(), 6, 3);
        const QString path = folder_->FilePath(QStringLiteral("guardada.gem"));
        DialogService::SetNextFileName(path);
        Trigger(&window, "MiGuardarEnArchivo");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Archivo Generación Apuestas guardado en:\n") + path);
        // Numbers 1-6, stars 1-3, no reduction, no conditions.
        QCOMPARE(FileBytes(path).toHex(' '),
                 QByteArray("45 4d 43 30 02 02 01 02 01 02 02 02 03 02 04 02 05 02 06 00 "
                            "01 02 01 02 02 02 03 00 02 00 02 07 02 05 02 02 01 00"));

        window.Boleto()->ToggleBox(1, 7);
        DialogService::ClearShownBoxes();
        DialogService::SetNextFileName(path);
        DialogService::SetNextAnswer(QMessageBox::No);
        Trigger(&window, "MiGuardarEnArchivo");
        QCOMPARE(DialogService::ShownBoxes().size(), 2); // the file dialog, the question
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("El archivo ya existe:\n") + path +
                     QStringLiteral("\n¿Seguro que desea guardar en este archivo?"));
        QCOMPARE(FileBytes(path).size(), 38); // untouched: still six numbers

        DialogService::SetNextFileName(path);
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(&window, "MiGuardarEnArchivo");
        QCOMPARE(FileBytes(path).size(), 40);
    }

    void cargarDesdeShowsTheProcessPage()
    {
        TEuroMillonGeneraComb settings;
        for (int value = 1; value <= 7; ++value)
            settings.Seleccion().Block(1).Add(value);
        settings.Seleccion().Block(2).Add(1);
        settings.Seleccion().Block(2).Add(2);
        settings.SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
        settings.SetReduccionGlobal(6);
        TFRMEuroMillonComb window;
        window.CargarDesde(settings);
        QCOMPARE(Child<QTabWidget>(&window, "PageControl")->currentWidget()->objectName(),
                 QStringLiteral("tsProcesar"));
        QVERIFY(Child<QRadioButton>(&window, "rbReduccionGlobal")->isChecked());
        QCOMPARE(Child<QComboBox>(&window, "cbRedGlobal")->currentText(), QStringLiteral("1 Fallo"));
        QCOMPARE(LabelText(&window, "lblApuestasPosibles"), QStringLiteral("21"));
        Trigger(&window, "ActProcesar");
        QCOMPARE(window.Generacion().Apuestas().Count(), 3);
    }

    void combinationWindowAppendsTheGeneratedBets()
    {
        TFRMMainMDI main;
        main.show();
        TFRMApuestas *combination = main.NewCombinationWindow();
        combination->AddRandomBet();
        const BetMask first = combination->Combination().Mask(0);
        WhenShown<TFRMEuroMillonComb>([](TFRMEuroMillonComb *window) {
            Mark(window->Boleto(), 7, 2);
            window->Generacion().SetTipoReduccion(TEuroMillonGeneraComb::kReduccionGlobal);
            window->Generacion().SetReduccionGlobal(6);
            Trigger(window, "ActProcesar");
            Trigger(window, "ActAceptar");
        });
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(combination, "ActGenerarCombinacion");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Se insertarán un total de 3 apuestas a la combinación\n¿Continuar?"));
        QCOMPARE(combination->Combination().Count(), 4);
        QCOMPARE(combination->Combination().Mask(0), first);
        QCOMPARE(combination->Combination().Bet(1).AsText(), std::string("01.02.03.04.05-01.02"));
        QCOMPARE(combination->Combination().Bet(3).AsText(), std::string("01.04.05.06.07-01.02"));
        combination->Release();
    }
};

QTEST_MAIN(TestGeneratorWindow)
#include "test_generator_window.moc"
