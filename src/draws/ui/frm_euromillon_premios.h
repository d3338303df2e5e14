#pragma once

#include "model/game_rules.h"

#include <QDialog>

#include <memory>

class QAction;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLayout;
class QTabWidget;
class QTableView;
class QTableWidget;
class QToolButton;
class QPushButton;
class TWinningBetsModel;
class TEuroMillonApuestas;
class TProfitChart;
class TWinningBetsPager;
class TPremiosEuroMillon;
class TSorteosEuroMillon;

// The prizes window: checks a combination it does not own against the
// archived draws of a date range and shows the totals, the breakdown per
// category, the winning bets and a chart of cost, prizes and profit. It also
// creates and corrects draws through the draw editor, and imports draw files
// and published draw histories into the archive, or fetches the results
// from the Internet.
//
// The range is kept in the parameters PRM_PREMIOS_Desde, PRM_PREMIOS_Hasta
// and PRM_PREMIOS_HastaChecked, stored only after a run.
//
// The window works on the archive of the edition in force when it opens:
// 12 categories in the classic game, 13 in today's game, whose archive is
// made from the shipped histories when the user has none yet. The price of
// a bet of today's game from 24 September 2016 is PRM_PRECIO_APUESTA when
// that parameter holds one.
class TFRMEuroMillonPremios : public QDialog {
    Q_OBJECT

public:
    explicit TFRMEuroMillonPremios(QWidget *parent = nullptr, TGameEdition edition = EditionInForce());

    TGameEdition Edition() const { return edition_; }
    ~TFRMEuroMillonPremios() override;

    // The combination to check; it must outlive the window.
    void SetApuestas(const TEuroMillonApuestas *apuestas);

    TPremiosEuroMillon &Premios() { return *premios_; }
    TSorteosEuroMillon &Sorteos() { return *sorteos_; }
    TSorteosEuroMillon &SorteosRango() { return *sorteosRango_; }
    TWinningBetsModel &ApuestasPremiadas() { return *apPremiadasModel_; }

    // Reloads the range's draws from the archive file and shows their count.
    void CargarRango();
    // Fills the pages from the checker's results.
    void MostrarResultados();
    // The commands behind the actions; errors escape to the caller. The run
    // works in the background with a progress dialog and Cancel; a cancelled
    // run leaves the results shown as they were.
    void Procesar();
    void EditarSorteo();
    void ImportarSorteos();
    void ActualizarSorteos();

private:
    void BuildControls();
    void BuildActions();
    QLayout *BuildRangeControls();
    void BuildPages();
    QWidget *BuildWinningBetsPage();
    QWidget *BuildTotalsPage();
    void ApplyTexts();
    void LoadSettings();
    void HastaElClick();
    void UpdateActions();
    void MostrarTotales();
    QString CostePorSorteo() const;
    QAction *NewAction(const char *name, void (TFRMEuroMillonPremios::*command)());

    TGameEdition edition_;
    int categorias_; // rows of the prize grid
    std::unique_ptr<TPremiosEuroMillon> premios_;
    std::unique_ptr<TSorteosEuroMillon> sorteos_;
    std::unique_ptr<TSorteosEuroMillon> sorteosRango_;
    bool updating_ = false;

    QAction *ActProcesar = nullptr;
    QAction *ActCrearSorteo_NC = nullptr;
    QAction *ActModificarSorteo_NC = nullptr;
    QAction *ActImportarSorteos = nullptr;
    QAction *ActActualizarSorteos = nullptr;

    QLabel *lSorteo = nullptr;
    QDateEdit *dtpFechaSorteo = nullptr;
    QDateEdit *dtpFechaSorteoFinal = nullptr;
    QCheckBox *cbHastaEl = nullptr;
    QToolButton *sbModifySorteo = nullptr;
    QToolButton *sbAddSorteo = nullptr;
    QToolButton *sbLoadSorteos = nullptr;
    QToolButton *sbActualizarSorteos = nullptr;
    QLabel *lSorteosInfoCount = nullptr;
    QLabel *lSorteosCount = nullptr;
    QPushButton *bbCancel = nullptr;
    QPushButton *bbProcesar = nullptr;
    QTabWidget *PageControl = nullptr;
    QWidget *tsPremiosGlobales = nullptr;
    QWidget *tsPremios = nullptr;
    QWidget *tsApuestasPremiadas = nullptr;
    QWidget *tsGrafico = nullptr;
    QLabel *lSorteosProcesados = nullptr;
    QLabel *lblSorteosProcesados = nullptr;
    QLabel *lImporteCombinacion = nullptr;
    QLabel *lblImporteCombinacion = nullptr;
    QLabel *lImportePremios = nullptr;
    QLabel *lblTotalPremios = nullptr;
    QLabel *lBeneficioObtenido = nullptr;
    QLabel *lblBeneficio = nullptr;
    QLabel *lPorcentajeBeneficio = nullptr;
    QLabel *lblBeneficioTpc = nullptr;
    QTableWidget *sgPremios = nullptr;
    QTableView *sgApPremiadas = nullptr;
    TWinningBetsModel *apPremiadasModel_ = nullptr;
    TWinningBetsPager *paginador_ = nullptr;
    TProfitChart *grafico_ = nullptr;
};
