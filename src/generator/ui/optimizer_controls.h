#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class TEuroMillonGeneraComb;

// The optimized reduction's choice beside the reduction: "Optimizar
// reducción" and the search time. Reads and writes the settings'
// OptimizarSegundos (0 when unchecked).
class TOptimizerControls : public QWidget {
    Q_OBJECT

public:
    explicit TOptimizerControls(TEuroMillonGeneraComb &settings, QWidget *parent = nullptr);

    void ApplyTexts();
    // The controls from the settings.
    void Refresh();

private:
    void Store();

    TEuroMillonGeneraComb &settings_;
    bool refreshing_ = false;
    QCheckBox *cbOptimizar = nullptr;
    QLabel *lTiempo = nullptr;
    QComboBox *cbTiempo = nullptr;
};

// After a greedy run with OptimizarSegundos above 0: searches a smaller set
// of bets with the same guarantee, showing the best size so far with
// Cancel (which keeps the best complete set), and puts the result in the
// settings' kept bets. Nothing happens without a reduction. True when the
// kept bets were replaced.
bool OptimizeKeptBets(QWidget *owner, TEuroMillonGeneraComb &settings);
