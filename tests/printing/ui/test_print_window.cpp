// The print window driven offscreen: texts and defaults, the twelve-bet
// combination through the real dataset and preview, the automatic ticket's
// free name, offsets in the user's notation, template import, the checks of
// the preparation in their order, and settings stored only after success.
#include "support/ui/shell_test_support.h"

#include "framework/parametres.h"
#include "model/euromillon_apuestas.h"
#include "printing/boleto_automatico.h"
#include "printing/ui/frm_print_boletos.h"
#include "report/report.h"
#include "report/ui/report_preview.h"
#include "widgets/dialog_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

template <typename T> T *Child(QWidget *window, const char *name)
{
    T *child = window->findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT(child);
    return child;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Closes the preview that the next print opens, noting its page count.
void ClosePreviewNoting(int &pages)
{
    QTimer::singleShot(0, [&pages] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *preview = qobject_cast<TfrPreviewWindow *>(widget); preview && preview->isVisible()) {
                pages = preview->PageCount();
                preview->reject();
            }
        }
    });
}

const std::vector<std::string> kKeys = {"PRM_PRINTBOL_AUTOPRINT", "PRM_PRINTBOL_FILE",
                                        "PRM_PRINTBOL_IPAIS",     "PRM_PRINTBOL_IANGULO",
                                        "PRM_PRINTBOL_MM_DESFX",  "PRM_PRINTBOL_MM_DESFY"};

bool NoneMarkedForSaving()
{
    for (const std::string &key : kKeys) {
        if (Parametres().Entry(Parametres().IndexOf(key)).Save)
            return false;
    }
    return true;
}

int32_t StoredInteger(const char *key)
{
    return Parametres().ReadInteger(key, -999);
}

} // namespace

class TestPrintWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;
    TEuroMillonApuestas combination_;

    QString Boletos(const QString &name = QString()) const
    {
        return folder_->FilePath(QStringLiteral("Boletos")) +
               (name.isEmpty() ? QString() : QLatin1Char('/') + name);
    }

    std::unique_ptr<TFRMPrintBoletos> NewWindow(bool boletos = true)
    {
        auto window = std::make_unique<TFRMPrintBoletos>();
        window->SetApuestas(combination_);
        window->SetModoBoletos(boletos);
        return window;
    }

    QString LastError() const
    {
        for (qsizetype i = DialogService::ShownBoxes().size() - 1; i >= 0; --i) {
            if (DialogService::ShownBoxes().at(i).kind == DialogService::Kind::Error)
                return DialogService::ShownBoxes().at(i).text;
        }
        return QString();
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
        QLocale::setDefault(QLocale::c());
        combination_.Clear();
        combination_.SetName("Doce");
        for (const TestBet &bet : SampleBets(12)) {
            BetMask mask = 0;
            for (int n : bet.numbers)
                mask |= NumberBit(n);
            for (int s : bet.stars)
                mask |= StarBit(s);
            combination_.AppendMasks(&mask, 1);
        }
        // Each test starts from the defaults, nothing marked to be saved.
        Parametres().SetValor("PRM_PRINTBOL_AUTOPRINT", Variant(true));
        Parametres().SetValor("PRM_PRINTBOL_FILE", Variant(std::string()));
        Parametres().SetValor("PRM_PRINTBOL_IPAIS", Variant(int32_t(0)));
        Parametres().SetValor("PRM_PRINTBOL_IANGULO", Variant(int32_t(1)));
        Parametres().SetValor("PRM_PRINTBOL_MM_DESFX", Variant(int32_t(0)));
        Parametres().SetValor("PRM_PRINTBOL_MM_DESFY", Variant(int32_t(0)));
        Parametres().SetSaveList(kKeys, false);
    }
    void cleanup()
    {
        QVERIFY(UseScreenshotLanguage(QStringLiteral("es")));
        QLocale::setDefault(QLocale::c());
        folder_.reset();
    }

    void showsItsTextsAndDefaults()
    {
        auto window = NewWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Imprimir combinación..."));
        QCOMPARE(Child<QRadioButton>(window.get(), "rbAuto")->text(),
                 QStringLiteral("Crear Boleto &Automático"));
        QVERIFY(Child<QRadioButton>(window.get(), "rbAuto")->isChecked());
        QCOMPARE(Child<QComboBox>(window.get(), "cbRotate")->currentText(), QStringLiteral("90º"));
        QCOMPARE(Child<QComboBox>(window.get(), "cbRotate")->count(), 4);
        QCOMPARE(Child<QComboBox>(window.get(), "cbEstiloBoleto")->currentText(), QStringLiteral("España"));
        QCOMPARE(Child<QComboBox>(window.get(), "cbEstiloBoleto")->itemText(1), QStringLiteral("Francia"));
        QCOMPARE(Child<QLineEdit>(window.get(), "ebDesfX")->text(), QStringLiteral("0,0"));
        QCOMPARE(Child<QPushButton>(window.get(), "bbCancel")->text(), QStringLiteral("&Cancelar"));
        QCOMPARE(Child<QTabWidget>(window.get(), "PageControl")->tabText(1), QStringLiteral("Listados"));
        QVERIFY(!Child<QLineEdit>(window.get(), "ebDesfX")->toolTip().isEmpty());
        QCOMPARE(window->size(), QSize(305, 352));
        auto listing = NewWindow(false);
        QCOMPARE(Child<QTabWidget>(listing.get(), "PageControl")->currentIndex(), 1);
    }

    void twelveBetsPrintThreeTickets()
    {
        auto window = NewWindow();
        int pages = 0;
        ClosePreviewNoting(pages);
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(), QString());
        QCOMPARE(pages, 3);
        TfrReport &report = window->Report();
        QCOMPARE(report.Page(0).Objects().size(), size_t(298));
        QCOMPARE(report.GetValue("TOTALBOLETOS", 1).AsText(), std::string("3"));
        TfrUserDataset *dataset = report.FindDataset(kPrintBoletosDataSet);
        QVERIFY(dataset);
        std::vector<int> tickets;
        for (dataset->First(); !dataset->Eof(); dataset->Next())
            tickets.push_back(window->BoletoActual());
        QCOMPARE(tickets, (std::vector<int>{1, 2, 3}));
        dataset->Prior();
        for (int n = 1; n <= 50; ++n)
            QCOMPARE(report.GetValue("POS_3_B_1_NUM_" + std::to_string(n), 1).AsText(), std::string("0"));
        QCOMPARE(report.GetValue("BLOQUE_2_B_1", 1).AsText(), std::string("12.13.14.15.16"));
        QCOMPARE(StoredInteger("PRM_PRINTBOL_IANGULO"), 1);
        QVERIFY(Parametres().Entry(Parametres().IndexOf("PRM_PRINTBOL_IANGULO")).Save);
        QVERIFY(Parametres().Entry(Parametres().IndexOf("PRM_PRINTBOL_MM_DESFY")).Save);
    }

    void testModeMarksEveryBox()
    {
        auto window = NewWindow();
        Child<QCheckBox>(window.get(), "cbTestMode")->setChecked(true);
        window->PrepararReport();
        QCOMPARE(window->Report().GetValue("POS_9_B_7_NUM_x", 1).AsText(), std::string("1"));
        // A cross-hair centred on each bet's first box, to measure the offsets.
        const TfrPage &page = window->Report().Page(0);
        QCOMPARE(page.Objects().size(), size_t(298 + 2 * 5));
        for (int bet = 1; bet <= 5; ++bet) {
            const std::string n = std::to_string(bet);
            const TfrView *box = page.FindObject("POS_" + n + "_B_1_NUM_1");
            const TfrView *across = page.FindObject("CRUZ_" + n + "_H");
            const TfrView *down = page.FindObject("CRUZ_" + n + "_V");
            QVERIFY(box && across && down);
            QCOMPARE(across->Top, box->Top + box->Height / 2);
            QCOMPARE(across->Left + across->Width / 2, box->Left + box->Width / 2);
            QCOMPARE(down->Left, box->Left + box->Width / 2);
            QCOMPARE(down->Top + down->Height / 2, box->Top + box->Height / 2);
        }
        Child<QCheckBox>(window.get(), "cbTestMode")->setChecked(false);
        window->PrepararReport();
        QCOMPARE(window->Report().Page(0).Objects().size(), size_t(298));
    }

    void automaticTicketTakesTheFirstFreeName()
    {
        QVERIFY(QDir().mkdir(Boletos()));
        WriteFile(Boletos(QStringLiteral("Boleto_Automatico_1.frf")), "x");
        WriteFile(Boletos(QStringLiteral("Boleto_Automatico_2.frf")), "x");
        auto window = NewWindow();
        window->PrepararReport();
        QCOMPARE(QString::fromStdString(window->Report().FileName()),
                 Boletos(QStringLiteral("Boleto_Automatico_3.frf")));
    }

    void missingTicketsFolderIsCreated()
    {
        auto window = NewWindow();
        window->PrepararReport();
        QVERIFY(QDir(Boletos()).exists());
        QCOMPARE(QString::fromStdString(window->Report().FileName()),
                 Boletos(QStringLiteral("Boleto_Automatico_1.frf")));
    }

    // The fields speak the program's language, not the desktop's: the
    // desktop here has the other notation. Either separator is understood.
    void offsetsInTheLanguagesNotationAreStoredAsTenths_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("typedX");
        QTest::addColumn<QString>("shownZero");
        QTest::addColumn<QString>("shownX");
        QTest::addColumn<QString>("shownY");
        QTest::newRow("es, comma") << "es"
                                   << "en_US"
                                   << "1,5"
                                   << "0,0"
                                   << "1,5"
                                   << "-2,0";
        QTest::newRow("es, point") << "es"
                                   << "en_US"
                                   << "1.5"
                                   << "0,0"
                                   << "1,5"
                                   << "-2,0";
        QTest::newRow("en, point") << "en"
                                   << "de_DE"
                                   << "1.5"
                                   << "0.0"
                                   << "1.5"
                                   << "-2.0";
        QTest::newRow("en, comma") << "en"
                                   << "de_DE"
                                   << "1,5"
                                   << "0.0"
                                   << "1.5"
                                   << "-2.0";
        QTest::newRow("fr, comma") << "fr"
                                   << "en_US"
                                   << "1,5"
                                   << "0,0"
                                   << "1,5"
                                   << "-2,0";
    }
    void offsetsInTheLanguagesNotationAreStoredAsTenths()
    {
        QFETCH(QString, language);
        QFETCH(QString, desktop);
        QFETCH(QString, typedX);
        QFETCH(QString, shownZero);
        QFETCH(QString, shownX);
        QFETCH(QString, shownY);
        QVERIFY(UseScreenshotLanguage(language));
        QLocale::setDefault(QLocale(desktop));
        {
            auto window = NewWindow();
            QCOMPARE(Child<QLineEdit>(window.get(), "ebDesfX")->text(), shownZero);
            Child<QLineEdit>(window.get(), "ebDesfX")->setText(typedX);
            Child<QLineEdit>(window.get(), "ebDesfY")->setText(QStringLiteral("-2"));
            int pages = 0;
            ClosePreviewNoting(pages);
            Child<QPushButton>(window.get(), "bbPrint")->click();
            QCOMPARE(LastError(), QString());
            QCOMPARE(window->DesfaseX(), 15);
            QCOMPARE(window->DesfaseY(), -20);
        }
        QCOMPARE(StoredInteger("PRM_PRINTBOL_MM_DESFX"), 15);
        QCOMPARE(StoredInteger("PRM_PRINTBOL_MM_DESFY"), -20);
        auto again = NewWindow();
        QCOMPARE(Child<QLineEdit>(again.get(), "ebDesfX")->text(), shownX);
        QCOMPARE(Child<QLineEdit>(again.get(), "ebDesfY")->text(), shownY);
    }

    // A metre shown back without grouping, so that it reads back the same.
    void largeOffsetIsShownUngrouped()
    {
        QVERIFY(UseScreenshotLanguage(QStringLiteral("fr")));
        Parametres().SetValor("PRM_PRINTBOL_MM_DESFX", Variant(int32_t(-10000)));
        auto window = NewWindow();
        QCOMPARE(Child<QLineEdit>(window.get(), "ebDesfX")->text(), QStringLiteral("-1000,0"));
        window->PrepararReport();
        QCOMPARE(window->DesfaseX(), -10000);
    }

    // The same typed values as the command line's --offset, through the one
    // parser, with either separator.
    void offsetsRoundLikeTheCommandLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tenths");
        QTest::newRow("0.05") << QStringLiteral("0.05") << 1;
        QTest::newRow("0,05") << QStringLiteral("0,05") << 1;
        QTest::newRow("0.25") << QStringLiteral("0.25") << 3;
        QTest::newRow("-0,25") << QStringLiteral("-0,25") << -3;
        QTest::newRow("1,25") << QStringLiteral("1,25") << 13;
    }
    void offsetsRoundLikeTheCommandLine()
    {
        QFETCH(QString, typed);
        QFETCH(int, tenths);
        auto window = NewWindow();
        Child<QLineEdit>(window.get(), "ebDesfX")->setText(typed);
        window->PrepararReport();
        QCOMPARE(window->DesfaseX(), tenths);
        QCOMPARE(window->DesfaseY(), 0);
    }

    void offsetThatIsNoNumberFailsOnItsField()
    {
        auto window = NewWindow();
        window->show();
        QLineEdit *field = Child<QLineEdit>(window.get(), "ebDesfY");
        field->setText(QStringLiteral("dos"));
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(), QStringLiteral("'dos' no es un valor numérico válido."));
        QCOMPARE(field->selectedText(), QStringLiteral("dos"));
        QVERIFY(NoneMarkedForSaving());
        QVERIFY(window->isVisible());
    }

    void importCopiesAsFrfOnceOnly()
    {
        const QString plan = folder_->FilePath(QStringLiteral("plan.txt"));
        WriteFile(plan, "plantilla");
        auto window = NewWindow();
        DialogService::SetNextFileName(plan);
        Child<QPushButton>(window.get(), "sbFindFile")->click();
        QCOMPARE(LastError(), QString());
        QCOMPARE(FileBytes(Boletos(QStringLiteral("plan.frf"))), QByteArray("plantilla"));
        QComboBox *saved = Child<QComboBox>(window.get(), "cbGuardados");
        QCOMPARE(saved->count(), 1);
        QCOMPARE(saved->itemText(0), QStringLiteral("plan.frf"));
        DialogService::SetNextFileName(plan);
        Child<QPushButton>(window.get(), "sbFindFile")->click();
        QCOMPARE(LastError(), QStringLiteral("Error al copiar el archivo."));
    }

    void importFromTheTicketsFolderIsRefused()
    {
        QVERIFY(QDir().mkdir(Boletos()));
        WriteFile(Boletos(QStringLiteral("mio.frf")), "x");
        auto window = NewWindow();
        DialogService::SetNextFileName(Boletos(QStringLiteral("mio.frf")));
        Child<QPushButton>(window.get(), "sbFindFile")->click();
        QCOMPARE(LastError(), QStringLiteral("Este archivo ya se encuentra en la carpeta."));
    }

    void noCountryFailsFirst()
    {
        auto window = NewWindow();
        Child<QComboBox>(window.get(), "cbEstiloBoleto")->setCurrentIndex(-1);
        Child<QLineEdit>(window.get(), "ebDesfX")->setText(QStringLiteral("nada"));
        Child<QRadioButton>(window.get(), "rbBoletoGuardado")->setChecked(true);
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(), QStringLiteral("No ha seleccionado el PAIS del boleto."));
        QVERIFY(NoneMarkedForSaving());
    }

    void savedTicketChecks()
    {
        auto window = NewWindow();
        auto *saved = Child<QRadioButton>(window.get(), "rbBoletoGuardado");
        auto *automatic = Child<QRadioButton>(window.get(), "rbAuto");
        automatic->setAutoExclusive(false);
        automatic->setChecked(false);
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(), QStringLiteral("Falta seleccionar formato."));
        saved->setChecked(true);
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(), QStringLiteral("No ha seleccionado Archivo."));
        QVERIFY(QDir().mkdir(Boletos()));
        WriteFile(Boletos(QStringLiteral("ido.frf")), "x");
        window->CargarListas();
        Child<QComboBox>(window.get(), "cbGuardados")->setCurrentIndex(0);
        QFile::remove(Boletos(QStringLiteral("ido.frf")));
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(),
                 QStringLiteral("El archivo no existe: \n") + Boletos(QStringLiteral("ido.frf.")));
    }

    void damagedTemplateIsAnErrorAndTheWindowStays()
    {
        QVERIFY(QDir().mkdir(Boletos()));
        WriteFile(Boletos(QStringLiteral("roto.frf")), "QFRF\x02\x01");
        auto window = NewWindow();
        window->show();
        Child<QComboBox>(window.get(), "cbGuardados")->setCurrentIndex(0);
        Child<QRadioButton>(window.get(), "rbBoletoGuardado")->setChecked(true);
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QVERIFY(!LastError().isEmpty());
        QVERIFY(window->isVisible());
        QVERIFY(NoneMarkedForSaving());
    }

    void listingNeedsAChosenTemplate()
    {
        auto window = NewWindow(false);
        Child<QPushButton>(window.get(), "bbPrint")->click();
        QCOMPARE(LastError(), QStringLiteral("No ha seleccionado Archivo."));
    }

    void choosingAnAngleMeansTheAutomaticTicket()
    {
        Parametres().SetValor("PRM_PRINTBOL_AUTOPRINT", Variant(false));
        auto window = NewWindow();
        QVERIFY(Child<QRadioButton>(window.get(), "rbBoletoGuardado")->isChecked());
        Child<QComboBox>(window.get(), "cbRotate")->activated(2);
        QVERIFY(Child<QRadioButton>(window.get(), "rbAuto")->isChecked());
    }
};

QTEST_MAIN(TestPrintWindow)
#include "test_print_window.moc"
