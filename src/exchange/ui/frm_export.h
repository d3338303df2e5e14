#pragma once

#include "exchange/ui/window_parts.h"
#include "model/bet_mask.h"

#include <QDialog>

#include <string>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TEuroMillonApuestas;

// Writes the bets of a combination it does not own either to a text file,
// one bet per line with the separators chosen in the two lists, or to a
// spreadsheet workbook opened in the user's spreadsheet program. The
// separators of a text export are kept as settings and offered next time.
class TFRMExport : public QDialog {
    Q_OBJECT

public:
    explicit TFRMExport(QWidget *parent = nullptr);

    // The combination to export; set before showing the window.
    // Its name is what the save dialogs propose.
    void SetDestino(TEuroMillonApuestas &destino);

    // ActExportar: a text export, closing the window with OK when it wrote the
    // file, or a workbook export, the window staying open. Raises
    // kTxtNoOptionChosen when neither kind is chosen, and the errors of writing
    // (the window stays open and no setting changes then).
    void Export();
    // "Guardar como libro...": writes the workbook to a path the user chooses.
    void SaveWorkbookAs();

    // The workbook last handed to the spreadsheet program; empty before.
    QString LastWorkbook() const { return lastWorkbook_; }
    // The object name of the application's child that owns the private
    // folder of those workbooks (removed with it).
    static constexpr const char *kWorkbookFolderName = "qorWorkbookFolder";

    QAction *ActExportar = nullptr;

private:
    void ApplyTexts();
    void ExportText();
    void ExportWorkbook();
    // Writes the workbook to the path; false when the user declined to
    // overwrite an existing file.
    bool WriteWorkbook(const QString &path, bool askOverwrite);
    bool MayOverwrite(const QString &path);
    // The combination's bets and name; none without a combination.
    const std::vector<BetMask> &Bets() const;
    std::string Name() const;

    TEuroMillonApuestas *destino_ = nullptr;
    QString lastWorkbook_;

    QGroupBox *gb = nullptr;
    QRadioButton *rbArchivoTexto = nullptr;
    QRadioButton *rbExcel = nullptr;
    QLabel *lCarSepNumeros = nullptr;
    QLabel *lCarSepBloques = nullptr;
    QComboBox *cbSeparaNumeros = nullptr;
    QComboBox *cbSeparaBloques = nullptr;
    // "bbGuardarLibro" at the side, the export "bbImportar" and Cancel.
    TExchangeWindowParts parts_;
};

// Opens the export window modally over owner for the combination.
void ShowExportWindow(QWidget *owner, TEuroMillonApuestas &combination);
