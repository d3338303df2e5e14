#pragma once

#include "model/bet_mask.h"
#include "model/game_rules.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class TEuroMillonApuestas;
class TGuaranteePanel;

// The guarantee of a combination, opened from its window: the selection
// (by default every number and star of the combination) can be changed and
// calculated again. The combination's bets are copied when it is set.
class TFRMGarantia : public QDialog {
    Q_OBJECT

public:
    explicit TFRMGarantia(QWidget *parent = nullptr);

    // Takes the bets and their game, and fills the selection with their
    // numbers and stars (1-12 in today's game). The first showing of the
    // window calculates.
    void SetCombination(const TEuroMillonApuestas &combination);
    // Reads the selection and analyses it; raises 45621 for a list that is not
    // one, 45620 for fewer than 5 numbers or 2 stars. False when cancelled.
    bool Calculate();

    TGuaranteePanel &Panel() { return *panel_; }

public slots:
    // Stops a running analysis before closing.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ApplyTexts();
    BetMask ReadSelection() const;

    std::vector<BetMask> bets_;
    TGameEdition edition_ = TGameEdition::Classic;
    bool calculated_ = false;
    QLabel *lNumeros = nullptr;
    QLabel *lEstrellas = nullptr;
    QLineEdit *ebNumeros = nullptr;
    QLineEdit *ebEstrellas = nullptr;
    QPushButton *bbCalcular = nullptr;
    QPushButton *bbCerrar = nullptr;
    TGuaranteePanel *panel_ = nullptr;
};

// Shows the guarantee window of the combination, modally.
void ShowGuaranteeWindow(QWidget *owner, const TEuroMillonApuestas &combination);
