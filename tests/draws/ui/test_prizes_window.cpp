// The prizes window over an archive in a fresh program folder.
#include "draws_ui_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw.h"
#include "draws/prize_check.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/frm_euromillon_sorteo.h"
#include "draws/ui/profit_chart.h"
#include "draws/ui/winning_bets_model.h"
#include "framework/localize.h"
#include "framework/parametres.h"
#include "model/euromillon_apuesta.h"
#include "shell/ui/shell_tools.h"
#include "widgets/background_work.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>

namespace {

QString Text(QWidget &window, const char *label)
{
    return window.findChild<QLabel *>(QString::fromLatin1(label))->text();
}

QString PrizeCell(QWidget &window, int row, int column)
{
    return window.findChild<QTableWidget *>(QStringLiteral("sgPremios"))->item(row - 1, column)->text();
}

QString HitCell(QWidget &window, int row, int column)
{
    auto *view = window.findChild<QTableView *>(QStringLiteral("sgApPremiadas"));
    return view->model()->index(row, column).data().toString();
}

QDateEdit *Picker(QWidget &window, const char *name)
{
    return window.findChild<QDateEdit *>(QString::fromLatin1(name));
}

void SetRange(QWidget &window, QDate first, std::optional<QDate> last = std::nullopt)
{
    auto *check = window.findChild<QCheckBox *>(QStringLiteral("cbHastaEl"));
    if (last) {
        Picker(window, "dtpFechaSorteoFinal")->setDate(*last);
        if (!check->isChecked())
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    } else if (check->isChecked()) {
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    }
    Picker(window, "dtpFechaSorteo")->setDate(first);
}

void ResetRangeParameters(double desde)
{
    Parametres().SetValor("PRM_PREMIOS_Desde", Variant::DateTime(desde));
    Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(desde));
    Parametres().SetValor("PRM_PREMIOS_HastaChecked", Variant(false));
}

} // namespace

class TestPrizesWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        Localizer().UnloadLanguage();
        UseEnglishNumbers();
        ResetRangeParameters(Day(2004, 2, 20));
    }
    void cleanup() { folder_.reset(); }

    void countAndPrizeColumnFollowTheRange()
    {
        TSorteoEuroMillonInfo feb20 =
            Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}, CurrencyFromUnits(1234567));
        WriteArchive({Draw(Day(2004, 2, 13), {6, 7, 8, 9, 10}, {3, 4}), feb20});
        TFRMEuroMillonPremios window;
        window.show();
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("1"));
        QCOMPARE(PrizeCell(window, 1, 1), QStringLiteral("1.234.567,00"));
        QCOMPARE(PrizeCell(window, 12, 1), QStringLiteral("12,00"));
        QCOMPARE(PrizeCell(window, 12, 0), QStringLiteral("2+1"));
        QVERIFY(!Picker(window, "dtpFechaSorteoFinal")->isEnabled());

        SetRange(window, QDate(2004, 2, 13), QDate(2004, 2, 27));
        QVERIFY(Picker(window, "dtpFechaSorteoFinal")->isEnabled());
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("2"));
        window.MostrarResultados();
        QCOMPARE(PrizeCell(window, 1, 1), QStringLiteral("------"));
    }

    void createDrawNeedsTheFirstDrawDay()
    {
        WriteArchive({Draw(Day(2004, 2, 13), {6, 7, 8, 9, 10}, {3, 4})});
        TFRMEuroMillonPremios window;
        SetRange(window, QDate(2004, 2, 12));
        QVERIFY(!FindAction(&window, "ActCrearSorteo_NC")->isEnabled());
        QVERIFY(!FindAction(&window, "ActModificarSorteo_NC")->isEnabled());
        QVERIFY(!FindAction(&window, "ActProcesar")->isEnabled());
        SetRange(window, QDate(2004, 2, 13));
        QVERIFY(FindAction(&window, "ActCrearSorteo_NC")->isEnabled());
        QVERIFY(FindAction(&window, "ActModificarSorteo_NC")->isEnabled());
        QVERIFY(FindAction(&window, "ActProcesar")->isEnabled());
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("bbProcesar"))->isEnabled());
    }

    void totalsOverOneDraw()
    {
        WriteArchive({Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}, CurrencyFromUnits(30))});
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 10, {0});
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        QCOMPARE(Text(window, "lblBeneficio"), QStringLiteral("-"));
        QCOMPARE(Text(window, "lblBeneficioTpc"), QStringLiteral("-"));
        Trigger(&window, "ActProcesar");
        QCOMPARE(Text(window, "lblSorteosProcesados"), QStringLiteral("1"));
        QCOMPARE(Text(window, "lblImporteCombinacion"), QStringLiteral("20,00"));
        QCOMPARE(Text(window, "lblTotalPremios"), QStringLiteral("30,00"));
        QCOMPARE(Text(window, "lblBeneficio"), QStringLiteral("10,00"));
        QCOMPARE(Text(window, "lblBeneficioTpc"), QStringLiteral("50,00 %"));
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("lblBeneficio"))
                    ->styleSheet()
                    .contains(QStringLiteral("0, 128, 0")));
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Enhorabuena\nTiene PREMIOS por valor de \n30,00"));
        QCOMPARE(PrizeCell(window, 1, 2), QStringLiteral("1"));
        QCOMPARE(PrizeCell(window, 1, 3), QStringLiteral("30,00"));
    }

    void profitOverSeveralDrawsCountsEveryDraw()
    {
        WriteArchive({Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}, CurrencyFromUnits(30)),
                      Draw(Day(2004, 2, 13), {6, 7, 8, 9, 10}, {3, 4})});
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 10, {0});
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        SetRange(window, QDate(2004, 2, 13), QDate(2004, 2, 20));
        Trigger(&window, "ActProcesar");
        QCOMPARE(Text(window, "lblSorteosProcesados"), QStringLiteral("2"));
        // Every bet in both draws.
        QCOMPARE(Text(window, "lblImporteCombinacion"), QStringLiteral("40,00"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblImporteCombinacion"))->toolTip(),
                 QStringLiteral("Coste por sorteo: 20,00"));
        QCOMPARE(Text(window, "lblTotalPremios"), QStringLiteral("30,00"));
        QCOMPARE(Text(window, "lblBeneficio"), QStringLiteral("-10,00"));
        QCOMPARE(Text(window, "lblBeneficioTpc"), QStringLiteral("-25,00 %"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblBeneficio"))->toolTip(),
                 QStringLiteral("Coste de 2 sorteos: 40,00"));
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("lblBeneficio"))
                    ->styleSheet()
                    .contains(QStringLiteral("255, 0, 0")));
        auto *chart = window.findChild<TProfitChart *>();
        QCOMPARE(chart->Puntos(), 2);
    }

    void winningBetsNameBetAndTicket()
    {
        WriteArchive({Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}, CurrencyFromUnits(30))});
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 10, {4, 7});
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        auto *view = window.findChild<QTableView *>(QStringLiteral("sgApPremiadas"));
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(HitCell(window, 0, 0), QString());
        Trigger(&window, "ActProcesar");
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(HitCell(window, 0, 0), QStringLiteral("20/02/04"));
        QCOMPARE(HitCell(window, 0, 1), QStringLiteral("5"));
        QCOMPARE(HitCell(window, 0, 2), QStringLiteral("1"));
        QCOMPARE(HitCell(window, 0, 3), QStringLiteral("5+2"));
        QCOMPARE(HitCell(window, 0, 4), QStringLiteral("30,00"));
        QCOMPARE(HitCell(window, 1, 1), QStringLiteral("8"));
        QCOMPARE(HitCell(window, 1, 2), QStringLiteral("2"));
        QCOMPARE(view->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Boleto"));
    }

    void runWithoutPrizeStoresTheRange()
    {
        WriteArchive({Draw(Day(2004, 2, 27), {1, 2, 3, 4, 5}, {1, 2}),
                      Draw(Day(2004, 2, 20), {6, 7, 8, 9, 10}, {3, 4})});
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 3);
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        SetRange(window, QDate(2004, 2, 20), QDate(2004, 2, 27));
        QCOMPARE(Parametres().ReadBoolean("PRM_PREMIOS_HastaChecked", false), false); // not before a run
        Trigger(&window, "ActProcesar");
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("La combinación no tiene premios para este sorteo"));
        QCOMPARE(Parametres().ReadDateTime("PRM_PREMIOS_Desde", 0), Day(2004, 2, 20));
        QCOMPARE(Parametres().ReadDateTime("PRM_PREMIOS_Hasta", 0), Day(2004, 2, 27));
        QCOMPARE(Parametres().ReadBoolean("PRM_PREMIOS_HastaChecked", false), true);

        TFRMEuroMillonPremios reopened;
        QCOMPARE(Picker(reopened, "dtpFechaSorteo")->date(), QDate(2004, 2, 20));
        QCOMPARE(Text(reopened, "lSorteosCount"), QStringLiteral("2"));
    }

    void noArchiveThenTheFirstDrawCreatesIt()
    {
        QVERIFY(!QFile::exists(QString::fromStdString(ArchivoSorteos())));
        QDir(folder_->Path()).rmdir(QStringLiteral("Sorteos"));
        ResetRangeParameters(Day(2004, 2, 27));
        TFRMEuroMillonPremios window;
        window.show();
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("0"));
        QVERIFY(!FindAction(&window, "ActProcesar")->isEnabled());
        QVERIFY(!FindAction(&window, "ActModificarSorteo_NC")->isEnabled());

        QTimer::singleShot(0, this, [] {
            auto *editor = qobject_cast<TFRMEuroMillonSorteo *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            TEuroMillonApuestaMultiple record{{11, 22, 33, 44, 50}, {3, 9}};
            editor->ControlApuesta().ShownBet().FromRecord(record);
            QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("bbAceptar")), Qt::LeftButton);
        });
        Trigger(&window, "ActCrearSorteo_NC");
        QCOMPARE(ArchivedCount(), 1);
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("1"));
        QVERIFY(FindAction(&window, "ActProcesar")->isEnabled());
        QVERIFY(FindAction(&window, "ActModificarSorteo_NC")->isEnabled());
        QCOMPARE(window.Sorteos().Sorteo(0).ApuestaGanadora.Estrellas, (TEuroMillonNumeros{3, 9}));
    }

    void editingADrawOfTheRangeRaisesTheCount()
    {
        WriteArchive({Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}),
                      Draw(Day(2004, 2, 13), {6, 7, 8, 9, 10}, {3, 4})});
        TFRMEuroMillonPremios window;
        window.show();
        SetRange(window, QDate(2004, 2, 27), QDate(2004, 2, 27));
        SetRange(window, QDate(2004, 2, 13), QDate(2004, 2, 27));
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("2"));
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 10, {3});
        window.SetApuestas(&apuestas);
        Trigger(&window, "ActProcesar");
        Picker(window, "dtpFechaSorteo")->setDate(QDate(2004, 2, 20));
        QCOMPARE(HitCell(window, 0, 1), QStringLiteral("4"));
        window.findChild<QTabWidget *>()->setCurrentIndex(2);

        // The editor opens on the archived draw; the user moves it to 27/02.
        QTimer::singleShot(0, this, [] {
            auto *editor = qobject_cast<TFRMEuroMillonSorteo *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            QCOMPARE(editor->ControlApuesta().ShownBet().AsText(), std::string("01.02.03.04.05-01.02"));
            editor->findChild<QDateEdit *>()->setDate(QDate(2004, 2, 27));
            QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("bbAceptar")), Qt::LeftButton);
        });
        Trigger(&window, "ActModificarSorteo_NC");
        QCOMPARE(ArchivedCount(), 3);
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("2")); // 20/02 to 27/02
        // The checker was emptied: the list of winning bets holds no stale row.
        auto *view = window.findChild<QTableView *>(QStringLiteral("sgApPremiadas"));
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(HitCell(window, 0, 1), QString());

        // Cancel leaves the archive untouched.
        QTimer::singleShot(0, this, [] {
            auto *editor = qobject_cast<TFRMEuroMillonSorteo *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editor->reject();
        });
        Trigger(&window, "ActModificarSorteo_NC");
        QCOMPARE(ArchivedCount(), 3);
    }

    void importsThePublishedHistoryIntoAnEmptyArchive()
    {
        const QString csv = QStringLiteral(QOR_HISTORY_DIR "/euromillions.csv");
        QVERIFY2(QFile::exists(csv), qPrintable(csv));
        ResetRangeParameters(Day(2011, 5, 6));
        TFRMEuroMillonPremios window;
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("0"));
        QVERIFY(!window.findChild<QToolButton *>(QStringLiteral("sbLoadSorteos"))->isHidden());
        DialogService::SetNextFileName(csv);
        Trigger(&window, "ActImportarSorteos");
        QCOMPARE(window.Sorteos().Count(), 378);
        QCOMPARE(ArchivedCount(), 378);
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("1"));
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Information);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Sorteos leídos: 378\r\nAñadidos: 378\r\nReemplazados: 0\n"
                                "Total sorteos en la base de datos: 378"));

        DialogService::SetNextFileName(csv);
        Trigger(&window, "ActImportarSorteos");
        QVERIFY(DialogService::LastText().startsWith(
            QStringLiteral("Sorteos leídos: 378\r\nAñadidos: 0\r\nReemplazados: 378")));
    }

    void classicImportOfTheSixHistoriesCountsTodaysDrawsApart()
    {
        // The six histories of the source tree.
        QStringList files;
        for (const std::string &path : HistoryFiles(QOR_HISTORY_DIR))
            files << QString::fromStdString(path);
        ResetRangeParameters(Day(2011, 5, 6));
        TFRMEuroMillonPremios window;
        DialogService::SetNextFileNames(files);
        Trigger(&window, "ActImportarSorteos");
        QCOMPARE(window.Sorteos().Count(), 378);
        QCOMPARE(ArchivedCount(), 378);
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Information);
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("Sorteos leídos: 378\r\nAñadidos: 378\r\nReemplazados: 0\n"
                                "Total sorteos en la base de datos: 378\n"
                                "Sorteos del juego actual (posteriores al 06/05/2011), no "
                                "importados: 1569"));
    }

    void damagedHistoryReportsBadLinesAndKeepsTheArchive()
    {
        const QString csv = QStringLiteral(QOR_HISTORY_DIR "/euromillions.csv");
        QVERIFY2(QFile::exists(csv), qPrintable(csv));
        // Two draws newer than the history, which must survive the import.
        WriteArchive({Draw(Day(2011, 5, 5), {1, 2, 3, 4, 5}, {1, 2}),
                      Draw(Day(2011, 5, 4), {6, 7, 8, 9, 10}, {3, 4})});
        QList<QByteArray> lines = FileBytes(csv).split('\n');
        // Line 2 cut short, line 3 with letters in a number, line 5 a repeat of line 4's day.
        lines[1] = lines[1].left(30);
        QList<QByteArray> third = lines[2].split(';');
        third[4] = "2x";
        lines[2] = third.join(';');
        const QByteArray day4 = lines[3].split(';').at(2);
        QList<QByteArray> fields = lines[4].split(';');
        fields[2] = day4;
        lines[4] = fields.join(';');
        const QString damaged = folder_->FilePath(QStringLiteral("damaged.csv"));
        QFile out(damaged);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(lines.join('\n'));
        out.close();

        TFRMEuroMillonPremios window;
        DialogService::SetNextFileName(damaged);
        Trigger(&window, "ActImportarSorteos");
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Warning);
        const QString text = DialogService::LastText();
        QVERIFY2(text.contains(QStringLiteral("Líneas o archivos con errores, no importados: 3")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("damaged.csv, línea 2: ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("damaged.csv, línea 3: number '2x' is not a number")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("damaged.csv, línea 5: the draw of")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("is already listed at line 4, which is kept")),
                 qPrintable(text));
        QCOMPARE(window.Sorteos().Count(), 375 + 2);
        QVERIFY(window.Sorteos().IndexOfFecha(Day(2011, 5, 4)) >= 0);
        QVERIFY(window.Sorteos().IndexOfFecha(Day(2011, 5, 5)) >= 0);
        QCOMPARE(ArchivedCount(), 377);
    }

    void chartIsSavedAsPng()
    {
        WriteArchive({Draw(Day(2004, 2, 20), {1, 2, 3, 4, 5}, {1, 2}, CurrencyFromUnits(30)),
                      Draw(Day(2004, 2, 13), {6, 7, 8, 9, 10}, {3, 4})});
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 10, {0});
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        window.show();
        SetRange(window, QDate(2004, 2, 13), QDate(2004, 2, 20));
        Trigger(&window, "ActProcesar");
        const QString png = folder_->FilePath(QStringLiteral("chart.png"));
        DialogService::SetNextFileName(png);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bbGuardarGrafico")),
                          Qt::LeftButton);
        QVERIFY(FileBytes(png).startsWith("\x89PNG"));
        QCOMPARE(DialogService::LastText(), QStringLiteral("El archivo ha sido guardado\r\n") + png);

        DialogService::SetNextFileName(folder_->FilePath(QStringLiteral("missing/chart.png")));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bbGuardarGrafico")),
                          Qt::LeftButton);
        QCOMPARE(DialogService::ShownBoxes().constLast().kind, DialogService::Kind::Error);
    }

    void damagedArchiveIsShownAndTheWindowOpens()
    {
        QVERIFY(QDir().mkpath(QString::fromStdString(CarpetaSorteos())));
        QFile archive(QString::fromStdString(ArchivoSorteos()));
        QVERIFY(archive.open(QIODevice::WriteOnly));
        archive.write("not an archive");
        archive.close();
        TFRMEuroMillonPremios window;
        QCOMPARE(ErrorBoxes(), 2); // the range, then the whole archive
        QCOMPARE(DialogService::LastText(), QStringLiteral("No es un formato de archivo válido."));
        QCOMPARE(Text(window, "lSorteosCount"), QStringLiteral("0"));
        QVERIFY(!FindAction(&window, "ActProcesar")->isEnabled());
        QCOMPARE(FileBytes(QString::fromStdString(ArchivoSorteos())), QByteArray("not an archive"));
    }

    void winningBetsArePagedBeyondIntMax()
    {
        // More rows than a view can count: a source built from counts.
        constexpr int64_t kRows = int64_t{3000000123};
        TFRMEuroMillonPremios window;
        window.show();
        window.findChild<QTabWidget *>()->setCurrentIndex(2);
        TFuentePremiadas fuente;
        fuente.Count = [] { return kRows; };
        fuente.Page = [](int64_t first, size_t count) {
            std::vector<TApuestaPremiada> page;
            for (int64_t k = first; k < first + static_cast<int64_t>(count); ++k)
                page.push_back({static_cast<int32_t>(k % 1000000000), Day(2004, 2, 13),
                                static_cast<int32_t>(1 + k % 12), CurrencyFromUnits(k % 100000)});
            return page;
        };
        window.ApuestasPremiadas().SetFuente(fuente);
        auto *view = window.findChild<QTableView *>(QStringLiteral("sgApPremiadas"));
        QCOMPARE(view->model()->rowCount(), 1000);
        QCOMPARE(Text(window, "lblPagina"), QStringLiteral("Página 1 de 3.000.001"));
        QCOMPARE(Text(window, "lblFilas"), QStringLiteral("Apuestas premiadas 1 a 1.000 de 3.000.000.123"));
        QVERIFY(!window.findChild<QToolButton *>(QStringLiteral("tbPrimera"))->isEnabled());

        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("tbUltima")), Qt::LeftButton);
        QCOMPARE(view->model()->rowCount(), 123);
        QCOMPARE(Text(window, "lblPagina"), QStringLiteral("Página 3.000.001 de 3.000.001"));
        QCOMPARE(Text(window, "lblFilas"),
                 QStringLiteral("Apuestas premiadas 3.000.000.001 a 3.000.000.123 de 3.000.000.123"));
        // The last row: hit 3,000,000,122 (from 0), bet 122 + 1 on ticket 25.
        QCOMPARE(HitCell(window, 122, 1), QStringLiteral("123"));
        QCOMPARE(HitCell(window, 122, 2), QStringLiteral("25"));
        QCOMPARE(HitCell(window, 122, 3), QStringLiteral("5+0"));
        QCOMPARE(HitCell(window, 122, 4), QStringLiteral("122,00"));
        QVERIFY(!window.findChild<QToolButton *>(QStringLiteral("tbSiguiente"))->isEnabled());

        // Go to a page by its number; beyond the last one stays on the last.
        auto *page = window.findChild<QLineEdit *>(QStringLiteral("ebPagina"));
        page->setText(QStringLiteral("2,147,484"));
        QTest::keyClick(page, Qt::Key_Return);
        QCOMPARE(window.ApuestasPremiadas().Pagina(), int64_t{2147483});
        QCOMPARE(HitCell(window, 0, 1), QString::number((int64_t{2147483} * 1000) % 1000000000 + 1));
        page->setText(QStringLiteral("9999999999"));
        QTest::keyClick(page, Qt::Key_Return);
        QCOMPARE(Text(window, "lblPagina"), QStringLiteral("Página 3.000.001 de 3.000.001"));
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("tbAnterior")), Qt::LeftButton);
        QCOMPARE(window.ApuestasPremiadas().Pagina(), int64_t{2999999});
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("tbPrimera")), Qt::LeftButton);
        QCOMPARE(HitCell(window, 0, 1), QStringLiteral("1"));
    }

    void cancelLeavesTheWindowAsItWas()
    {
        // Enough work for Cancel to arrive while it runs: 3 million bets
        // against 300 draws.
        std::vector<TSorteoEuroMillonInfo> draws;
        for (int i = 0; i < 300; ++i)
            draws.push_back(Draw(Day(2004, 2, 13) + 7 * i,
                                 {1 + i % 45, 2 + i % 45, 3 + i % 45, 4 + i % 45, 5 + i % 45}, {1, 2},
                                 CurrencyFromUnits(30)));
        WriteArchive(draws);
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 3000000, {0});
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        window.show();
        SetRange(window, QDate(2004, 2, 13), QDate(2004, 2, 20));
        Trigger(&window, "ActProcesar");
        const QString cost = Text(window, "lblImporteCombinacion");
        const QString prizes = Text(window, "lblTotalPremios");
        const int64_t hits = window.Premios().CountPremiadas();
        QCOMPARE(cost, QStringLiteral("12.000.000,00"));
        QCOMPARE(PrizeCell(window, 1, 2), QStringLiteral("1"));

        SetRange(window, QDate(2004, 2, 13), QDate(2011, 5, 6));
        SetBackgroundDialogDelay(0);
        const int shown = BackgroundDialogsShown();
        bool cancelled = false;
        auto *poll = new QTimer(&window);
        connect(poll, &QTimer::timeout, &window, [&cancelled, poll] {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<QProgressDialog *>(widget);
                    progress && progress->isVisible()) {
                    progress->cancel();
                    cancelled = true;
                    poll->stop();
                }
        });
        poll->start(5);
        const int boxes = static_cast<int>(DialogService::ShownBoxes().size());
        Trigger(&window, "ActProcesar");
        poll->stop();
        SetBackgroundDialogDelay(1000);
        QVERIFY(cancelled);
        QCOMPARE(BackgroundDialogsShown(), shown + 1);
        QCOMPARE(static_cast<int>(DialogService::ShownBoxes().size()), boxes); // nothing said
        QCOMPARE(Text(window, "lblImporteCombinacion"), cost);
        QCOMPARE(Text(window, "lblTotalPremios"), prizes);
        QCOMPARE(Text(window, "lblSorteosProcesados"), QStringLiteral("2"));
        QCOMPARE(window.Premios().CountPremiadas(), hits);
        QCOMPARE(PrizeCell(window, 1, 2), QStringLiteral("1"));
        QCOMPARE(HitCell(window, 0, 1), QStringLiteral("1"));
    }

    void editorRefusesADayTheArchiveWouldNot()
    {
        ResetRangeParameters(Day(2004, 2, 13));
        TFRMEuroMillonPremios window;
        window.show();
        QString refused;
        QTimer::singleShot(0, this, [&refused] {
            auto *editor = qobject_cast<TFRMEuroMillonSorteo *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editor->findChild<QDateEdit *>()->setDate(QDate(1990, 2, 14));
            TEuroMillonApuestaMultiple record{{11, 22, 33, 44, 50}, {3, 9}};
            editor->ControlApuesta().ShownBet().FromRecord(record);
            QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("bbAceptar")), Qt::LeftButton);
            refused = DialogService::LastText();
            editor->findChild<QDateEdit *>()->setDate(QDate(2011, 5, 13));
            QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("bbAceptar")), Qt::LeftButton);
            QVERIFY(editor->isVisible());
            editor->reject();
        });
        Trigger(&window, "ActCrearSorteo_NC");
        // Refused at once, before the question about the day of the week.
        QCOMPARE(refused,
                 QStringLiteral("El sorteo del 14/02/1990 es anterior al primer sorteo de EuroMillones "
                                "(13/02/2004)"));
        QCOMPARE(DialogService::LastText(),
                 QStringLiteral("El sorteo del 13/05/2011 es del juego actual: el juego "
                                "clásico terminó con el sorteo del 06/05/2011."));
        QCOMPARE(ArchivedCount(), 0);
    }

    void combinationWindowsPrizesCommandOpensTheWindow()
    {
        InstallShellTools();
        QVERIFY(ShellTools().prizes);
        TEuroMillonApuestas apuestas;
        FillCombination(apuestas, 3);
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            auto *window = qobject_cast<TFRMEuroMillonPremios *>(QApplication::activeModalWidget());
            opened = window && window->Premios().Apuestas() != nullptr;
            if (window)
                window->reject();
        });
        ShellTools().prizes(nullptr, apuestas);
        QVERIFY(opened);
    }

private:
    std::unique_ptr<ShellTestFolder> folder_;
};

QTEST_MAIN(TestPrizesWindow)
#include "test_prizes_window.moc"
