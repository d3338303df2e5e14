#pragma once

#include "draws/draw_info.h"
#include "model/game_rules.h"

#include <QDialog>

#include <memory>

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TControlEuroMillonApuesta;
class TSorteoEuroMillon;

// The draw editor: one draw's number, date, revenue, prize fund, winners
// and prize per winner of each category, and its winning numbers and stars.
// It edits a draw of one edition: 12 categories and Friday draws in the
// classic game; 13 categories and Tuesday and Friday draws in today's game.
//
// The edit handlers change a working copy of the draw's fields; the draw
// object Sorteo() takes them only on accept, so the caller reads the draw
// from Sorteo() after an accepted exec(). Errors of the handlers are shown
// in the error box and leave the dialog open with the user's entries.
class TFRMEuroMillonSorteo : public QDialog {
    Q_OBJECT

public:
    explicit TFRMEuroMillonSorteo(QWidget *parent = nullptr, TGameEdition edition = EditionInForce());

    TGameEdition Edition() const { return edition_; }
    ~TFRMEuroMillonSorteo() override;

    // Set it before showing; its changes refill the working copy.
    TSorteoEuroMillon &Sorteo() { return *sorteo_; }
    // Shows the date and makes its whole day the draw's date.
    void SetFecha(double fecha);
    // The fields being edited (the winning bet is on the ticket control).
    const TSorteoEuroMillonInfo &Datos() const { return datos_; }
    TControlEuroMillonApuesta &ControlApuesta() { return *apuesta_; }

    // The handlers, public so that tests reach what a click cannot.
    // Revenue left: parsed, rewritten, and half of it proposed for prizes.
    void RecaudacionExit();
    // The text the grid's editor offers for a row (1-12, or 13) and column (1-2).
    QString GetEditText(int row, int column) const;
    // A grid edit committed: winners (column 1) recompute the row's prize,
    // a prize (column 2) is taken as typed; the row is redrawn either way.
    void SetEditText(int row, int column, const QString &text);
    // The accept checks: draw day question, number, winning bet.
    void Aceptar();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls();
    // The parts BuildControls makes, in its order: the draw's fields and the
    // handlers of their edits, the ticket of the winning bet, the prize grid,
    // the buttons, and the layout of them all.
    void CreateFields();
    void ConnectFields();
    void CreateTicket();
    void CreatePrizeGrid();
    void CreateButtons();
    void LayOutControls();
    void ApplyTexts();
    void SorteoChanged();
    void FillControls();
    void DrawRow(int row);
    void Handle(const std::function<void()> &handler);

    TGameEdition edition_;
    int categorias_; // rows of the prize grid
    std::unique_ptr<TSorteoEuroMillon> sorteo_;
    TSorteoEuroMillonInfo datos_;
    bool updating_ = false;

    QLabel *lNumeroSorteo = nullptr;
    QLabel *lFechaSorteo = nullptr;
    QLabel *lRecaudacion = nullptr;
    QLabel *lParaPremios = nullptr;
    QLineEdit *ebNSorteo = nullptr;
    QDateEdit *dtpFechaSorteo = nullptr;
    QLineEdit *ebRecaudacion = nullptr;
    QLineEdit *ebImportePremios = nullptr;
    QFrame *pnlApuesta = nullptr;
    TControlEuroMillonApuesta *apuesta_ = nullptr;
    QTableWidget *sgPremios = nullptr;
    QPushButton *bbAceptar = nullptr;
    QPushButton *bbCancel = nullptr;
};
