// The draw editor and the prizes window of today's game.
#include "current_draws_ui_support.h"
#include "draw_editor_support.h"
#include "framework/setting_keys.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw.h"
#include "draws/prize_check.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "framework/localize.h"
#include "framework/parametres.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

QTableWidget *Grid(QWidget &window)
{
    return window.findChild<QTableWidget *>(QStringLiteral("sgPremios"));
}

QString Cell(QWidget &window, int row, int column)
{
    return Grid(window)->item(row - 1, column)->text();
}

QString Text(QWidget &window, const char *label)
{
    return window.findChild<QLabel *>(QString::fromLatin1(label))->text();
}

} // namespace

class TestCurrentDrawWindows : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        Localizer().UnloadLanguage();
        UseEnglishNumbers();
        DialogService::SetHeadless(true);
        DialogService::ClearScript();
        DialogService::ClearShownBoxes();
        SetPrecioApuestaActual(0);
    }
    void cleanup() { folder_.reset(); }

    void editorShowsThirteenCategoriesOnlyForTodaysGame()
    {
        TFRMEuroMillonSorteo classic(nullptr, TGameEdition::Classic);
        QCOMPARE(Grid(classic)->rowCount(), 12);
        TFRMEuroMillonSorteo current(nullptr, TGameEdition::Current);
        QCOMPARE(Grid(current)->rowCount(), 13);
        QCOMPARE(Cell(current, 13, 0), QStringLiteral("2+0"));
        QCOMPARE(Cell(current, 12, 0), QStringLiteral("2+1"));
        // 2+0 has no share of the fund: its prize stays as typed.
        current.SetEditText(13, 2, QStringLiteral("4,30"));
        current.findChild<QLineEdit *>(QStringLiteral("ebImportePremios"))
            ->setText(QStringLiteral("1000000"));
        current.SetEditText(13, 1, QStringLiteral("858994"));
        QCOMPARE(current.Datos().Acertantes[13], 858994);
        QCOMPARE(current.Datos().PremioCategoria[13], Currency{43000});
        QCOMPARE(Cell(current, 13, 1), QStringLiteral("858.994"));
        QCOMPARE(current.GetEditText(13, 2), QStringLiteral("4,30"));
    }

    void tuesdayIsADrawDayFromMay2011()
    {
        TFRMEuroMillonSorteo editor(nullptr, TGameEdition::Current);
        editor.SetFecha(Day(2026, 5, 19));
        editor.show();
        SetBet(editor, {2, 12, 20, 38, 45}, {2, 12});
        ClickAccept(editor);
        QCOMPARE(DialogService::ShownBoxes().size(), 0);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        TSorteoEuroMillonInfo info;
        editor.Sorteo().GetInfo(info);
        QCOMPARE(info.ApuestaGanadora.Estrellas, (TEuroMillonNumeros{2, 12}));
    }

    void otherDaysAskAboutTuesdayOrFriday()
    {
        for (double day : {Day(2026, 5, 18), Day(2011, 5, 3)}) { // a Monday; a Tuesday before the change
            DialogService::ClearShownBoxes();
            TFRMEuroMillonSorteo editor(nullptr, TGameEdition::Current);
            editor.SetFecha(day);
            editor.show();
            SetBet(editor, {1, 2, 3, 4, 5}, {1, 2});
            DialogService::SetNextAnswer(QMessageBox::No);
            ClickAccept(editor);
            QVERIFY(editor.isVisible());
            QCOMPARE(DialogService::ShownBoxes().size(), 1);
            QCOMPARE(
                DialogService::LastText(),
                QStringLiteral("ATENCIÓN:\nLa fecha del sorteo debe ser MARTES o VIERNES (solo VIERNES antes "
                               "del 10/05/2011)\n¿Continuar y aceptar esta fecha?"));
        }
        // The classic game still asks on a Tuesday, with its own text.
        DialogService::ClearShownBoxes();
        TFRMEuroMillonSorteo classic(nullptr, TGameEdition::Classic);
        classic.SetFecha(Day(2011, 5, 3));
        classic.show();
        SetBet(classic, {1, 2, 3, 4, 5}, {1, 2});
        DialogService::SetNextAnswer(QMessageBox::No);
        ClickAccept(classic);
        QCOMPARE(DialogService::LastText(), QStringLiteral("ATENCIÓN:\nLa fecha del sorteo debe ser VIERNES\n"
                                                           "¿Continuar y aceptar esta fecha?"));
    }

    void prizesWindowChecksTwoNoneAtTheDrawsPrice()
    {
        WriteCurrentArchive({CurrentDraw(Day(2026, 5, 19), {2, 12, 20, 38, 45}, {2, 5}),
                             CurrentDraw(Day(2016, 9, 23), {2, 12, 20, 38, 45}, {2, 5})});
        SetRangeParameters(Day(2016, 9, 23), Day(2026, 5, 19));
        TEuroMillonApuestas apuestas(TGameEdition::Current);
        const BetMask twoNone =
            SimpleBetMask(std::vector<int32_t>{2, 12, 1, 3, 4}, std::vector<int32_t>{10, 12}, 12);
        apuestas.AppendMasks(&twoNone, 1);
        TFRMEuroMillonPremios window(nullptr, TGameEdition::Current);
        window.SetApuestas(&apuestas);
        window.show();
        QCOMPARE(Grid(window)->rowCount(), 13);
        QCOMPARE(Cell(window, 13, 0), QStringLiteral("2+0"));
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("2"));
        Trigger(&window, "ActProcesar");
        QCOMPARE(Cell(window, 13, 2), QStringLiteral("2"));
        QCOMPARE(Cell(window, 13, 3), QStringLiteral("26,00"));
        QCOMPARE(Text(window, "lblTotalPremios"), QStringLiteral("26,00"));
        QCOMPARE(Text(window, "lblImporteCombinacion"), QStringLiteral("4,50")); // each draw at its price
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblImporteCombinacion"))->toolTip(),
                 QStringLiteral("Coste por sorteo: 2,50 (1 sorteos); 2,00 (1 sorteos)"));
        QCOMPARE(Text(window, "lblBeneficio"), QStringLiteral("21,50")); // 26.00 - 2.50 - 2.00

        // The user's price counts from 24 September 2016.
        Parametres().SetValor(PRM_PRECIO_APUESTA, Variant(std::string("3,00")));
        Trigger(&window, "ActProcesar");
        QCOMPARE(Text(window, "lblImporteCombinacion"), QStringLiteral("5,00"));
        QCOMPARE(Text(window, "lblBeneficio"), QStringLiteral("21,00"));
        Parametres().SetValor(PRM_PRECIO_APUESTA, Variant(std::string()));
        Trigger(&window, "ActProcesar");
        QCOMPARE(Text(window, "lblImporteCombinacion"), QStringLiteral("4,50"));
    }

    void classicWindowKeepsItsOwnArchive()
    {
        WriteCurrentArchive({CurrentDraw(Day(2026, 5, 19), {2, 12, 20, 38, 45}, {2, 5})});
        WriteArchive({Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2})});
        SetRangeParameters(Day(2004, 1, 1), Day(2026, 12, 31));
        TFRMEuroMillonPremios classic(nullptr, TGameEdition::Classic);
        QCOMPARE(Grid(classic)->rowCount(), 12);
        QCOMPARE(Text(classic, "lSorteosCount"), QStringLiteral("1"));
        TFRMEuroMillonPremios current(nullptr, TGameEdition::Current);
        QCOMPARE(Text(current, "lSorteosCount"), QStringLiteral("1"));
        QCOMPARE(current.Sorteos().Sorteo(0).FechaSorteo, Day(2026, 5, 19));
    }

    void todaysArchiveIsMadeFromTheInstalledHistories()
    {
        QVERIFY(InstallHistories(folder_->Path()));
        SetRangeParameters(Day(2004, 1, 1), Day(2026, 12, 31));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(ArchivoSorteos(TGameEdition::Current))));
        TFRMEuroMillonPremios window(nullptr, TGameEdition::Current);
        QCOMPARE(ErrorBoxes(), 0);
        QCOMPARE(window.Sorteos().Count(), 1947);
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("1.947"));
        QVERIFY(QFileInfo::exists(QString::fromStdString(ArchivoSorteos(TGameEdition::Current))));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(ArchivoSorteos(TGameEdition::Classic))));
    }

    void importTakesTheSixHistoriesInOneChoice()
    {
        WriteCurrentArchive({CurrentDraw(Day(2026, 5, 19), {2, 12, 20, 38, 45}, {2, 5})});
        SetRangeParameters(Day(2004, 1, 1), Day(2026, 12, 31));
        TFRMEuroMillonPremios window(nullptr, TGameEdition::Current);
        QCOMPARE(window.Sorteos().Count(), 1);
        const QString source = QStringLiteral(QOR_HISTORY_DIR);
        QStringList histories;
        for (const std::string &path : HistoryFiles(source.toStdString()))
            histories << QString::fromStdString(path);
        QCOMPARE(histories.size(), 6);
        DialogService::SetNextFileNames(histories);
        Trigger(&window, "ActImportarSorteos");
        QCOMPARE(window.Sorteos().Count(), 1947);
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Information);
        QVERIFY2(DialogService::LastText().startsWith(
                     QStringLiteral("Sorteos leídos: 1947\r\nAñadidos: 1946\r\nReemplazados: 1")),
                 qPrintable(DialogService::LastText()));

        // Cancelling the choice changes nothing.
        DialogService::SetNextFileNames({});
        const int boxes = static_cast<int>(DialogService::ShownBoxes().size());
        Trigger(&window, "ActImportarSorteos");
        QCOMPARE(window.Sorteos().Count(), 1947);
        QCOMPARE(static_cast<int>(DialogService::ShownBoxes().size()), boxes + 1); // the file dialog alone
    }

private:
    std::unique_ptr<ShellTestFolder> folder_;
};

QTEST_MAIN(TestCurrentDrawWindows)
#include "test_current_draw_windows.moc"
