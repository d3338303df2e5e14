// The print window for a combination of today's game: no automatic ticket,
// a note that says so, saved tickets and listings as the way to print.
#include "support/ui/shell_test_support.h"

#include "framework/parametres.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "printing/ui/frm_print_boletos.h"
#include "widgets/dialog_service.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

template <typename T> T *Child(QWidget *window, const char *name)
{
    T *child = window->findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT(child);
    return child;
}

std::string PrepareError(TFRMPrintBoletos &window)
{
    try {
        window.PrepararReport();
    } catch (const Exception &error) {
        return error.Message();
    }
    return "<prepared>";
}

} // namespace

class TestPrintWindowCurrent : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ShellTestFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        QVERIFY(folder_->IsValid());
    }

    void cleanup() { folder_.reset(); }

    void theClassicGameShowsNoNote()
    {
        TEuroMillonApuestas classic;
        TFRMPrintBoletos window;
        window.SetApuestas(classic);
        window.show();
        QVERIFY(window.AutomaticoOfrecido());
        QVERIFY(!Child<QLabel>(&window, "lblNotaJuego")->isVisible());
        QVERIFY(Child<QRadioButton>(&window, "rbAuto")->isEnabled());
        QCOMPARE(window.size(), QSize(305, 352));
    }

    void todaysGameOffersNoAutomaticTicketAndSaysSo()
    {
        Parametres().SetValor("PRM_PRINTBOL_AUTOPRINT", Variant(true));
        TEuroMillonApuestas current(TGameEdition::Current);
        TFRMPrintBoletos window;
        window.SetApuestas(current);
        window.SetModoBoletos(true);
        window.show();
        QVERIFY(!window.AutomaticoOfrecido());
        auto *note = Child<QLabel>(&window, "lblNotaJuego");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(),
                 QStringLiteral("El boleto automático del juego actual aún no está disponible: imprima "
                                "con un boleto guardado o con un listado."));
        auto *automatic = Child<QRadioButton>(&window, "rbAuto");
        QVERIFY(!automatic->isEnabled());
        QVERIFY(!Child<QComboBox>(&window, "cbRotate")->isEnabled());
        QVERIFY(!Child<QLineEdit>(&window, "ebDesfX")->isEnabled());
        QVERIFY(Child<QRadioButton>(&window, "rbBoletoGuardado")->isChecked());
        // The note has a band of its own: nothing below it is covered.
        QVERIFY(window.height() > 352);
        QVERIFY(Child<QComboBox>(&window, "cbEstiloBoleto")->geometry().top() >= note->geometry().bottom());
        QVERIFY(note->geometry().top() >= Child<QWidget>(&window, "PageControl")->geometry().bottom());

        // Choosing a country keeps the saved ticket chosen.
        Child<QComboBox>(&window, "cbEstiloBoleto")->activated(1);
        QVERIFY(!automatic->isChecked());
        // Forced on, the automatic ticket is refused with the note's text.
        automatic->setChecked(true);
        QCOMPARE(PrepareError(window), note->text().toStdString());
        // The user's own choice for the classic game is kept.
        window.GuardarParametros();
        QVERIFY(Parametres().ReadBoolean("PRM_PRINTBOL_AUTOPRINT", false));
    }

    void aSavedTicketIsStillRequiredAsForTheClassicGame()
    {
        TEuroMillonApuestas current(TGameEdition::Current);
        TFRMPrintBoletos window;
        window.SetApuestas(current);
        window.SetModoBoletos(true);
        QCOMPARE(PrepareError(window), std::string("No ha seleccionado Archivo"));
    }
};

QTEST_MAIN(TestPrintWindowCurrent)
#include "test_print_window_current.moc"
