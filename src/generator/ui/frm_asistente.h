#pragma once

#include "generator/ui/generator_widgets.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TControlEuroMillonApuesta;
class TEuroMillonApuestas;
class TEuroMillonGeneraComb;

// The new-combination wizard. Page 0 offers three starts: a guided
// generation, the full generator window (advanced), or an empty combination
// to fill in by hand. Guided and advanced go through the pages numbers,
// reduction and conditions; then the guided way runs the generation in the
// progress window, the advanced way opens the generator window pre-filled.
// The bets accepted go to a new combination window, which the caller's
// factory makes; the dialog closes with Accepted when one was made.
class TFRMAsistente : public QDialog {
    Q_OBJECT

public:
    // Makes a new, empty combination window and returns its combination.
    using TNuevaCombinacion = std::function<TEuroMillonApuestas &()>;

    explicit TFRMAsistente(TNuevaCombinacion nuevaCombinacion, QWidget *parent = nullptr);
    ~TFRMAsistente() override;

    int Paso() const { return paso_; }
    bool Avanzado() const { return avanzado_; }
    TEuroMillonGeneraComb &Generacion() { return *generacion_; }
    TControlEuroMillonApuesta *Boleto() const { return Boleto_; }
    QStackedWidget *PageControl() const { return PageControl_; }

    // "Siguiente" and "Atras"; errors are raised (the buttons show them).
    void Siguiente();
    void Atras();
    // Shows the page of Paso with its title and description.
    void MostrarPaso();

protected:
    void showEvent(QShowEvent *event) override;
    // Escape means "Atras"; the close box ends the wizard.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildHeader();
    QWidget *BuildStep0();
    QWidget *BuildNumerosPage();
    QWidget *BuildReduccionPage();
    QWidget *BuildCondicionesPage();
    void ApplyTexts();
    void SelectionChanged();
    void LeerReduccion();
    void Finalizar();
    void CrearCombinacion(TEuroMillonApuestas &bets);

    TNuevaCombinacion nuevaCombinacion_;
    std::unique_ptr<TEuroMillonGeneraComb> generacion_;
    int paso_ = 0;
    bool avanzado_ = false;

    QWidget *pnlTop = nullptr;
    QLabel *lblPicture = nullptr;
    QLabel *lblStepTitle = nullptr;
    QLabel *lblStepDesc = nullptr;
    QStackedWidget *PageControl_ = nullptr;
    QPushButton *bbNext = nullptr;
    QPushButton *bbBack = nullptr;

    QWidget *tsStep0 = nullptr;
    QGroupBox *gbSeleccionaTipoNuevo = nullptr;
    QRadioButton *rbAsistente = nullptr;
    QRadioButton *rbCombinacion = nullptr;
    QRadioButton *rbnone = nullptr;

    QWidget *tsNumeros = nullptr;
    TControlEuroMillonApuesta *Boleto_ = nullptr;
    QPlainTextEdit *mInstrucColBase = nullptr;
    TSelectionCounts Cuentas;

    QWidget *tsReduccion = nullptr;
    QPlainTextEdit *mInstrucReduccion = nullptr;
    TReductionControls Reduccion;

    QWidget *tsCondiciones = nullptr;
    QPlainTextEdit *mInstrucCondiciones = nullptr;
    QCheckBox *cbSumaNumeros = nullptr;
    QCheckBox *cbMinDosPares = nullptr;
    QCheckBox *cbMaxTresPares = nullptr;
    QCheckBox *cbMax2EnDecena = nullptr;
};

// Opens the wizard modally over owner; true when it made a combination window.
bool RunNewCombinationWizard(QWidget *owner, const TFRMAsistente::TNuevaCombinacion &nuevaCombinacion);
