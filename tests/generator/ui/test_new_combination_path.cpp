// The whole path a user takes for a new combination: the main window's New,
// the wizard guided with numbers 1-10, stars 1-4 and "2 Fallos", the
// progress window's "Aceptar", and a new combination window that holds
// exactly the bets the command line writes for the same generation.
#include "generator_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "generator/ui/frm_asistente.h"
#include "generator/ui/frm_generating.h"
#include "model/euromillon_apuestas.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestNewCombinationPath : public QObject {
    Q_OBJECT

private slots:
    void wizardGuidedMatchesTheCommandLine()
    {
        ShellTestFolder folder;
        QVERIFY(folder.IsValid());
        const QString expectedPath = folder.FilePath(QStringLiteral("cli.aem"));
        QProcess cli;
        cli.start(QStringLiteral(QOR_CLI_PATH),
                  {QStringLiteral("generate"), QStringLiteral("--numbers"), QStringLiteral("1-10"),
                   QStringLiteral("--stars"), QStringLiteral("1-4"), QStringLiteral("--global"),
                   QStringLiteral("5"), QStringLiteral("-o"), expectedPath});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        TEuroMillonApuestas expected;
        expected.LoadFromFile(expectedPath.toStdString());
        QVERIFY(expected.Count() > 0);

        TFRMMainMDI main;
        main.resize(1100, 800);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(main.CombinationWindows().isEmpty());

        bool guided = false;
        bool accepted = false;
        WhenShown<TFRMAsistente>([&](TFRMAsistente *wizard) {
            Child<QRadioButton>(wizard, "rbAsistente")->click();
            Child<QPushButton>(wizard, "bbNext")->click();
            for (int value = 1; value <= 10; ++value)
                QTest::mouseClick(wizard->Boleto(), Qt::LeftButton, {},
                                  wizard->Boleto()->Layout().BoxBounds(1, value).center());
            for (int value = 1; value <= 4; ++value)
                QTest::mouseClick(wizard->Boleto(), Qt::LeftButton, {},
                                  wizard->Boleto()->Layout().BoxBounds(2, value).center());
            Child<QPushButton>(wizard, "bbNext")->click();
            auto *global = Child<QComboBox>(wizard, "cbRedGlobal");
            global->setFocus();
            QTest::keyClick(global, Qt::Key_Down);
            QTest::keyClick(global, Qt::Key_Down); // "2 Fallos"
            Child<QPushButton>(wizard, "bbNext")->click();
            guided = wizard->Paso() == 3 && global->currentText() == QStringLiteral("2 Fallos");
            WhenReady<TFRMGenerating>([](TFRMGenerating *window) { return window->Finalizado(); },
                                      [&accepted](TFRMGenerating *window) {
                                          accepted = true;
                                          Child<QPushButton>(window, "bbCancel")->click(); // "Aceptar"
                                      });
            Child<QPushButton>(wizard, "bbNext")->click();
        });
        Trigger(&main, "ActNueva");

        QVERIFY(guided);
        QVERIFY(accepted);
        QVERIFY(!VisibleWindow<TFRMAsistente>());
        QCOMPARE(main.CombinationWindows().size(), 1);
        TFRMApuestas *window = main.CombinationWindows().constFirst();
        QCOMPARE(window->Combination().Count(), expected.Count());
        QCOMPARE(window->Combination().Masks(), expected.Masks());
        QVERIFY(window->Combination().Modified());
        QCOMPARE(LabelText(window, "lblTotalApuestas"), QString::number(expected.Count()));
        window->Release();
    }
};

QTEST_MAIN(TestNewCombinationPath)
#include "test_new_combination_path.moc"
