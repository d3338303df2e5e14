// The main window on its own: first start, settings kept at close, language,
// ticket country and view mode, and the close questions of the children.
#include "support/ui/shell_test_support.h"

#include "framework/localize.h"
#include "framework/parametres.h"
#include "framework/user_prompt.h"
#include "model/euromillon_apuestas.h"
#include "model/ticket_tables.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_settings.h"
#include "shell/ui/wallpaper.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

    QString MenuTitle(TFRMMainMDI &window, const char *name)
    {
        auto *menu = window.findChild<QMenu *>(QString::fromLatin1(name));
        return menu ? WithoutMnemonic(menu->title()) : QString();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        folder_->CopyLanguageFiles();
    }

    void cleanup()
    {
        // The settings outlive the folder: none may name a file of it.
        WriteSetting(PRM_LANGUAGE_DLL_FILENAME, QString(), false);
        folder_.reset();
    }

    void firstStartUsesBuiltInSpanishTicketView()
    {
        QVERIFY(!QFile::exists(folder_->ResourceFile()));
        {
            TFRMMainMDI window;
            QCOMPARE(window.windowTitle(), QStringLiteral("QOR-EuroMillon v3"));
            QCOMPARE(window.ViewMode(), uint8_t(0));
            QVERIFY(window.windowState().testFlag(Qt::WindowMaximized));
            QCOMPARE(MenuTitle(window, "MiArchivo"), QStringLiteral("Archivo"));
            QCOMPARE(FindAction(&window, "ActNueva")->text(), QStringLiteral("&Nueva Combinación "));
            QCOMPARE(FindAction(&window, "ActNueva")->statusTip(),
                     QStringLiteral("Crear una nueva Combinación"));
            QCOMPARE(FindAction(&window, "ActAbrirCombinacion")->shortcut(),
                     QKeySequence(Qt::CTRL | Qt::Key_O));
            QCOMPARE(EnVigor().Formato.AltoBoleto, 1040);
            QVERIFY(FindAction(&window, "ActVistaBoleto")->isChecked());
            QVERIFY(FindAction(&window, "MiBolEsp")->isChecked());
            QVERIFY(!FindAction(&window, "ActGuardarCombinacion")->isEnabled());
            QVERIFY(!FindAction(&window, "ActGuardarCombinacionComo")->isEnabled());
            QVERIFY(!FindAction(&window, "ActCascada")->isEnabled());
            QVERIFY(DialogService::ShownBoxes().isEmpty());
            window.show();
            QVERIFY(window.close());
        }
        QVERIFY(QFile::exists(folder_->ResourceFile()));
        QVERIFY(!QFile::exists(folder_->BackupFile()));
        QVERIFY(FileBytes(folder_->ResourceFile()).contains("PRM_SHOWLIKE_Boleto"));
        QVERIFY(DialogService::ShownBoxes().isEmpty());
    }

    void languageSwitchesToEnglishAndBack()
    {
        TFRMMainMDI window;
        TFRMApuestas *child = window.NewCombinationWindow();
        Trigger(&window, "MiEnglish");
        QVERIFY2(DialogService::ShownBoxes().isEmpty(), qPrintable(DialogService::LastText()));
        QCOMPARE(MenuTitle(window, "MiArchivo"), QStringLiteral("File"));
        QVERIFY(FindAction(&window, "MiEnglish")->isChecked());
        QCOMPARE(FindAction(child, "ActAddApuestaAleatoria")->text(), QStringLiteral("Add &Random Bet"));
        QVERIFY(QString::fromStdString(Parametres().ReadString(PRM_LANGUAGE_DLL_FILENAME, ""))
                    .endsWith(QStringLiteral("QOREuroMillonv3_english.lng")));

        Trigger(&window, "MiSpanish");
        QCOMPARE(MenuTitle(window, "MiArchivo"), QStringLiteral("Archivo"));
        QCOMPARE(FindAction(child, "ActAddApuestaAleatoria")->text(),
                 QStringLiteral("Aña&dir Apuesta Aleatoria"));
        QVERIFY(QString::fromStdString(Parametres().ReadString(PRM_LANGUAGE_DLL_FILENAME, ""))
                    .endsWith(QStringLiteral("QOREuroMillonv3_espagnol.lng")));
    }

    void missingLanguageFileShowsErrorAndKeepsBuiltInTexts()
    {
        TFRMMainMDI window;
        window.SetLanguage(folder_->FilePath(QStringLiteral("gone.lng")));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("ERROR:\n\nNo se ha leído el paquete de idioma\n") +
                     folder_->FilePath(QStringLiteral("gone.lng")));
        QCOMPARE(MenuTitle(window, "MiArchivo"), QStringLiteral("Archivo"));
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_LANGUAGE_DLL_FILENAME, "x")), QString());
    }

    void countryAndViewFollowTheMenus()
    {
        TFRMMainMDI window;
        TFRMApuestas *child = window.NewCombinationWindow();
        Trigger(&window, "MiBolFrancia");
        QCOMPARE(EnVigor().Formato.AltoBoleto, 1208);
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_COUNTRY_TICKET, "")),
                 QStringLiteral("FR"));
        QVERIFY(FindAction(&window, "MiBolFrancia")->isChecked());
        Trigger(&window, "MiBolEsp");
        QCOMPARE(EnVigor().Formato.AltoBoleto, 1040);
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_COUNTRY_TICKET, "")),
                 QStringLiteral("ES"));

        window.SetTicketCountry(QStringLiteral("fr"));
        QCOMPARE(EnVigor().Formato.AltoBoleto, 1208);
        window.SetTicketCountry(QStringLiteral("DE"));
        QCOMPARE(EnVigor().Formato.AltoBoleto, 1040);
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_COUNTRY_TICKET, "")),
                 QStringLiteral("ES"));

        Trigger(&window, "ActVistaNumeros");
        QCOMPARE(window.ViewMode(), uint8_t(1));
        QCOMPARE(child->ViewMode(), uint8_t(1));
        for (TControlEuroMillonApuesta *control : child->TicketControls())
            QCOMPARE(control->ViewMode(), uint8_t(1));
        QVERIFY(FindAction(&window, "ActVistaNumeros")->isChecked());
        // A window opened now starts in the numbers view too.
        TFRMApuestas *second = window.NewCombinationWindow();
        QCOMPARE(second->TicketControls().front()->ViewMode(), uint8_t(1));
        Trigger(&window, "ActVistaBoleto");
        QCOMPARE(child->TicketControls().front()->ViewMode(), uint8_t(0));
    }

    void windowMenuListsChildrenAndArrangesThem()
    {
        TFRMMainMDI window;
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.NewCombinationWindow();
        window.NewCombinationWindow();
        QVERIFY(FindAction(&window, "ActCascada")->isEnabled());
        auto *menu = window.findChild<QMenu *>(QStringLiteral("MiVentana"));
        emit menu->aboutToShow();
        int listed = 0;
        for (QAction *action : menu->actions())
            if (action->text().contains(QStringLiteral("(Nueva)")))
                ++listed;
        QCOMPARE(listed, 2);
        Trigger(&window, "ActHorizontal");
        Trigger(&window, "ActVertical");
        Trigger(&window, "ActCascada");
        Trigger(&window, "ActMinimizatodos");
        Trigger(&window, "ActAlineaTodos");
        // The active window's menus stand between Archivo and Ventana.
        const QList<QAction *> bar = window.menuBar()->actions();
        QCOMPARE(bar.size(), 5);
        QCOMPARE(bar.at(1)->menu()->objectName(), QStringLiteral("MiCombinacion"));
        QCOMPARE(bar.at(2)->menu()->objectName(), QStringLiteral("MiImprimir"));
        QCOMPARE(bar.at(3)->menu()->objectName(), QStringLiteral("MiVentana"));
    }

    void frameworkQuestionsGoThroughTheDialogService()
    {
        TFRMMainMDI window;
        DialogService::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(AskUserYesNo("SetRecursosQOR", "Error al leer los Parámetros por defecto"));
        QCOMPARE(DialogService::ShownBoxes().constLast().title, QStringLiteral("SetRecursosQOR"));
        QVERIFY(!AskUserYesNo("SetRecursosQOR", "again")); // unanswered: No
        ShowUserError("QOR-EuroMillon v3", "Error guardando recursos aplicación:\nx");
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Error guardando recursos aplicación:\nx"));
    }

    void backgroundPictureStandsInTheLowerRightCorner()
    {
        TFRMMainMDI window;
        const TWallPaper *wallPaper = window.ClientArea()->WallPaper();
        QVERIFY(wallPaper);
        QCOMPARE(wallPaper->Picture().deviceIndependentSize().toSize(), QSize(100, 100));
        QCOMPARE(wallPaper->Position(QSize(800, 600)), QPoint(670, 480));
        // Never scaled: a small area pushes it off the left and top edges.
        QCOMPARE(wallPaper->Position(QSize(100, 100)), QPoint(-30, -20));
    }

    void damagedSettingsFileWithoutBackupGivesDefaultsSilently()
    {
        QFile::remove(folder_->BackupFile());
        QFile file(folder_->ResourceFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x06\x0cNotResources garbage");
        file.close();
        TFRMMainMDI window;
        QVERIFY(DialogService::ShownBoxes().isEmpty());
        QCOMPARE(MenuTitle(window, "MiArchivo"), QStringLiteral("Archivo"));
    }

    void manualMissingOffersTheWebPage()
    {
        TFRMMainMDI window;
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(&window, "MiManual");
        QCOMPARE(DialogService::ShownBoxes().size(), 2);
        QVERIFY(DialogService::ShownBoxes().at(0).text.startsWith(
            QStringLiteral("El archivo de ayuda no se encuentra:\n") +
            folder_->FilePath(QStringLiteral("QOREuroMillon.pdf"))));
        QCOMPARE(DialogService::ShownBoxes().at(1).kind, DialogService::Kind::External);
        QVERIFY(DialogService::LastText().startsWith(QStringLiteral("https://")));
    }

    void closeAsksChildrenCancelKeepsEverythingYesSaves()
    {
        const QString path = folder_->FilePath(QStringLiteral("close.aem"));
        WriteCombinationFile(path, "close", SampleBets(3));
        {
            // An earlier start left the settings that this close keeps as the backup.
            TFRMMainMDI earlier;
            earlier.show();
            QVERIFY(earlier.close());
        }
        TFRMMainMDI window;
        window.show();
        TFRMApuestas *child = window.OpenCombinationFile(path);
        child->AddRandomBet();
        QVERIFY(child->IsModified());
        QVERIFY(FindAction(&window, "ActGuardarCombinacion")->isEnabled());
        const QByteArray before = FileBytes(path);

        DialogService::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!window.close());
        QCOMPARE(window.CombinationWindows().size(), 1);
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("La combinación ha sido modificada\n\n¿Guardar la combinación?"));
        QCOMPARE(DialogService::ShownBoxes().at(0).title, QStringLiteral("QOR-EuroMillon v3 - close"));

        DialogService::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(window.close());
        QCOMPARE(FileBytes(path).size(), before.size() + 18);
        QVERIFY(QFile::exists(folder_->BackupFile()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
