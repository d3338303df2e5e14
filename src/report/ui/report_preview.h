#pragma once

#include "report/prepared_report.h"

#include <QDialog>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class TfrPageView;
class TfrReport;
class TfrReportPainter;

// The engine's preview window: prepared pages with page navigation, zoom,
// printing through the system's print dialog and saving as PDF. Owns the
// prepared pages it shows.
//
// Object names for tests: ActFirstPage, ActPriorPage, ActNextPage,
// ActLastPage, ActZoomIn, ActZoomOut, ActPrint, ActSavePdf, ActClose,
// cbZoom, lblPage, PageView.
class TfrPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfrPreviewWindow(TfrPreparedReport prepared, QWidget *parent = nullptr);
    ~TfrPreviewWindow() override;

    int PageCount() const;
    int CurrentPage() const; // from 0
    void ShowPage(int page);
    double Zoom() const;
    void SetZoom(double zoom);

    // Prints every page at 100 %, each on a sheet of its own size with no
    // margin. The print button asks the system's print dialog first (never
    // shown in headless mode, see DialogService).
    void PrintTo(QPrinter &printer);
    // Writes the pages to a PDF file; errors are shown in an error box.
    // Returns whether the file was written.
    bool SavePdf(const QString &path);

    const TfrPreparedReport &Prepared() const { return prepared_; }

private:
    void CreateActions();
    void Print();
    void SavePdfAsked();
    void ZoomChosen(int index);
    void FitZoom(bool wholePage);
    void UpdatePageControls();

    TfrPreparedReport prepared_;
    std::unique_ptr<TfrReportPainter> painter_;
    TfrPageView *view_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QComboBox *cbZoom_ = nullptr;
    QLabel *lblPage_ = nullptr;
    QAction *actFirst_ = nullptr, *actPrior_ = nullptr, *actNext_ = nullptr, *actLast_ = nullptr;
};

// The engine's "show report" operation: prepares the report (its dataset
// and variable handlers are called from here) and shows the preview modally.
// Errors of the preparation are raised before any window appears.
void ShowReportPreview(TfrReport &report, QWidget *parent);
