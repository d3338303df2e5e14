// The draw editor driven as the user drives it, with scripted answers.
#include "draw_editor_support.h"
#include "draws_ui_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw.h"
#include "draws/draw_entry.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "framework/localize.h"
#include "model/euromillon_apuesta.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QLineEdit *Edit(QWidget &window, const char *name)
{
    return window.findChild<QLineEdit *>(QString::fromLatin1(name));
}

QTableWidget *Grid(QWidget &window)
{
    return window.findChild<QTableWidget *>(QStringLiteral("sgPremios"));
}

QString Cell(QWidget &window, int row, int column)
{
    return Grid(window)->item(row - 1, column)->text();
}

void TypeAndLeave(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class TestDrawEditor : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Localizer().UnloadLanguage();
        UseEnglishNumbers();
        DialogService::SetHeadless(true);
        DialogService::ClearScript();
        DialogService::ClearShownBoxes();
    }

    void revenueLeftProposesHalfForPrizes()
    {
        TFRMEuroMillonSorteo editor;
        editor.show();
        TypeAndLeave(Edit(editor, "ebRecaudacion"), QStringLiteral("1.000.000"));
        QCOMPARE(Edit(editor, "ebRecaudacion")->text(), QStringLiteral("1.000.000,00"));
        QCOMPARE(Edit(editor, "ebImportePremios")->text(), QStringLiteral("500.000,00"));
        QCOMPARE(editor.Datos().ImportePremios, Currency{5000000000});

        TypeAndLeave(Edit(editor, "ebRecaudacion"), QStringLiteral("1000,5"));
        QCOMPARE(Edit(editor, "ebRecaudacion")->text(), QStringLiteral("1.000,50"));
        QCOMPARE(Edit(editor, "ebImportePremios")->text(), QStringLiteral("500,25"));

        TypeAndLeave(Edit(editor, "ebRecaudacion"), QStringLiteral("100,005"));
        QCOMPARE(Edit(editor, "ebRecaudacion")->text(), QStringLiteral("100.005,00"));
        QCOMPARE(ErrorBoxes(), 0);
    }

    void typedAmountsTakeEitherSeparator()
    {
        TFRMEuroMillonSorteo editor;
        editor.show();
        const std::pair<const char *, Currency> cases[] = {{"1.234,56", 12345600},
                                                           {"1,234.56", 12345600},
                                                           {"100,005", 1000050000},
                                                           {"12.345,678", 123456780000}};
        for (const auto &[text, expected] : cases) {
            Edit(editor, "ebImportePremios")->setText(QString::fromLatin1(text));
            QCOMPARE(editor.Datos().ImportePremios, expected);
        }
        QCOMPARE(ErrorBoxes(), 0);
        Edit(editor, "ebImportePremios")->setText(QStringLiteral("12x"));
        QCOMPARE(DialogService::LastText(), QStringLiteral("Valor numérico no válido \"12x\""));
        QCOMPARE(editor.Datos().ImportePremios, Currency{123456780000});
    }

    void prizePerWinnerFromTheShares()
    {
        TFRMEuroMillonSorteo editor;
        editor.show();
        Edit(editor, "ebImportePremios")->setText(QStringLiteral("1,000,000.00"));
        editor.SetEditText(1, 1, QStringLiteral("3"));
        QCOMPARE(editor.Datos().PremioCategoria[1], Currency{1066666667});
        QCOMPARE(Cell(editor, 1, 2), QStringLiteral("106.666,67"));
        QCOMPARE(editor.GetEditText(1, 2), QStringLiteral("106666,67"));
        QCOMPARE(Cell(editor, 1, 1), QStringLiteral("3"));
        editor.SetEditText(1, 1, QStringLiteral("0"));
        QCOMPARE(Cell(editor, 1, 2), QStringLiteral("320.000,00"));
        editor.SetEditText(12, 1, QStringLiteral("0"));
        QCOMPARE(Cell(editor, 12, 2), QStringLiteral("240.000,00"));
        QCOMPARE(Cell(editor, 12, 0), QStringLiteral("2+1"));
    }

    void gridEditIsTakenOnceWhenTheEditorCloses()
    {
        TFRMEuroMillonSorteo editor;
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        Edit(editor, "ebImportePremios")->setText(QStringLiteral("1000000"));
        QTableWidget *grid = Grid(editor);
        grid->setCurrentCell(0, 1);
        grid->editItem(grid->item(0, 1));
        auto *inPlace = grid->findChild<QLineEdit *>();
        QVERIFY(inPlace);
        QCOMPARE(inPlace->text(), QStringLiteral("0"));
        inPlace->selectAll();
        QTest::keyClicks(inPlace, QStringLiteral("1234"));
        QCOMPARE(editor.Datos().Acertantes[1], 0); // nothing taken while typing
        QTest::keyClick(inPlace, Qt::Key_Return);
        QTRY_COMPARE(editor.Datos().Acertantes[1], 1234);
        QCOMPARE(Cell(editor, 1, 1), QStringLiteral("1.234"));
        QCOMPARE(editor.Datos().PremioCategoria[1], PremioPorAcertante(10000000000, 1, 1234));
    }

    void badWinnersKeepTheRow()
    {
        TFRMEuroMillonSorteo editor;
        editor.show();
        Edit(editor, "ebImportePremios")->setText(QStringLiteral("1000"));
        editor.SetEditText(2, 1, QStringLiteral("5"));
        const QString prize = Cell(editor, 2, 2);
        RunCommandLike([&] { editor.SetEditText(2, 1, QStringLiteral("abc")); });
        QCOMPARE(Cell(editor, 2, 1), QStringLiteral("5"));
        QCOMPARE(Cell(editor, 2, 2), prize);
        QCOMPARE(editor.Datos().Acertantes[2], 5);
        RunCommandLike([&] { editor.SetEditText(2, 2, QStringLiteral("12x")); });
        QCOMPARE(lastError_, QStringLiteral("Valor numérico no válido \"12x\""));
        QCOMPARE(Cell(editor, 2, 2), prize);
    }

    void prizeAmountChangeLeavesTheGridAlone()
    {
        TFRMEuroMillonSorteo editor;
        editor.show();
        Edit(editor, "ebImportePremios")->setText(QStringLiteral("1000"));
        editor.SetEditText(1, 1, QStringLiteral("1"));
        QCOMPARE(Cell(editor, 1, 2), QStringLiteral("320,00"));
        Edit(editor, "ebImportePremios")->setText(QStringLiteral("2000"));
        QCOMPARE(Cell(editor, 1, 2), QStringLiteral("320,00"));
        editor.SetEditText(1, 1, QStringLiteral("1"));
        QCOMPARE(Cell(editor, 1, 2), QStringLiteral("640,00"));
    }

    void thursdayAsksAndNoKeepsTheDialogOpen()
    {
        TFRMEuroMillonSorteo editor;
        editor.SetFecha(Day(2004, 2, 19)); // a Thursday
        editor.show();
        SetBet(editor, {1, 2, 3, 4, 5}, {1, 2});
        DialogService::SetNextAnswer(QMessageBox::No);
        ClickAccept(editor);
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QCOMPARE(DialogService::ShownBoxes().size(), 1);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Question);
        QCOMPARE(DialogService::LastText(), QStringLiteral("ATENCIÓN:\nLa fecha del sorteo debe ser VIERNES\n"
                                                           "¿Continuar y aceptar esta fecha?"));
        QCOMPARE(editor.Sorteo().NumeroSorteo, 0);

        DialogService::SetNextAnswer(QMessageBox::Yes);
        Edit(editor, "ebNSorteo")->setText(QStringLiteral("-1"));
        ClickAccept(editor);
        QCOMPARE(DialogService::LastText(), QStringLiteral("Número de sorteo no válido."));
        QVERIFY(editor.isVisible());

        DialogService::SetNextAnswer(QMessageBox::Yes);
        Edit(editor, "ebNSorteo")->setText(QStringLiteral("0"));
        ClickAccept(editor);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.Sorteo().FechaSorteo, Day(2004, 2, 19));
    }

    void fourNumbersAreRefusedAfterTheQuestion()
    {
        TFRMEuroMillonSorteo editor;
        editor.SetFecha(Day(2004, 2, 19));
        editor.show();
        SetBet(editor, {1, 2, 3, 4}, {1, 2});
        DialogService::SetNextAnswer(QMessageBox::Yes);
        ClickAccept(editor);
        QCOMPARE(DialogService::ShownBoxes().size(), 2);
        QCOMPARE(DialogService::ShownBoxes().at(0).kind, DialogService::Kind::Question);
        QCOMPARE(DialogService::LastText(), QStringLiteral("La apuesta marcada no es válida."));
        QVERIFY(editor.isVisible());
    }

    void acceptedDrawHoldsTheEntries()
    {
        TFRMEuroMillonSorteo editor;
        TSorteoEuroMillonInfo archived = Draw(Day(2004, 2, 13), {16, 29, 32, 36, 41}, {7, 9});
        archived.NumeroSorteo = 1;
        archived.Recaudacion = CurrencyFromUnits(1000);
        editor.Sorteo().SetInfo(archived);
        editor.SetFecha(Day(2004, 2, 20) + 0.5);
        editor.show();
        QCOMPARE(Edit(editor, "ebNSorteo")->text(), QStringLiteral("1"));
        QCOMPARE(Edit(editor, "ebRecaudacion")->text(), QStringLiteral("1.000,00"));
        QCOMPARE(editor.findChild<QDateEdit *>()->date(), QDate(2004, 2, 20));
        QCOMPARE(editor.ControlApuesta().ShownBet().AsText(), std::string("16.29.32.36.41-07.09"));
        Edit(editor, "ebNSorteo")->setText(QStringLiteral("2"));
        ClickAccept(editor);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(DialogService::ShownBoxes().size(), 0); // a Friday: no question
        TSorteoEuroMillonInfo info;
        editor.Sorteo().GetInfo(info);
        QCOMPARE(info.NumeroSorteo, 2);
        QCOMPARE(info.FechaSorteo, Day(2004, 2, 20));
        QCOMPARE(info.Recaudacion, CurrencyFromUnits(1000));
        QCOMPARE(info.PremioCategoria[3], CurrencyFromUnits(3));
        QCOMPARE(info.ApuestaGanadora.Numeros, (TEuroMillonNumeros{16, 29, 32, 36, 41}));
    }

private:
    // Runs a handler as the window's commands do: its error is the box text.
    void RunCommandLike(const std::function<void()> &handler)
    {
        lastError_.clear();
        try {
            handler();
        } catch (const Exception &error) {
            lastError_ = QString::fromStdString(error.Message());
        }
    }
    QString lastError_;
};

QTEST_MAIN(TestDrawEditor)
#include "test_draw_editor.moc"
