#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class TEuroMillonApuestas;

// Deletes a range of bets, numbered from 1, from a combination it does not
// own. The checks' errors are shown and the dialog stays open with the values
// typed; nothing is deleted then.
class TFRMDelApuestas : public QDialog {
    Q_OBJECT

public:
    explicit TFRMDelApuestas(QWidget *parent = nullptr);

    // Stores the combination and fills both fields with its current bet + 1.
    void SetCombination(TEuroMillonApuestas &combination);
    // The OK button's work; raises the check's error (41350, 41351, 41352)
    // and deletes nothing then.
    void DeleteRange();

private:
    void ApplyTexts();
    void Accept();

    TEuroMillonApuestas *combination_ = nullptr;
    QLabel *lDesde = nullptr;
    QLabel *lHasta = nullptr;
    QLineEdit *ebDesde = nullptr;
    QLineEdit *ebHasta = nullptr;
    QPushButton *bbOk = nullptr;
    QPushButton *bbCancel = nullptr;
    QSpacerItem *titleWidth_ = nullptr; // keeps the title readable
};
