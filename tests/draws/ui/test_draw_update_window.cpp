// "Actualizar sorteos desde Internet" through the desktop: the main window's
// Archivo menu and the prizes window, with the address of a server of this
// test on 127.0.0.1 in PRM_URL_SORTEOS, and the check at start.
#include "draw_update_support.h"

#include "support/ui/shell_test_support.h"

#include "draws/draw_update.h"
#include "draws/ui/draw_texts.h"
#include "draws/ui/draw_update_ui.h"
#include "draws/ui/frm_euromillon_premios.h"
#include "framework/parametres.h"
#include "shell/ui/frm_main_mdi.h"
#include "widgets/dialog_service.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace {

std::string ArchiveBytes()
{
    return ReadWholeFile(ArchivoSorteos(TGameEdition::Current));
}

void SetAddress(const QString &url)
{
    Parametres().SetValor(PRM_URL_SORTEOS, Variant(url.toStdString()));
}

const DialogService::ShownBox *LastBox()
{
    return DialogService::ShownBoxes().isEmpty() ? nullptr : &DialogService::ShownBoxes().last();
}

} // namespace

class TestDrawUpdateWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;
    std::unique_ptr<TUpdateFixture> fixture_;

    TLocalHttpServer &Server() { return fixture_->server; }

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        fixture_ = std::make_unique<TUpdateFixture>();
        QVERIFY(Server().IsListening());
        std::filesystem::create_directories(CarpetaSorteos());
        Parametres().SetValor(PRM_SORTEOS_TIMEOUT, Variant(1));
    }

    void init()
    {
        WriteFileBytes(ArchivoSorteos(TGameEdition::Current), fixture_->cut);
        Parametres().SetValor(PRM_SORTEOS_AL_INICIAR, Variant(false));
        DialogService::ClearScript();
        DialogService::ClearShownBoxes();
    }

    void menuUpdatesTheArchive_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("zip") << QStringLiteral("/euromillions_202002.zip");
        QTest::newRow("plain csv") << QStringLiteral("/euromillions_202002.csv");
    }

    void menuUpdatesTheArchive()
    {
        QFETCH(QString, path);
        TFRMMainMDI window;
        window.SetEdition(TGameEdition::Current);
        QCOMPARE(FindAction(&window, "ActActualizarSorteos")->text(),
                 QStringLiteral("Actualizar &sorteos desde Internet"));
        QVERIFY(!FindAction(&window, "ActBuscarSorteosAlIniciar")->isChecked());
        SetAddress(Server().Url(path));
        Trigger(&window, "ActActualizarSorteos");
        QVERIFY(ArchiveBytes() == fixture_->full);
        QVERIFY(LastBox());
        QCOMPARE(LastBox()->kind, DialogService::Kind::Information);
        QVERIFY2(LastBox()->text.contains(QStringLiteral("Sorteos nuevos: 10")), qPrintable(LastBox()->text));
        QVERIFY(LastBox()->text.contains(QStringLiteral("Rechazados: 0")));
        QVERIFY(LastBox()->text.contains(QStringLiteral("Total sorteos en la base de datos: 1947")));
        QVERIFY(LastBox()->text.contains(Server().Url(path)));
    }

    void menuRefusesBadDownloads_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("reason");
        QTest::newRow("404") << Server().Url(QStringLiteral("/missing.zip")) << QStringLiteral("HTTP 404");
        // Empty: Qt's own words, known once the window has put its translations in force.
        QTest::newRow("refused") << TLocalHttpServer::RefusedUrl() << QString();
        QTest::newRow("timeout") << Server().Url(QStringLiteral("/silent.zip"))
                                 << QStringLiteral("El servidor no ha respondido en 1 segundos");
        QTest::newRow("truncated zip") << Server().Url(QStringLiteral("/truncated.zip"))
                                       << QStringLiteral("El archivo zip está dañado o incompleto");
        QTest::newRow("zip without csv")
            << Server().Url(QStringLiteral("/nocsv.zip")) << QStringLiteral("no contiene ningún archivo CSV");
        QTest::newRow("html page") << Server().Url(QStringLiteral("/page.zip"))
                                   << QStringLiteral("página web (HTML)");
        QTest::newRow("50 MB") << Server().Url(QStringLiteral("/huge.zip"))
                               << QStringLiteral("supera el tamaño máximo de 20 MB");
    }

    void menuRefusesBadDownloads()
    {
        QFETCH(QString, url);
        QFETCH(QString, reason);
        TFRMMainMDI window;
        window.SetEdition(TGameEdition::Current);
        if (reason.isEmpty())
            reason = QCoreApplication::translate("QHttp", "Connection refused");
        SetAddress(url);
        Trigger(&window, "ActActualizarSorteos");
        QVERIFY(ArchiveBytes() == fixture_->cut);
        QVERIFY(LastBox());
        QCOMPARE(LastBox()->kind, DialogService::Kind::Error);
        const QString text = LastBox()->text;
        QVERIFY2(text.startsWith(QStringLiteral("No se han actualizado los sorteos")), qPrintable(text));
        QVERIFY2(text.contains(url + QStringLiteral(": ")), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
    }

    void cancelMidDownloadLeavesTheArchive()
    {
        TFRMMainMDI window;
        window.SetEdition(TGameEdition::Current);
        SetAddress(Server().Url(QStringLiteral("/stall.zip")));
        Parametres().SetValor(PRM_SORTEOS_TIMEOUT, Variant(60));
        SetDrawUpdateDialogDelay(0);
        bool cancelled = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&] {
            auto *dialog = window.findChild<QProgressDialog *>(QStringLiteral("DrawUpdateProgress"));
            if (dialog && dialog->isVisible() && Server().StallReached() && !cancelled) {
                cancelled = true;
                auto *button = dialog->findChild<QPushButton *>();
                QVERIFY(button);
                button->click(); // the user's Cancel
            }
        });
        poll.start(10);
        Trigger(&window, "ActActualizarSorteos");
        poll.stop();
        SetDrawUpdateDialogDelay(1000);
        Parametres().SetValor(PRM_SORTEOS_TIMEOUT, Variant(1));
        QVERIFY(cancelled);
        QVERIFY(ArchiveBytes() == fixture_->cut);
        QVERIFY(DialogService::ShownBoxes().isEmpty()); // a cancel ends silently
    }

    void prizesWindowRefreshes()
    {
        Parametres().SetValor("PRM_PREMIOS_Desde", Variant::DateTime(FechaDeDate(QDate(2026, 4, 1))));
        Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(FechaDeDate(QDate(2026, 5, 31))));
        Parametres().SetValor("PRM_PREMIOS_HastaChecked", Variant(true));
        SetAddress(Server().Url(QStringLiteral("/euromillions_202002.zip")));
        TFRMEuroMillonPremios window(nullptr, TGameEdition::Current);
        auto *count = window.findChild<QLabel *>(QStringLiteral("lSorteosCount"));
        QVERIFY(count);
        const int before = count->text().toInt();
        QCOMPARE(window.Sorteos().Count(), 1937);
        Trigger(&window, "ActActualizarSorteos");
        QCOMPARE(window.Sorteos().Count(), 1947);
        QCOMPARE(count->text().toInt(), before + 10);
        QVERIFY(ArchiveBytes() == fixture_->full);
        QVERIFY(LastBox() && LastBox()->text.contains(QStringLiteral("Sorteos nuevos: 10")));
    }

    void checkAtStartOnceADay()
    {
        SetAddress(Server().Url(QStringLiteral("/euromillions_202002.zip")));
        Parametres().SetValor(PRM_SORTEOS_AL_INICIAR, Variant(true));
        Parametres().SetValor(PRM_SORTEOS_ULTIMA_BUSQUEDA, Variant::DateTime(0));
        const int requests = Server().Requests();
        {
            TFRMMainMDI window;
            window.SetEdition(TGameEdition::Current);
            QTRY_VERIFY(ArchiveBytes() == fixture_->full);
            QTRY_VERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("10 nuevos")));
            QVERIFY(FindAction(&window, "ActBuscarSorteosAlIniciar")->isChecked());
            QVERIFY(DialogService::ShownBoxes().isEmpty()); // nothing waits for a click
        }
        QCOMPARE(Server().Requests(), requests + 1);
        // The same day the program starts without looking again.
        WriteFileBytes(ArchivoSorteos(TGameEdition::Current), fixture_->cut);
        {
            TFRMMainMDI window;
            window.SetEdition(TGameEdition::Current);
            QTest::qWait(300);
        }
        QCOMPARE(Server().Requests(), requests + 1);
        QVERIFY(ArchiveBytes() == fixture_->cut);
    }

    void checkAtStartIsOffByDefault()
    {
        Parametres().SetValor(PRM_SORTEOS_ULTIMA_BUSQUEDA, Variant::DateTime(0));
        const int requests = Server().Requests();
        {
            TFRMMainMDI window;
            QTest::qWait(300);
            // Turning it on is kept for the next start.
            FindAction(&window, "ActBuscarSorteosAlIniciar")->trigger();
            QVERIFY(Parametres().ReadBoolean(PRM_SORTEOS_AL_INICIAR, false));
        }
        QCOMPARE(Server().Requests(), requests);
    }

    void addressIsAskedAndKept()
    {
        TFRMMainMDI window;
        DialogService::SetNextInput(Server().Url(QStringLiteral("/other.csv")));
        Trigger(&window, "ActDireccionSorteos");
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_URL_SORTEOS, "")),
                 Server().Url(QStringLiteral("/other.csv")));
        // The official address given back is stored as empty: it follows the program.
        DialogService::SetNextInput(QString::fromLatin1(kUrlSorteos));
        Trigger(&window, "ActDireccionSorteos");
        QCOMPARE(QString::fromStdString(Parametres().ReadString(PRM_URL_SORTEOS, "x")), QString());
    }
};

QTEST_MAIN(TestDrawUpdateWindow)
#include "test_draw_update_window.moc"
