#pragma once

#include "model/ticket_tables.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TEuroMillonApuestas;
class TPrintBoletosSource;
class TfrReport;

// The print window of a combination: on the official tickets of Spain or
// France (an automatic ticket built in memory, or a saved template from the
// "Boletos" folder) or as a listing (a template from "Listados"). Print
// prepares the report and opens the engine's preview; Design opens the
// designer on it. Failures are shown in an error box and leave the window
// open; the settings are stored only after a successful preparation.
//
// The automatic ticket is built for the classic game's slips. For a
// combination of today's game (stars 1 to 12) it is not offered: the window
// says so in a note (lblNotaJuego) and prints through saved tickets and
// listings, whose templates answer for stars 10 to 12 as well.
//
// Object names for tests: PageControl, tsBoletos, tslistado, gbFormato,
// rbAuto, cbRotate, ebDesfX, ebDesfY, rbBoletoGuardado, cbGuardados,
// sbFindFile, cbTestMode, lblListadosDisponibles, lbListados, lblLangBoleto,
// cbEstiloBoleto, bbPrint, bbDesign, bbCancel, lblNotaJuego.
class TFRMPrintBoletos : public QDialog {
    Q_OBJECT

public:
    explicit TFRMPrintBoletos(QWidget *parent = nullptr);
    ~TFRMPrintBoletos() override;

    // The combination is read, not owned, and must outlive the window. One of
    // today's game turns the automatic ticket off and shows the note.
    void SetApuestas(const TEuroMillonApuestas &apuestas);
    // False while the combination is of a game whose slips the automatic
    // ticket does not know.
    bool AutomaticoOfrecido() const { return automaticoOfrecido_; }
    // true shows the tickets page, false the listings page (focus on its list).
    void SetModoBoletos(bool boletos);

    // Fills the saved-ticket list and the listing list from their folders.
    void CargarListas();
    // Chooses or builds the template into the report and sets its file name.
    // Raises Exception with the window's texts (42445, the number conversion
    // error 45400, 42442, 42440, 42441, 45876 for the automatic ticket when it
    // is not offered) and the engine's errors for a template it cannot read.
    void PrepararReport();
    void GuardarParametros();

    // The print, design and import buttons' work; errors raise.
    void Imprimir();
    void Disenar();
    void ImportarArchivo();

    // The designer Design opens on the prepared report (the engine's own
    // unless replaced); without one the Design button is disabled.
    using TDesigner = std::function<void(TfrReport &report, QWidget *parent)>;
    void SetDesigner(TDesigner designer);

    TfrReport &Report() { return *report_; }
    int32_t DesfaseX() const { return desfaseX_; }
    int32_t DesfaseY() const { return desfaseY_; }
    int32_t BoletoActual() const;

    static std::string CarpetaBoletos();
    static std::string CarpetaListados();
    // The first "Boleto_Automatico_N.frf" (N from 1) that does not exist in folder.
    static std::string NombreBoletoAutomatico(const std::string &folder);

private:
    void CreateControls();
    void CreateTicketsPage();
    void CreateListingsPage();
    void CreateCountryAndButtons();
    void ConnectControls();
    void ApplyTexts();
    void PlaceLabelledFields();
    void LeerParametros();
    int32_t LeerDesfase(QLineEdit *field) const;
    std::string PlantillaGuardada() const;
    std::string PlantillaListado() const;
    void NuevaFuente(const TFormatoBoleto &formato);
    void OfrecerAutomatico(bool ofrecido);

    const TEuroMillonApuestas *apuestas_ = nullptr;
    std::unique_ptr<TfrReport> report_;
    std::unique_ptr<TPrintBoletosSource> source_;
    TDesigner designer_;
    TTablasBoleto tablas_;
    int32_t desfaseX_ = 0;
    int32_t desfaseY_ = 0;
    bool automaticoOfrecido_ = true;

    QTabWidget *PageControl = nullptr;
    QWidget *tsBoletos = nullptr;
    QWidget *tslistado = nullptr;
    QGroupBox *gbFormato = nullptr;
    QRadioButton *rbAuto = nullptr;
    QComboBox *cbRotate = nullptr;
    QLabel *lblDesfX = nullptr, *lblDesfY = nullptr, *lblMmX = nullptr, *lblMmY = nullptr;
    QLineEdit *ebDesfX = nullptr;
    QLineEdit *ebDesfY = nullptr;
    QRadioButton *rbBoletoGuardado = nullptr;
    QComboBox *cbGuardados = nullptr;
    QPushButton *sbFindFile = nullptr;
    QCheckBox *cbTestMode = nullptr;
    QLabel *lblListadosDisponibles = nullptr;
    QListWidget *lbListados = nullptr;
    QLabel *lblLangBoleto = nullptr;
    QComboBox *cbEstiloBoleto = nullptr;
    QPushButton *bbPrint = nullptr;
    QPushButton *bbDesign = nullptr;
    QPushButton *bbCancel = nullptr;
    QLabel *lblNotaJuego = nullptr;
};

// The combination window's print commands: the window on its tickets page
// or on its listings page, shown modally.
void ShowPrintTickets(QWidget *owner, TEuroMillonApuestas &combination);
void ShowPrintListing(QWidget *owner, TEuroMillonApuestas &combination);
