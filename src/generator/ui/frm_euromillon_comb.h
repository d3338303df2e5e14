#pragma once

#include "generator/condicion_grupo.h"
#include "generator/ui/generator_widgets.h"
#include "model/game_rules.h"

#include <QDialog>

#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class QTabWidget;
class QTableView;
class QToolButton;
class QVBoxLayout;
class TConditionsModel;
class TGuaranteePanel;
class TOptimizerControls;
class TControlEuroMillonApuesta;
class TEuroMillonGeneraComb;

// The modal window in which the user prepares and runs a generation: the
// selection on a ticket, the reduction, the group conditions, the run
// through the progress window, and generation files (*.gem). It owns its
// settings; after it closed with Accepted the opener takes the kept bets
// from Generacion().Apuestas() before destroying it. The settings are of one
// game, the one of the combination the bets are for: the ticket offers its
// stars and generation files of the other game are refused.
//
// The pages are built one function each, and each page's layout is reachable,
// so that a page or a panel can be added without touching the others.
class TFRMEuroMillonComb : public QDialog {
    Q_OBJECT

public:
    explicit TFRMEuroMillonComb(QWidget *parent = nullptr, TGameEdition edition = EditionInForce());
    ~TFRMEuroMillonComb() override;

    TEuroMillonGeneraComb &Generacion() { return *generacion_; }
    // Hands the settings and their kept bets over to the caller once the
    // window has closed; the window must then only be destroyed.
    std::unique_ptr<TEuroMillonGeneraComb> TakeGeneracion();
    TControlEuroMillonApuesta *Boleto() const { return Boleto_; }
    QTabWidget *PageControl() const { return PageControl_; }
    QWidget *ReduccionPage() const { return tsReduccion; }
    QWidget *ProcesarPage() const { return tsProcesar; }
    QVBoxLayout *ReduccionPageLayout() const { return reduccionLayout_; }
    QVBoxLayout *ProcesarPageLayout() const { return procesarLayout_; }
    // What the kept bets of the last run guarantee, worked out after it.
    TGuaranteePanel *Guarantee() const { return guarantee_; }
    // The per-condition counters belong to the last run with the current
    // selection and conditions.
    bool EstadisticasValidas() const { return estadisticasValidas_; }

    // Copies another object's settings (game, selection, reduction,
    // conditions), shows the "Procesar" page and refreshes every control.
    void CargarDesde(const TEuroMillonGeneraComb &origen);
    // The controls from the settings: reduction, selection, labels, grid.
    void RefrescarDesdeGeneracion();

    // Commands; errors are raised (the actions show them).
    void AddCondicion();
    void ModifyCondicion();
    void DelCondicion();
    void ToggleActiva();
    void Procesar();
    void LeerDeArchivo();
    void GuardarEnArchivo();
    // Index in the condition list of the grid's current row; -1 for none.
    int CondicionActual() const;

signals:
    // After every run through the progress window, whatever its outcome.
    void GenerationFinished(bool accepted);

private:
    void CreateActions();
    void CreateMenus(QMenuBar *menuBar);
    QWidget *BuildTicketPanel();
    QWidget *BuildNumerosPage();
    QWidget *BuildReduccionPage();
    QWidget *BuildCondicionesPage();
    QWidget *BuildProcesarPage();
    QWidget *BuildGarantiaPage();
    void ConnectReductionControls();
    void ApplyTexts();

    void SelectionChanged();
    void ShowSelectionLabels();
    void ShowCounters();
    void ConditionsChanged();
    void UpdateActions();
    // Opens the condition editor on a condition; true with the edited one on OK.
    bool EditCondicion(TEuroMillonCondicionGrupo &condicion);

    std::unique_ptr<TEuroMillonGeneraComb> generacion_;
    std::unique_ptr<TConditionsModel> model_;
    bool estadisticasValidas_ = false;
    bool refreshing_ = false;
    // The generation file read or saved last in this window (empty: none).
    QString archivoGeneracion_;

    QMenu *MiArchivo = nullptr;
    QMenu *MiCondiciones = nullptr;
    QAction *MiLeerDeArchivo = nullptr;
    QAction *MiGuardarEnArchivo = nullptr;
    QAction *MiCerrrar = nullptr;
    QAction *ActAddCondicion = nullptr;
    QAction *ActModifyCondicion = nullptr;
    QAction *ActDelCondicion = nullptr;
    QAction *ActActiva = nullptr;
    QAction *ActProcesar = nullptr;
    QAction *ActAceptar = nullptr;

    QLabel *lSelectedNumbers = nullptr;
    QLabel *lblJuego = nullptr;
    TControlEuroMillonApuesta *Boleto_ = nullptr;
    QTabWidget *PageControl_ = nullptr;

    QWidget *tsNumeros = nullptr;
    TSelectionCounts Cuentas;

    QWidget *tsReduccion = nullptr;
    QVBoxLayout *reduccionLayout_ = nullptr;
    QLabel *lRedShortDesc1 = nullptr;
    QLabel *lRedShortDesc2 = nullptr;
    TReductionControls Reduccion;
    TOptimizerControls *optimizer_ = nullptr;

    QWidget *tsCondicionesGrupos = nullptr;
    QLabel *lCondShortDesc1 = nullptr;
    QTableView *sgGrupos = nullptr;
    QLabel *lCondiciones = nullptr;
    QLabel *lblCondicionesCount = nullptr;

    QWidget *tsProcesar = nullptr;
    QVBoxLayout *procesarLayout_ = nullptr;
    TGenerationCounterLabels counters_;
    QToolButton *bbProcesar = nullptr;
    QToolButton *bbAceptar = nullptr;

    QWidget *tsGarantia = nullptr;
    TGuaranteePanel *guarantee_ = nullptr;
};

// Opens the generator window modally over owner, for bets of the given game;
// when it closes with Accepted, returns its settings holding the kept bets,
// otherwise null.
std::unique_ptr<TEuroMillonGeneraComb> RunGeneratorWindowFor(QWidget *owner, TGameEdition edition);
// The same for the game in force.
std::unique_ptr<TEuroMillonGeneraComb> RunGeneratorWindow(QWidget *owner);
