// Where the save dialogs of a combination window and of the windows it opens
// start, and the numbers view holding one pending bet at a time.
#include "framework/setting_keys.h"
#include "report/ui/report_ui_test_support.h"
#include "support/ui/shell_test_support.h"

#include "framework/parametres.h"
#include "framework/program_path.h"
#include "framework/setting_keys.h"
#include "framework/variant.h"
#include "generator/ui/frm_euromillon_comb.h"
#include "model/euromillon_apuestas.h"
#include "report/ui/report_designer.h"
#include "report/ui/report_preview.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/edit_bloque_numero.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

class TestSaveDialogsAndPendingBets : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;
    std::unique_ptr<TFRMMainMDI> main_;
    QString lastFolder_;

    // The folder and the name the last save dialog started with.
    static QPair<QString, QString> LastSaveStart()
    {
        for (qsizetype i = DialogService::ShownBoxes().size() - 1; i >= 0; --i) {
            const DialogService::ShownBox &box = DialogService::ShownBoxes().at(i);
            if (box.kind == DialogService::Kind::SaveFile)
                return {QDir::cleanPath(box.folder), box.name};
        }
        return {QStringLiteral("<no save dialog>"), QString()};
    }

    TFRMApuestas *NamedCombination(const char *name)
    {
        TFRMApuestas *window = main_->NewCombinationWindow();
        window->Combination().SetName(name);
        window->Combination().SetModified(false);
        return window;
    }

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        lastFolder_ = folder_->FilePath(QStringLiteral("last"));
        QVERIFY(QDir().mkpath(lastFolder_));
        main_ = std::make_unique<TFRMMainMDI>();
        main_->resize(1100, 800);
        main_->show();
    }

    void cleanupTestCase()
    {
        for (TFRMApuestas *window : main_->CombinationWindows())
            window->Release();
        main_.reset();
    }

    void init()
    {
        Parametres().SetValor(PRM_LAST_FOLDER, Variant(lastFolder_.toStdString()));
        DialogService::ClearScript();
        DialogService::ClearShownBoxes();
    }

    void saveDialogsStartInTheFileFolderWithItsName()
    {
        TFRMApuestas *unsaved = NamedCombination("Navidad 2024");
        TFRMApuestas *opened = OpenSampleFile(*main_, *folder_, "abierta", 2);
        init(); // opening it made its folder the last one used
        const QString boletos = QDir::cleanPath(QString::fromStdString(DataFolderPath("Boletos")));
        QVERIFY(QDir().mkpath(boletos)); // made by the print window before it designs
        TEuroMillonApuestas apuestas;
        const std::vector<BetMask> bets = SpreadBets(3);
        apuestas.AppendMasks(bets.data(), bets.size());

        struct Case {
            const char *what;
            std::function<void()> save;
            QString folder;
            QString name;
        };
        const Case cases[] = {
            {"a combination never saved", [&] { unsaved->SaveAs(); }, lastFolder_,
             QStringLiteral("Navidad 2024.aem")},
            {"a combination read from a file", [&] { opened->SaveAs(); }, folder_->Path(),
             QStringLiteral("abierta.aem")},
            {"a generation file",
             [&] {
                 TFRMEuroMillonComb generator(unsaved);
                 Trigger(&generator, "MiGuardarEnArchivo");
             },
             lastFolder_, QStringLiteral("Navidad 2024.gem")},
            {"a PDF of a preview",
             [&] {
                 TfrPreviewWindow preview(PrepareAutomaticTicket(apuestas, pbEspana, 0), unsaved);
                 Trigger(&preview, "ActSavePdf");
             },
             lastFolder_, QStringLiteral("Navidad 2024.pdf")},
            {"a template read from the ticket folder",
             [&] {
                 TfrReport report;
                 report.AddPage();
                 report.SetFileName(DataFolderPath("Boletos") + "/Mi boleto.frf");
                 TfrDesignerWindow designer(report, unsaved);
                 Trigger(&designer, "ActSaveAs");
             },
             boletos, QStringLiteral("Mi boleto.frf")},
            {"a template never saved",
             [&] {
                 TfrReport report;
                 report.AddPage();
                 TfrDesignerWindow designer(report, unsaved);
                 Trigger(&designer, "ActSaveAs");
             },
             boletos, QStringLiteral("Navidad 2024.frf")},
        };
        for (const Case &c : cases) {
            DialogService::ClearShownBoxes();
            c.save(); // headless: the dialog is recorded and cancelled
            const QPair<QString, QString> start = LastSaveStart();
            QVERIFY2(start.first == QDir::cleanPath(c.folder), c.what);
            QVERIFY2(start.second == c.name,
                     qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(c.what), start.second)));
        }

        // Once saved, the generation file is proposed again where it went.
        {
            const QString gem = folder_->FilePath(QStringLiteral("ajustes.gem"));
            TFRMEuroMillonComb generator(unsaved);
            DialogService::SetNextFileName(gem);
            Trigger(&generator, "MiGuardarEnArchivo");
            DialogService::ClearShownBoxes();
            Trigger(&generator, "MiGuardarEnArchivo");
            QCOMPARE(LastSaveStart(),
                     qMakePair(QDir::cleanPath(folder_->Path()), QStringLiteral("ajustes.gem")));
        }

        unsaved->Release();
        opened->Release();
    }

    // The real dialog: in the folder, with only the name in its field (a
    // folder given as the start used to become the name, one level up).
    void theShownSaveDialogOpensInTheFolderWithTheName()
    {
        const QPair<QString, QString> cases[] = {
            {lastFolder_, QString()},
            {lastFolder_ + QStringLiteral("/Mi combinación.aem"), QStringLiteral("Mi combinación.aem")},
        };
        for (const auto &[start, expectedName] : cases) {
            QString folder = QStringLiteral("<no dialog>");
            QString name = QStringLiteral("<no field>");
            auto look = [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                folder = QDir::cleanPath(dialog->directory().absolutePath());
                if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name = edit->text();
                dialog->reject();
            };
            QTimer::singleShot(0, this, look);
            QTimer::singleShot(3000, this, look); // never left waiting
            DialogService::SetHeadless(false);
            const QString chosen = DialogService::SaveFileName(
                nullptr, QStringLiteral("Combinaciones (*.aem)|*.aem"), QStringLiteral("aem"), start);
            DialogService::SetHeadless(true);
            QCOMPARE(chosen, QString());
            QCOMPARE(folder, QDir::cleanPath(lastFolder_));
            QCOMPARE(name, expectedName);
        }
    }

    // A name no file may carry is proposed without its separators and controls.
    void proposedNamesAreFitForAFile()
    {
        QCOMPARE(DialogService::FileNameOf(QStringLiteral(" a/b\\c\nd ")), QStringLiteral("a b c d"));
        const DialogService::SaveStart start =
            DialogService::SaveStartFor(nullptr, lastFolder_ + QLatin1Char('/'), QStringLiteral("aem"));
        QCOMPARE(QDir::cleanPath(start.folder), QDir::cleanPath(lastFolder_));
        QCOMPARE(start.name, QString());
    }

    void manualWithoutAViewerSaysSoAndShowsThePath()
    {
        const QString manual = folder_->FilePath(QStringLiteral("QOREuroMillon.pdf"));
        QFile file(manual);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        DialogService::SetNextExternalResult(false);
        Trigger(main_.get(), "MiManual");
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Warning);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral(
                     "No se ha encontrado ningún visor de PDF para abrir el manual. El archivo está en:\n") +
                     manual);
        QFile::remove(manual);
    }

    void combinationMenuSaysItClosesTheCombinationWindow()
    {
        TFRMApuestas *window = main_->NewCombinationWindow();
        QCOMPARE(FindAction(window, "MiCerrarAplicacion")->text(),
                 QStringLiteral("&Cerrar la ventana de la combinación"));
        QCOMPARE(FindAction(main_.get(), "ActFileExit")->text(), QStringLiteral("&Cerrar la aplicación"));
        window->Release();
    }

    void numbersViewRefusesASecondPendingBetAndLosesNothing()
    {
        TFRMApuestas *window = OpenSampleFile(*main_, *folder_, "pendiente", 2);
        window->SetViewMode(1);
        TControlEuroMillonApuesta *first = window->TicketControls()[2]; // the first blank bet
        TControlEuroMillonApuesta *second = window->TicketControls()[3];
        const int values[] = {44, 8, 23, 15, 31, 3, 9};
        for (int k = 0; k < 7; ++k) {
            TEditBloqueNumero *field = first->Field(k < 5 ? 1 : 2, k < 5 ? k + 1 : k - 4);
            field->setFocus();
            QTest::keyClicks(field, QString::number(values[k]));
            QTest::keyClick(field, Qt::Key_Return);
        }
        QVERIFY(first->Modified());
        const std::string typed = first->ShownBet().AsText();
        QCOMPARE(typed, std::string("08.15.23.31.44-03.09"));

        DialogService::ClearShownBoxes();
        TEditBloqueNumero *other = second->Field(1, 1);
        other->setFocus();
        QTest::keyClicks(other, QStringLiteral("7"));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Error);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Primero debe ACEPTAR o CANCELAR los cambios de la apuesta: 3."));
        QCOMPARE(other->text(), QString());
        QVERIFY(!second->Modified());
        QVERIFY(first->Modified());
        QCOMPARE(first->ShownBet().AsText(), typed);
        QCOMPARE(first->Field(1, 5)->text(), QStringLiteral("44"));

        // Accepting stores the first bet with no error; the second may then be typed.
        DialogService::ClearShownBoxes();
        Trigger(window, "ActSaveModifiedApuestas");
        QCOMPARE(DialogService::ShownBoxes().size(), 0);
        QCOMPARE(window->Combination().Count(), 3);
        QCOMPARE(window->Combination().Bet(2).AsText(), typed);
        other->setFocus();
        QTest::keyClicks(other, QStringLiteral("7"));
        QCOMPARE(other->text(), QStringLiteral("7"));
        QCOMPARE(DialogService::ShownBoxes().size(), 0);

        window->Combination().SetModified(false);
        window->SetViewMode(0);
        window->Release();
    }
};

QTEST_MAIN(TestSaveDialogsAndPendingBets)
#include "test_save_dialogs_and_pending_bets.moc"
