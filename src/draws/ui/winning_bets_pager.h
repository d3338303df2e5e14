#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class TWinningBetsModel;

// Turns the pages of the winning bets: first, previous, next, last, and a
// page typed and confirmed with Enter; shows the page and the rows shown.
// Follows the model, whoever changes its page.
class TWinningBetsPager : public QWidget {
    Q_OBJECT

public:
    TWinningBetsPager(TWinningBetsModel &model, QWidget *parent);

    void ApplyTexts();

private:
    void Mostrar();
    void IrALaPagina();

    TWinningBetsModel &model_;
    QToolButton *tbPrimera = nullptr;
    QToolButton *tbAnterior = nullptr;
    QToolButton *tbSiguiente = nullptr;
    QToolButton *tbUltima = nullptr;
    QLineEdit *ebPagina = nullptr;
    QLabel *lblPagina = nullptr;
    QLabel *lblFilas = nullptr;
};
