#pragma once

#include "exchange/bet_text_reader.h"
#include "exchange/ui/window_parts.h"

#include <QDialog>

#include <memory>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TEuroMillonApuestas;

// Reads the bets of a text file and, on request, appends them to a target
// combination it does not own. Every line of the file is classified (blank,
// bet, comment, error) and the counts are logged; "Importar" is enabled only
// while bets were found.
class TFRMImportar : public QDialog {
    Q_OBJECT

public:
    explicit TFRMImportar(QWidget *parent = nullptr);
    ~TFRMImportar() override;

    // The combination the bets are appended to; set before showing the window.
    // The bets are read in the destination's game (stars 1-9 or 1-12).
    void SetDestino(TEuroMillonApuestas &destino);

    // ActLeerArchivo: asks for a file and reads it. Cancelling the dialog
    // changes nothing: the bets of the last file read stay ready.
    void ChooseAndRead();
    // Reads a file: logs its name, its line count, the bets found and the four
    // class counts. Raises EFOpenError "Cannot open file %s" when it cannot be
    // opened; the log is then empty and nothing can be imported.
    void ReadFile(const QString &path);
    // ActImportar: appends the bets read to the target, tells how many, closes with OK.
    void Import();

    TEuroMillonApuestas &ApuestasLeidas() { return *apuestasLeidas_; }
    const TBetTextCounts &Counts() const { return counts_; }
    QString LogText() const;

    QAction *ActLeerArchivo = nullptr;
    QAction *ActImportar = nullptr;

private:
    void ApplyTexts();
    void Log(const QString &line);

    std::unique_ptr<TEuroMillonApuestas> apuestasLeidas_;
    TEuroMillonApuestas *destino_ = nullptr;
    TBetTextCounts counts_;

    QLabel *lInformacionArchivo = nullptr;
    QPlainTextEdit *mInformacionArchivo = nullptr;
    // "bbSelArchivo" at the side, the import "bbImportar" and Cancel.
    TExchangeWindowParts parts_;
};

// Opens the import window modally over owner for the combination.
void ShowImportWindow(QWidget *owner, TEuroMillonApuestas &combination);
