// The prizes window on a combination of a million bets over the default
// archive (the published history, 378 draws): the run and the grids. The
// time is printed for the record, never asserted.
#include "draws_ui_support.h"
#include "support/ui/shell_test_support.h"

#include "draws/draw_import.h"
#include "draws/prize_check.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "draws/ui/winning_bets_model.h"
#include "framework/localize.h"
#include "framework/parametres.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <random>

namespace {

void FillRandomBets(TEuroMillonApuestas &apuestas, int count)
{
    std::mt19937_64 random(20040213);
    std::vector<BetMask> masks(static_cast<size_t>(count));
    for (BetMask &mask : masks) {
        mask = 0;
        for (int n = 0; n < 5;) {
            const BetMask bit = NumberBit(static_cast<int>(random() % 50) + 1);
            if (!(mask & bit)) {
                mask |= bit;
                ++n;
            }
        }
        for (int s = 0; s < 2;) {
            const BetMask bit = StarBit(static_cast<int>(random() % 9) + 1);
            if (!(mask & bit)) {
                mask |= bit;
                ++s;
            }
        }
    }
    apuestas.AppendMasks(masks.data(), masks.size());
}

} // namespace

class TestPrizesMillion : public QObject {
    Q_OBJECT

private slots:
    void millionBetsOverTheWholeHistory()
    {
        const QString csv = QStringLiteral(QOR_HISTORY_DIR "/euromillions.csv");
        QVERIFY2(QFile::exists(csv), qPrintable(csv));
        ShellTestFolder folder;
        Localizer().UnloadLanguage();
        UseEnglishNumbers();
        const TImportReport informe = ImportDrawFiles({csv.toStdString()}, ArchivoSorteos());
        QCOMPARE(informe.Resultado.Anadidos, 378);
        Parametres().SetValor("PRM_PREMIOS_Desde", Variant::DateTime(Day(2004, 2, 13)));
        Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(Day(2011, 12, 31)));
        Parametres().SetValor("PRM_PREMIOS_HastaChecked", Variant(true));

        TEuroMillonApuestas apuestas;
        FillRandomBets(apuestas, 1000000);

        QElapsedTimer timer;
        timer.start();
        TFRMEuroMillonPremios window;
        window.SetApuestas(&apuestas);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lSorteosCount"))->text(), QStringLiteral("378"));
        const qint64 opened = timer.elapsed();
        Trigger(&window, "ActProcesar");
        const qint64 processed = timer.elapsed();
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        auto *hits = window.findChild<QTableView *>(QStringLiteral("sgApPremiadas"));
        pages->setCurrentIndex(1);
        QCoreApplication::processEvents();
        pages->setCurrentIndex(2);
        QCoreApplication::processEvents();
        hits->scrollToBottom();
        // The last page of the winning bets.
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("tbUltima")), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        pages->setCurrentIndex(3);
        QCoreApplication::processEvents();
        const qint64 shown = timer.elapsed();

        const int64_t count = window.Premios().CountPremiadas();
        QCOMPARE(window.ApuestasPremiadas().TotalFilas(), count);
        QCOMPARE(hits->model()->rowCount(),
                 static_cast<int>(count - window.ApuestasPremiadas().PrimeraFila()));
        QVERIFY(count > 100000);
        qInfo("1,000,000 bets x 378 draws: window open %lld ms, run %lld ms, grids and chart shown %lld ms "
              "(total %lld ms); %lld winning rows",
              static_cast<long long>(opened), static_cast<long long>(processed - opened),
              static_cast<long long>(shown - processed), static_cast<long long>(shown),
              static_cast<long long>(count));
    }
};

QTEST_MAIN(TestPrizesMillion)
#include "test_prizes_million.moc"
