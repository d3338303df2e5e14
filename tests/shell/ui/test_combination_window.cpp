// The combination window driven as the user drives it: open, page, mark,
// store, refuse, delete a range, random bets, rename, new, save.
#include "support/ui/shell_test_support.h"

#include "model/euromillon_apuestas.h"
#include "shell/ui/frm_apuestas.h"
#include "shell/ui/frm_del_apuestas.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/edit_bloque_numero.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class TestCombinationWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;
    std::unique_ptr<TFRMMainMDI> main_;

    TFRMApuestas *OpenSample(const char *name, int count)
    {
        return OpenSampleFile(*main_, *folder_, name, count);
    }

    // Marks a complete bet on a control, answering Yes to the manual
    // modification question when it comes.
    static void MarkBet(TControlEuroMillonApuesta *control, std::vector<int> numbers, std::vector<int> stars)
    {
        for (int value : numbers)
            control->ToggleBox(1, value);
        for (int value : stars)
            control->ToggleBox(2, value);
    }

private slots:
    // The main window reads and writes its settings in the folder, so each
    // test gets both afresh.
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        main_ = std::make_unique<TFRMMainMDI>();
        main_->resize(1100, 800);
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

    void emptyWindowShowsTicketOneOfNone()
    {
        TFRMApuestas *window = main_->NewCombinationWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("QOR-EuroMillon v3 - (Nueva)[*]"));
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(WindowLabelText(window, QStringLiteral("lblApPos%1").arg(i).toLatin1().constData()),
                     QStringLiteral("Apuesta: %1").arg(i));
        QCOMPARE(WindowLabelText(window, "lblNBoleto"),
                 QStringLiteral("1/1")); // never a page beyond the last
        QCOMPARE(WindowLabelText(window, "lblTotalApuestas"), QStringLiteral("0"));
        QVERIFY(!FindAction(window, "ActNext")->isEnabled());
        QVERIFY(!FindAction(window, "ActLast")->isEnabled());
        QVERIFY(!FindAction(window, "ActDelApuestas")->isEnabled());
        QVERIFY(FindAction(window, "ActAddApuestaAleatoria")->isEnabled());

        // A random bet needs no permission: one complete bet on ticket 1.
        Trigger(window, "ActAddApuestaAleatoria_NC");
        QCOMPARE(window->Combination().Count(), 1);
        QVERIFY(window->Combination().Bet(0).IsValid());
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("1/1"));
        QVERIFY(DialogService::ShownBoxes().isEmpty());
        window->Release();
    }

    void openPageMarkStoreAndSave()
    {
        TFRMApuestas *window = OpenSample("sample", 12);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("QOR-EuroMillon v3 - sample[*]"));
        QCOMPARE(WindowLabelText(window, "lblNombreCombinacion"), QStringLiteral("sample"));
        QCOMPARE(WindowLabelText(window, "lblTotalApuestas"), QStringLiteral("12"));
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("1/3"));
        QVERIFY(!FindAction(window, "ActPrior")->isEnabled());
        QVERIFY(!FindAction(main_.get(), "ActGuardarCombinacion")->isEnabled());

        Trigger(window, "ActLast");
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("3/3"));
        QCOMPARE(WindowLabelText(window, "lblApPos1"), QStringLiteral("Apuesta: 11"));
        QVERIFY(!FindAction(window, "ActNext")->isEnabled());
        QVERIFY(!FindAction(window, "ActLast")->isEnabled());
        QVERIFY(FindAction(window, "ActFirst")->isEnabled());

        // Apuesta: 14 lies after the first blank bet: refused.
        TControlEuroMillonApuesta *beyond = window->TicketControls()[3];
        DialogService::SetNextAnswer(QMessageBox::Yes); // allow manual modification
        QVERIFY(!beyond->ToggleBox(1, 7));
        QVERIFY(window->ManualModifyAllowed());
        QCOMPARE(DialogService::LastText(), QStringLiteral("Debe marcar la PRIMER APUESTA EN BLANCO."));
        QVERIFY(!beyond->Modified());

        // Apuesta: 13 is the first blank one.
        TControlEuroMillonApuesta *blank = window->TicketControls()[2];
        MarkBet(blank, {3, 15, 27, 41, 50}, {2, 9});
        QVERIFY(blank->Modified());
        QVERIFY(FindAction(window, "ActSaveModifiedApuestas")->isEnabled());
        // Another control may not change while this one holds edits.
        QVERIFY(!window->TicketControls()[1]->ToggleBox(1, 44));
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Primero debe ACEPTAR o CANCELAR los cambios de la apuesta: 13."));

        Trigger(window, "ActSaveModifiedApuestas_NC");
        QCOMPARE(window->Combination().Count(), 13);
        QCOMPARE(window->Combination().Bet(12).AsText(), std::string("03.15.27.41.50-02.09"));
        QVERIFY(!blank->Modified());
        QCOMPARE(WindowLabelText(window, "lblTotalApuestas"), QStringLiteral("13"));
        QVERIFY(FindAction(main_.get(), "ActGuardarCombinacion")->isEnabled());

        Trigger(main_.get(), "ActGuardarCombinacion");
        QVERIFY(!window->IsModified());
        const QByteArray saved = FileBytes(folder_->FilePath(QStringLiteral("sample.aem")));
        QVERIFY(saved.endsWith(QByteArray::fromHex("010203020f021b0229023200010202020900"
                                                   "00")));
        window->Release();
    }

    void incompleteBetIsRefusedAndStaysModified()
    {
        TFRMApuestas *window = OpenSample("incomplete", 7);
        window->SetManualModifyAllowed(true);
        Trigger(window, "ActNext");
        TControlEuroMillonApuesta *control = window->TicketControls()[2]; // Apuesta: 8
        MarkBet(control, {1, 2, 3, 4}, {1, 2});
        Trigger(window, "ActSaveModifiedApuestas");
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Ocurrió un error al guardar la apuesta (8)\n\n"
                                "La apuesta no tiene marcados los 5 números necesarios."));
        QVERIFY(control->Modified());
        QCOMPARE(window->Combination().Count(), 7);
        // One star short: the refusal speaks of stars.
        MarkBet(control, {5}, {2}); // toggles: numbers 1 to 5, star 1 alone
        Trigger(window, "ActSaveModifiedApuestas");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Ocurrió un error al guardar la apuesta (8)\n\n"
                                "La apuesta no tiene marcadas las 2 estrellas necesarias."));
        QCOMPARE(window->Combination().Count(), 7);

        // Paging away asks about the edits; Cancel stays, No drops them.
        DialogService::SetNextAnswer(QMessageBox::Cancel);
        Trigger(window, "ActPrior");
        QCOMPARE(window->CurrentTicket(), 2);
        QVERIFY(control->Modified());
        DialogService::SetNextAnswer(QMessageBox::No);
        Trigger(window, "ActPrior");
        QCOMPARE(window->CurrentTicket(), 1);
        QCOMPARE(window->Combination().Count(), 7);
        window->Combination().SetModified(false);
        window->Release();
    }

    void declinedManualModificationChangesNothing()
    {
        TFRMApuestas *window = OpenSample("declined", 3);
        TControlEuroMillonApuesta *control = window->TicketControls()[0];
        const std::string before = control->ShownBet().AsText();
        DialogService::SetNextAnswer(QMessageBox::No);
        QVERIFY(!control->ToggleBox(1, 50));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Question);
        QCOMPARE(DialogService::LastText(), QStringLiteral("No está permitida la modificación manual\n\n"
                                                           "¿Desea activar la MODIFICACIÓN MANUAL?"));
        QCOMPARE(control->ShownBet().AsText(), before);
        QVERIFY(!control->Modified());
        QVERIFY(!window->ManualModifyAllowed());
        // F5's action allows it without a question.
        Trigger(window, "ActAllowManualModify");
        QVERIFY(window->ManualModifyAllowed());
        QVERIFY(control->ToggleBox(1, 50));
        Trigger(window, "ActCancelModifiedApuestas");
        QCOMPARE(control->ShownBet().AsText(), before);
        QVERIFY(!window->IsModified());
        window->Release();
    }

    void typedBetInNumbersViewIsStored()
    {
        TFRMApuestas *window = OpenSample("typed", 2);
        window->SetViewMode(1);
        TControlEuroMillonApuesta *control = window->TicketControls()[2]; // the first blank bet
        const int values[] = {44, 8, 23, 15, 31};
        for (int position = 1; position <= 5; ++position) {
            TEditBloqueNumero *field = control->Field(1, position);
            QVERIFY(field);
            field->setFocus();
            QTest::keyClicks(field, QString::number(values[position - 1]));
            QTest::keyClick(field, Qt::Key_Return);
        }
        TEditBloqueNumero *star = control->Field(2, 1);
        QTest::keyClicks(star, QStringLiteral("9"));
        QTest::keyClick(star, Qt::Key_Return);
        QTest::keyClicks(control->Field(2, 2), QStringLiteral("3")); // no Enter, no focus change
        Trigger(window, "ActSaveModifiedApuestas");
        QCOMPARE(window->Combination().Count(), 3);
        QCOMPARE(window->Combination().Bet(2).AsText(), std::string("08.15.23.31.44-03.09"));
        window->Combination().SetModified(false);
        window->SetViewMode(0);
        window->Release();
    }

    void deleteDialogRemovesARange()
    {
        TFRMApuestas *window = OpenSample("delete", 20);
        window->Combination().Bet(6); // the bet last shown is the seventh
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TFRMDelApuestas *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *from = dialog->findChild<QLineEdit *>(QStringLiteral("ebDesde"));
            auto *to = dialog->findChild<QLineEdit *>(QStringLiteral("ebHasta"));
            QCOMPARE(from->text(), QStringLiteral("7"));
            QCOMPARE(to->text(), QStringLiteral("7"));
            // Checks first: the dialog stays open with the values typed.
            from->setText(QStringLiteral("5"));
            to->setText(QStringLiteral("2"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("bbOk")), Qt::LeftButton);
            QCOMPARE(DialogService::LastText(), QStringLiteral("La apuesta DESDE es mas grande que HASTA."));
            QVERIFY(dialog->isVisible());
            to->setText(QStringLiteral("21"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("bbOk")), Qt::LeftButton);
            QCOMPARE(DialogService::LastText(), QStringLiteral("La apuesta máxima es la 20."));
            to->setText(QStringLiteral("abc"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("bbOk")), Qt::LeftButton);
            QCOMPARE(DialogService::LastText(), QStringLiteral("Los números introducidos no son válidos."));
            to->setText(QStringLiteral("19"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("bbOk")), Qt::LeftButton);
            checked = true;
        });
        Trigger(window, "ActDelApuestas");
        QVERIFY(checked);
        QCOMPARE(window->Combination().Count(), 5);
        QCOMPARE(WindowLabelText(window, "lblTotalApuestas"), QStringLiteral("5"));
        QCOMPARE(window->Combination().Bet(4).AsText(), std::string("20.21.22.23.24-04.09"));
        window->Combination().SetModified(false);
        window->Release();
    }

    void badFilesLeaveNoWindow()
    {
        const int before = static_cast<int>(main_->CombinationWindows().size());
        const QString garbage = folder_->FilePath(QStringLiteral("garbage.aem"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("XXXXnot a combination");
        file.close();
        DialogService::SetNextFileName(garbage);
        Trigger(main_.get(), "ActAbrirCombinacion");
        QCOMPARE(DialogService::LastText(), QStringLiteral("No es un formato de archivo válido."));
        QCOMPARE(static_cast<int>(main_->CombinationWindows().size()), before);

        const QString incomplete = folder_->FilePath(QStringLiteral("short.aem"));
        WriteCombinationFile(incomplete, "short", {{{1, 2, 3, 4, 5}, {1, 2}}, {{1, 2, 3, 4}, {1, 2}}});
        DialogService::SetNextFileName(incomplete);
        Trigger(main_.get(), "ActAbrirCombinacion");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("La apuesta no tiene marcados los 5 números necesarios."));
        QCOMPARE(static_cast<int>(main_->CombinationWindows().size()), before);

        // A cancelled open dialog does nothing.
        Trigger(main_.get(), "ActAbrirCombinacion");
        QCOMPARE(static_cast<int>(main_->CombinationWindows().size()), before);
    }

    void renameNewAndSaveAs()
    {
        TFRMApuestas *window = OpenSample("bound", 6);
        DialogService::SetNextInput(QStringLiteral("Renamed"));
        window->Rename();
        QCOMPARE(WindowLabelText(window, "lblNombreCombinacion"), QStringLiteral("Renamed"));
        QVERIFY(window->IsModified());

        // New asks to save (No), keeps the file binding; Save writes it empty.
        DialogService::SetNextAnswer(QMessageBox::No);
        Trigger(window, "ActNueva");
        QCOMPARE(window->Combination().Count(), 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("QOR-EuroMillon v3 - bound[*]"));
        QVERIFY(window->Save());
        QCOMPARE(FileBytes(folder_->FilePath(QStringLiteral("bound.aem"))),
                 QByteArray::fromHex("454d413006000100"));

        // Save As over an existing file asks first; No abandons.
        window->AddRandomBet();
        const QString other = folder_->FilePath(QStringLiteral("sample.aem"));
        WriteCombinationFile(other, "sample", SampleBets(12));
        const QByteArray otherBytes = FileBytes(other);
        DialogService::SetNextFileName(other);
        DialogService::SetNextAnswer(QMessageBox::No);
        QVERIFY(!window->SaveAs());
        QCOMPARE(FileBytes(other), otherBytes);
        QVERIFY(DialogService::LastText().startsWith(QStringLiteral("El archivo ya existe:\n")));
        const QString fresh = folder_->FilePath(QStringLiteral("fresh.aem"));
        DialogService::SetNextFileName(fresh);
        QVERIFY(window->SaveAs());
        QCOMPARE(window->windowTitle(), QStringLiteral("QOR-EuroMillon v3 - fresh[*]"));
        QCOMPARE(FileBytes(fresh).size(), 8 + 18);
        window->Release();
    }

    void largeCombinationPagesAtOnce()
    {
        TFRMApuestas *window = main_->NewCombinationWindow();
        std::vector<BetMask> masks(2'000'000, BetMask(0x1F) | (BetMask(3) << 50));
        window->Combination().AppendMasks(masks.data(), masks.size());
        QCOMPARE(WindowLabelText(window, "lblTotalApuestas"), QStringLiteral("2.000.000"));
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("1/400.000"));
        Trigger(window, "ActLast");
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("400.000/400.000"));
        QVERIFY(FindAction(window, "ActNext")->isEnabled()); // the last ticket is full
        Trigger(window, "ActNext");
        QCOMPARE(WindowLabelText(window, "lblNBoleto"), QStringLiteral("400.001/400.001"));
        window->Combination().SetModified(false);
        window->Release();
    }
};

QTEST_MAIN(TestCombinationWindow)
#include "test_combination_window.moc"
