// What the windows must never do: drop edits or a combination without asking,
// freeze on a large file, or leave a command that does nothing; and what a
// user expects of them besides: Qt's texts in the program's language, paging
// from the keyboard, one window per file.
#include "support/ui/shell_test_support.h"

#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_tools.h"
#include "shell/ui/wallpaper.h"
#include "widgets/background_work.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include <memory>

class TestWindowSafety : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;
    std::unique_ptr<TFRMMainMDI> main_;

    TFRMApuestas *Open(const char *name, int count) { return OpenSampleFile(*main_, *folder_, name, count); }

    // A manual edit left pending on the first blank control of the window.
    static TControlEuroMillonApuesta *PendingEdit(TFRMApuestas *window)
    {
        window->SetManualModifyAllowed(true);
        window->GoToTicket(window->Combination().Count() / 5 + 1);
        TControlEuroMillonApuesta *control = window->TicketControls()[window->Combination().Count() % 5];
        for (int value : {4, 8, 15, 16, 23})
            control->ToggleBox(1, value);
        for (int value : {4, 8})
            control->ToggleBox(2, value);
        return control;
    }

private slots:
    // The main window reads and writes its settings in the folder, so each
    // test gets both afresh.
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        folder_->CopyLanguageFiles();
        main_ = std::make_unique<TFRMMainMDI>();
        main_->setWindowState(Qt::WindowNoState);
        main_->resize(1200, 850);
        main_->show();
    }

    void cleanup()
    {
        if (main_) {
            for (TFRMApuestas *window : main_->CombinationWindows())
                window->Release();
        }
        main_.reset();
        folder_.reset();
    }

    void cancelledCloseLeavesEveryWindowAsking()
    {
        TFRMApuestas *first = Open("first", 3);
        TFRMApuestas *second = Open("second", 3);
        first->AddRandomBet();
        second->AddRandomBet();
        // The first window is let go, the second refuses: nothing closes.
        DialogService::SetNextAnswer(QMessageBox::No);
        DialogService::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!main_->close());
        QCOMPARE(main_->CombinationWindows().size(), 2);

        // Closing the first later must ask again, and Cancel keeps it.
        DialogService::ClearShownBoxes();
        DialogService::SetNextAnswer(QMessageBox::Cancel);
        Trigger(first, "MiCerrarAplicacion");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QVERIFY(main_->CombinationWindows().contains(first));
        QCOMPARE(first->Combination().Count(), 4);
        first->Release();
        second->Release();
    }

    void betChangingCommandsSettlePendingEditsFirst()
    {
        TFRMApuestas *window = Open("pending", 7);
        TControlEuroMillonApuesta *control = PendingEdit(window);
        QVERIFY(control->Modified());

        // Cancel: no random bet, the edit stays.
        DialogService::SetNextAnswer(QMessageBox::Cancel);
        Trigger(window, "ActAddApuestaAleatoria");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QVERIFY(DialogService::LastText().contains(QStringLiteral("La apuesta 8 ha sido modificada")));
        QCOMPARE(window->Combination().Count(), 7);
        QVERIFY(control->Modified());

        // Yes: the edit is stored, then the random bet follows it.
        DialogService::SetNextAnswer(QMessageBox::Yes);
        Trigger(window, "ActAddApuestaAleatoria");
        QCOMPARE(window->Combination().Count(), 9);
        QCOMPARE(window->Combination().Bet(7).AsText(), std::string("04.08.15.16.23-04.08"));

        // Deleting asks the same question before its dialog.
        PendingEdit(window);
        DialogService::SetNextAnswer(QMessageBox::Cancel);
        Trigger(window, "ActDelApuestas");
        QCOMPARE(window->Combination().Count(), 9);
        window->Combination().SetModified(false);
        window->Release();
    }

    void deletingBetsUnderTheCurrentTicketShowsTheLastOne()
    {
        TFRMApuestas *window = Open("clamp", 23);
        Trigger(window, "ActLast");
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("5/5"));
        window->Combination().DeleteRange(7, 22);
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("2/2"));
        window->Combination().DeleteRange(0, 6);
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("1/1"));
        window->Combination().SetModified(false);
        window->Release();
    }

    void largeFileOpensWithProgressAndAFileOpensOnce()
    {
        const QString path = folder_->FilePath(QStringLiteral("ten-million.aem"));
        {
            TEuroMillonApuestas big;
            std::vector<BetMask> masks(10'000'000);
            for (size_t k = 0; k < masks.size(); ++k) {
                const int first = static_cast<int>(k % 46) + 1;
                masks[k] = NumberBit(first) | NumberBit(first + 1) | NumberBit(first + 2) |
                           NumberBit(first + 3) | NumberBit(first + 4) |
                           StarBit(static_cast<int>(k % 8) + 1) | StarBit(static_cast<int>(k % 8) + 2);
            }
            big.AppendMasks(masks.data(), masks.size());
            big.SaveToFile(path.toStdString());
        }
        SetBackgroundDialogDelay(0);
        // Cancel in the progress dialog: no window, no word.
        const int windowsBefore = static_cast<int>(main_->CombinationWindows().size());
        QTimer::singleShot(0, this, [] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<QProgressDialog *>(top))
                    progress->cancel();
        });
        DialogService::SetNextFileName(path);
        Trigger(main_.get(), "ActAbrirCombinacion");
        QCOMPARE(main_->CombinationWindows().size(), windowsBefore);
        QCOMPARE(DialogService::ShownBoxes().size(), 1); // the open dialog only
        DialogService::ClearShownBoxes();

        const int dialogsBefore = BackgroundDialogsShown();
        DialogService::SetNextFileName(path);
        Trigger(main_.get(), "ActAbrirCombinacion");
        SetBackgroundDialogDelay(1000);
        QVERIFY(BackgroundDialogsShown() > dialogsBefore);
        TFRMApuestas *window = main_->ActiveCombinationWindow();
        QVERIFY(window);
        QCOMPARE(window->Combination().Count(), 10'000'000);
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("1/2.000.000"));
        QVERIFY(!window->IsModified());
        for (const DialogService::ShownBox &box : DialogService::ShownBoxes())
            QVERIFY(box.kind != DialogService::Kind::Error);

        // Opening it again only brings its window forward.
        const int windows = static_cast<int>(main_->CombinationWindows().size());
        TFRMApuestas *other = main_->NewCombinationWindow();
        DialogService::SetNextFileName(QDir(folder_->Path()).filePath(QStringLiteral("./ten-million.aem")));
        Trigger(main_.get(), "ActAbrirCombinacion");
        QCOMPARE(main_->CombinationWindows().size(), windows + 1);
        QCOMPARE(main_->ActiveCombinationWindow(), window);
        other->Release();
        window->Release();
        QFile::remove(path);
    }

    // A damaged file is named, once, in the program's language, and opens no window.
    void aDamagedFileIsNamedInTheLanguageInForce()
    {
        const QString path = folder_->FilePath(QStringLiteral("cut.aem"));
        {
            TEuroMillonApuestas bets;
            std::vector<BetMask> masks(40, NumberBit(1) | NumberBit(2) | NumberBit(3) | NumberBit(4) |
                                               NumberBit(5) | StarBit(1) | StarBit(2));
            bets.AppendMasks(masks.data(), masks.size());
            bets.SaveToFile(path.toStdString());
        }
        QFile file(path);
        QVERIFY(file.resize(file.size() / 2));
        const int windows = static_cast<int>(main_->CombinationWindows().size());
        const struct {
            const char *language;
            QString text;
        } cases[] = {
            {"MiSpanish", QStringLiteral(": error de lectura: el archivo está cortado o dañado")},
            {"MiEnglish", QStringLiteral(": read error: the file is cut short or damaged")},
        };
        for (const auto &each : cases) {
            Trigger(main_.get(), each.language);
            DialogService::ClearShownBoxes();
            DialogService::SetNextFileName(path);
            Trigger(main_.get(), "ActAbrirCombinacion");
            QCOMPARE(main_->CombinationWindows().size(), windows);
            QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Error);
            const QString shown = DialogService::LastText();
            QVERIFY2(shown.startsWith(path + each.text), qPrintable(shown));
            QCOMPARE(shown.count(QStringLiteral("cut.aem")), 1);
        }
    }

    void pagingFromTheKeyboard()
    {
        TFRMApuestas *window = Open("keys", 60);
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        window->TicketControls()[0]->setFocus();
        QTest::keyClick(window, Qt::Key_PageDown);
        QCOMPARE(window->CurrentTicket(), 2);
        QTest::keyClick(window, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(window->CurrentTicket(), 12);
        QTest::keyClick(window, Qt::Key_PageUp);
        QCOMPARE(window->CurrentTicket(), 11);
        QTest::keyClick(window, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(window->CurrentTicket(), 1);

        DialogService::SetNextInput(QStringLiteral("7"));
        QTest::keyClick(window, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(window->CurrentTicket(), 7);
        QCOMPARE(DialogService::ShownBoxes().at(0).text, QStringLiteral("Número de boleto (1 a 12):"));
        DialogService::SetNextInput(QStringLiteral("13"));
        Trigger(window, "ActIrABoleto");
        QCOMPARE(window->CurrentTicket(), 7);
        QCOMPARE(DialogService::LastText(), QStringLiteral("El número de boleto debe estar entre 1 y 12."));
        window->Release();
    }

    void titlesShowUnsavedChangesAndMinimizedFileNames()
    {
        TFRMApuestas *window = Open("Semana 12", 3);
        QVERIFY(!window->isWindowModified());
        window->AddRandomBet();
        QVERIFY(window->isWindowModified());
        auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        frame->showMinimized();
        QCOMPARE(window->windowTitle(), QStringLiteral("Semana 12[*]"));
        frame->showNormal();
        QCOMPARE(window->windowTitle(), QStringLiteral("QOR-EuroMillon v3 - Semana 12[*]"));
        window->Save();
        QVERIFY(!window->isWindowModified());
        window->Release();
    }

    void newWindowsCascadeInsideTheArea()
    {
        const QRect area = main_->ClientArea()->viewport()->rect();
        QList<TFRMApuestas *> windows;
        QPoint previous(-1, -1);
        for (int i = 0; i < 8; ++i) {
            windows << main_->NewCombinationWindow();
            const QRect frame = windows.last()->parentWidget()->geometry();
            QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("window %1 leaves the area").arg(i)));
            QVERIFY(frame.topLeft() != previous);
            previous = frame.topLeft();
        }
        for (TFRMApuestas *window : windows)
            window->Release();
    }

    void commandsWithoutTheirWindowAreDisabled()
    {
        TShellTools &tools = ShellTools();
        const TShellTools saved = tools;
        tools.prizes = nullptr;
        tools.importBets = [](QWidget *, TEuroMillonApuestas &) {};
        TFRMApuestas *window = Open("tools", 3);
        QVERIFY(!FindAction(window, "ActPremios")->isEnabled());
        QVERIFY(FindAction(window, "ActImport")->isEnabled());
        tools = saved;
        window->Release();
    }

    void fileDialogsStartInTheLastFolderUsed()
    {
        QDir(folder_->Path()).mkdir(QStringLiteral("elsewhere"));
        const QString path = folder_->FilePath(QStringLiteral("elsewhere/far.aem"));
        WriteCombinationFile(path, "far", SampleBets(2));
        DialogService::SetNextFileName(path);
        Trigger(main_.get(), "ActAbrirCombinacion");
        TFRMApuestas *window = main_->NewCombinationWindow();
        DialogService::ClearShownBoxes();
        window->SaveAs(); // headless: cancelled
        QCOMPARE(DialogService::ShownBoxes().at(0).start, folder_->FilePath(QStringLiteral("elsewhere")));
        for (TFRMApuestas *open : main_->CombinationWindows())
            open->Release();
    }

    void onlineHelpThatCannotOpenSaysWhere()
    {
        DialogService::SetNextExternalResult(false);
        Trigger(main_.get(), "MiAyudaonline");
        QCOMPARE(DialogService::ShownBoxes().size(), 2);
        QVERIFY(DialogService::LastText().startsWith(QStringLiteral("No se ha podido abrir:\nhttp")));
    }

    // Qt's own button texts follow the program's language.
    void messageBoxButtonsFollowTheLanguage()
    {
        auto buttonTexts = [this] {
            QStringList texts;
            QTimer::singleShot(0, this, [&texts] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                texts << box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&'))
                      << box->button(QMessageBox::No)->text().remove(QLatin1Char('&'));
                box->done(QMessageBox::No);
            });
            DialogService::SetHeadless(false);
            DialogService::Ask(main_.get(), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
            DialogService::SetHeadless(true);
            return texts;
        };
        Trigger(main_.get(), "MiFrench");
        QCOMPARE(buttonTexts(), (QStringList{QStringLiteral("Oui"), QStringLiteral("Non")}));
        Trigger(main_.get(), "MiEnglish");
        QCOMPARE(buttonTexts(), (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
        Trigger(main_.get(), "MiSpanish");
        QCOMPARE(buttonTexts(), (QStringList{QStringLiteral("Sí"), QStringLiteral("No")}));
    }
};

QTEST_MAIN(TestWindowSafety)
#include "test_window_safety.moc"
