#include "report/ui/report_preview.h"

#include "model/exception.h"
#include "model/format.h"
#include "report/render/pdf_export.h"
#include "report/render/qt_text_measure.h"
#include "report/render/report_painter.h"
#include "report/report.h"
#include "report/report_units.h"
#include "report/ui/report_page_view.h"
#include "report/ui/report_text_ids.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Zoom list: the two fitted entries, then fixed factors.
constexpr double kZoomFactors[] = {0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0};
constexpr int kFixedZoomStart = 2;

} // namespace

TfrPreviewWindow::TfrPreviewWindow(TfrPreparedReport prepared, QWidget *parent)
    : QDialog(parent), prepared_(std::move(prepared)), painter_(std::make_unique<TfrReportPainter>(prepared_))
{
    setObjectName(QStringLiteral("TfrPreviewWindow"));
    setWindowTitle(Txt(kTxtPreviewCaption));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("tbPreview"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(toolBar);

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new TfrPageView(*painter_, scroll_);
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(false);
    layout->addWidget(scroll_, 1);

    cbZoom_ = new QComboBox(this);
    cbZoom_->setObjectName(QStringLiteral("cbZoom"));
    cbZoom_->addItem(Txt(kTxtPreviewWholePage));
    cbZoom_->addItem(Txt(kTxtPreviewPageWidth));
    for (double factor : kZoomFactors)
        cbZoom_->addItem(QStringLiteral("%1 %").arg(qRound(factor * 100)));
    lblPage_ = new QLabel(this);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    lblPage_->setContentsMargins(8, 0, 8, 0);

    CreateActions();
    toolBar->addAction(actFirst_);
    toolBar->addAction(actPrior_);
    toolBar->addWidget(lblPage_);
    toolBar->addAction(actNext_);
    toolBar->addAction(actLast_);
    toolBar->addSeparator();
    toolBar->addAction(findChild<QAction *>(QStringLiteral("ActZoomOut")));
    toolBar->addWidget(cbZoom_);
    toolBar->addAction(findChild<QAction *>(QStringLiteral("ActZoomIn")));
    toolBar->addSeparator();
    toolBar->addAction(findChild<QAction *>(QStringLiteral("ActPrint")));
    toolBar->addAction(findChild<QAction *>(QStringLiteral("ActSavePdf")));
    toolBar->addAction(findChild<QAction *>(QStringLiteral("ActClose")));

    cbZoom_->setCurrentIndex(kFixedZoomStart + 2); // 100 %
    connect(cbZoom_, &QComboBox::activated, this, &TfrPreviewWindow::ZoomChosen);
    resize(900, 650);
    ShowPage(0);
}

TfrPreviewWindow::~TfrPreviewWindow() = default;

void TfrPreviewWindow::CreateActions()
{
    // Navigation and zoom show short signs; their texts are the tool tips.
    auto make = [this](const char *name, uint16_t text, const QKeySequence &shortcut, auto slot,
                       const QString &sign = QString()) {
        auto *action = new QAction(sign.isEmpty() ? Txt(text) : sign, this);
        action->setToolTip(PlainTxt(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    actFirst_ = make(
        "ActFirstPage", kTxtPreviewFirst, QKeySequence(Qt::Key_Home), [this] { ShowPage(0); },
        QStringLiteral("|\u00AB"));
    actPrior_ = make(
        "ActPriorPage", kTxtPreviewPrior, QKeySequence(Qt::Key_PageUp),
        [this] { ShowPage(CurrentPage() - 1); }, QStringLiteral("\u00AB"));
    actNext_ = make(
        "ActNextPage", kTxtPreviewNext, QKeySequence(Qt::Key_PageDown),
        [this] { ShowPage(CurrentPage() + 1); }, QStringLiteral("\u00BB"));
    actLast_ = make(
        "ActLastPage", kTxtPreviewLast, QKeySequence(Qt::Key_End), [this] { ShowPage(PageCount() - 1); },
        QStringLiteral("\u00BB|"));
    make(
        "ActZoomIn", kTxtPreviewZoomIn, QKeySequence::ZoomIn, [this] { SetZoom(Zoom() * 1.25); },
        QStringLiteral("+"));
    make(
        "ActZoomOut", kTxtPreviewZoomOut, QKeySequence::ZoomOut, [this] { SetZoom(Zoom() / 1.25); },
        QStringLiteral("\u2212"));
    make("ActPrint", kTxtPreviewPrint, QKeySequence::Print, [this] { Print(); });
    make("ActSavePdf", kTxtPreviewSavePdf, QKeySequence::Save, [this] { SavePdfAsked(); });
    make("ActClose", kTxtPreviewClose, QKeySequence(), [this] { reject(); });
}

int TfrPreviewWindow::PageCount() const
{
    return painter_->PageCount();
}

int TfrPreviewWindow::CurrentPage() const
{
    return view_->Page();
}

void TfrPreviewWindow::ShowPage(int page)
{
    view_->SetPage(page);
    UpdatePageControls();
}

double TfrPreviewWindow::Zoom() const
{
    return view_->Zoom();
}

void TfrPreviewWindow::SetZoom(double zoom)
{
    view_->SetZoom(zoom);
    cbZoom_->setEditText(QString());
    int matching = -1;
    for (int i = 0; i < static_cast<int>(std::size(kZoomFactors)); ++i) {
        if (std::abs(kZoomFactors[i] - view_->Zoom()) < 1e-6)
            matching = kFixedZoomStart + i;
    }
    if (matching >= 0)
        cbZoom_->setCurrentIndex(matching);
}

void TfrPreviewWindow::ZoomChosen(int index)
{
    if (index < kFixedZoomStart)
        FitZoom(index == 0);
    else
        view_->SetZoom(kZoomFactors[index - kFixedZoomStart]);
}

void TfrPreviewWindow::FitZoom(bool wholePage)
{
    if (PageCount() == 0)
        return;
    const QSizeF pixels = painter_->PageSizeMm(CurrentPage()) * view_->PixelsPerMillimetre();
    const QSize room = scroll_->viewport()->size() - QSize(24, 24);
    double byWidth = room.width() / pixels.width();
    double byHeight = room.height() / pixels.height();
    view_->SetZoom(wholePage ? std::min(byWidth, byHeight) : byWidth);
}

void TfrPreviewWindow::UpdatePageControls()
{
    const int count = PageCount();
    const int page = CurrentPage();
    lblPage_->setText(
        QString::fromStdString(FormatText(GetText(kTxtPreviewPageOf), {count ? page + 1 : 0, count})));
    actFirst_->setEnabled(page > 0);
    actPrior_->setEnabled(page > 0);
    actNext_->setEnabled(page + 1 < count);
    actLast_->setEnabled(page + 1 < count);
}

void TfrPreviewWindow::PrintTo(QPrinter &printer)
{
    printer.setFullPage(true);
    painter_->PaintAllPages(printer, printer.resolution());
}

void TfrPreviewWindow::Print()
{
    if (DialogService::Headless())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(TfrReportPainter::SheetSize(painter_->PageSizeMm(0)),
                                      QPageLayout::Portrait, QMarginsF()));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(printer);
}

bool TfrPreviewWindow::SavePdf(const QString &path)
{
    try {
        ExportPdf(prepared_, path.toStdString());
        return true;
    } catch (const Exception &error) {
        DialogService::ShowError(this, QString::fromStdString(error.Message()));
        return false;
    }
}

void TfrPreviewWindow::SavePdfAsked()
{
    const QString path = DialogService::SaveFileName(this, Txt(kTxtPreviewPdfFilter), QStringLiteral("pdf"));
    if (!path.isEmpty())
        SavePdf(path);
}

void ShowReportPreview(TfrReport &report, QWidget *parent)
{
    TfrPreviewWindow preview(report.Prepare(QtTextMeasure()), parent);
    preview.exec();
}
