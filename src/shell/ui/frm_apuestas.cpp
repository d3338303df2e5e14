#include "shell/ui/frm_apuestas.h"

#include "framework/file_error_text.h"
#include "model/ticket_tables.h"
#include "shell/ui/bet_check.h"
#include "shell/ui/frm_main_mdi.h"
#include "shell/ui/shell_icons.h"
#include "shell/ui/shell_settings.h"
#include "widgets/background_work.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"
#include "widgets/dialog_service.h"
#include "widgets/named_label.h"
#include "widgets/number_text.h"
#include "widgets/texts.h"

#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/format.h"
#include "shell/ui/shell_text_ids.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Colour values of the panels (0x00BBGGRR): 8978431 and 12582911.
const QColor kTopPanelColour(0xFF, 0xFF, 0x88);
const QColor kTicketPanelColour(0xFF, 0xFF, 0xBF);

void Paint(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// A label that renames the combination when clicked.
class TClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    // A long name gives way to the other labels instead of widening the window.
    QSize minimumSizeHint() const override { return {40, QLabel::minimumSizeHint().height()}; }

protected:
    // A name wider than its room ends in "..."; the tooltip holds it whole.
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect room = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
        style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(), shown,
                              foregroundRole());
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (onClick)
            onClick();
    }
};

} // namespace

TFRMApuestas::TFRMApuestas(TFRMMainMDI &mainWindow) : QWidget(nullptr), main_(mainWindow)
{
    setObjectName(QStringLiteral("FRMApuestas"));
    setAttribute(Qt::WA_DeleteOnClose, false); // the sub-window owns and deletes us
    setWindowTitle(DialogService::ApplicationTitle());

    // A new combination is of the game in force; a file read later brings its own.
    combination_ = std::make_unique<TEuroMillonApuestas>(EditionInForce());
    combination_->OnChange = [this](void *) { OnCombinationChanged(); };
    combination_->OnNameChange = [this](void *) {
        UpdateTitle();
        emit StateChanged();
    };
    combination_->OnBeforeStore = [this](void *, int) { CheckCompleteBet(combination_->WorkingBet()); };
    combination_->PassesBeforeStore = IsCompleteBet;

    CreateActions();
    BuildLayout();
    CreateMenus();

    // New without the question.
    combination_->Clear();
    combination_->SetModified(false);
    GoToTicket(1);
    Refresh();
    SetViewMode(main_.ViewMode());
    UpdateTitle();
    ApplyTexts();
}

TFRMApuestas::~TFRMApuestas()
{
    main_.ForgetCombinationWindow(this);
    // The combination tells its last change while it goes; nobody listens now.
    combination_->OnChange = nullptr;
    combination_->OnNameChange = nullptr;
    combination_->OnBeforeStore = nullptr;
}

void TFRMApuestas::BuildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(BuildTopPanel());
    root->addWidget(BuildTicketPanel(), 1);
    root->addWidget(BuildBottomPanel());
}

// The combination's name, its game and its counts.
QFrame *TFRMApuestas::BuildTopPanel()
{
    pnlTop = new QFrame(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    Paint(pnlTop, kTopPanelColour);
    // Two rows, so that big counts and the game's name keep their room in a
    // window as narrow as its ticket: the name and the game, then the counts.
    auto *rows = new QVBoxLayout(pnlTop);
    rows->setContentsMargins(6, 3, 6, 3);
    rows->setSpacing(2);
    auto *top = new QHBoxLayout;
    auto *counts = new QHBoxLayout;
    rows->addLayout(top);
    rows->addLayout(counts);
    lNombreCombinacion = NewNamedLabel(pnlTop, "lNombreCombinacion");
    auto *nameLabel = new TClickableLabel(pnlTop);
    nameLabel->setObjectName(QStringLiteral("lblNombreCombinacion"));
    QFont bold = nameLabel->font();
    bold.setBold(true);
    nameLabel->setFont(bold);
    nameLabel->setCursor(Qt::PointingHandCursor);
    nameLabel->onClick = [this] { Rename(); };
    lblNombreCombinacion = nameLabel;
    sbNombreCombinacion = new QToolButton(pnlTop);
    sbNombreCombinacion->setObjectName(QStringLiteral("sbNombreCombinacion"));
    sbNombreCombinacion->setText(QStringLiteral("..."));
    sbNombreCombinacion->setAutoRaise(true);
    connect(sbNombreCombinacion, &QToolButton::clicked, this, [this] { Rename(); });
    lTotalApuestas = NewNamedLabel(pnlTop, "lTotalApuestas");
    lblTotalApuestas = NewNamedLabel(pnlTop, "lblTotalApuestas", true);
    lBoleto = NewNamedLabel(pnlTop, "lBoleto");
    lblNBoleto = NewNamedLabel(pnlTop, "lblNBoleto", true);
    lJuego = NewNamedLabel(pnlTop, "lJuego");
    lblJuego = NewNamedLabel(pnlTop, "lblJuego", true);
    top->addWidget(lNombreCombinacion);
    // The name grows to its full width while there is room, then gives way.
    top->addWidget(lblNombreCombinacion);
    top->addWidget(sbNombreCombinacion);
    top->addStretch(1);
    top->addSpacing(12);
    top->addWidget(lJuego);
    top->addWidget(lblJuego);
    counts->addWidget(lTotalApuestas);
    counts->addWidget(lblTotalApuestas);
    counts->addSpacing(24);
    counts->addWidget(lBoleto);
    counts->addWidget(lblNBoleto);
    counts->addStretch(1);
    return pnlTop;
}

// One bet control a position of the ticket, under its position label.
QFrame *TFRMApuestas::BuildTicketPanel()
{
    pnlBoleto = new QFrame(this);
    pnlBoleto->setObjectName(QStringLiteral("pnlBoleto"));
    Paint(pnlBoleto, kTicketPanelColour);
    auto *grid = new QGridLayout(pnlBoleto);
    grid->setContentsMargins(5, 2, 5, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    const int perTicket = BetsPerTicket();
    for (int i = 0; i < perTicket; ++i) {
        const QString suffix = QString::number(i + 1);
        auto *label = new QLabel(pnlBoleto);
        label->setObjectName(QStringLiteral("lblApPos") + suffix);
        label->setAlignment(Qt::AlignCenter);
        positionLabels_.push_back(label);
        auto *panel = new QFrame(pnlBoleto);
        panel->setObjectName(QStringLiteral("pnlApPos") + suffix);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumSize(111, 216);
        auto *panelLayout = new QVBoxLayout(panel);
        panelLayout->setContentsMargins(2, 2, 2, 2);
        auto *control = new TControlEuroMillonApuesta(panel);
        control->SetEdition(combination_->Edition());
        control->setProperty("tag", i + 1);
        control->SetViewMode(viewMode_);
        control->SetOnBeforeMark(
            [this](TControlEuroMillonApuesta *sender, int, int, bool &mark) { BeforeMark(*sender, mark); });
        control->SetOnBeforeEdit([this](TControlEuroMillonApuesta *sender) { BeforeEdit(*sender); });
        connect(control, &TControlEuroMillonApuesta::ModifiedChanged, this, [this] { UpdateActions(); });
        panelLayout->addWidget(control);
        controls_.push_back(control);
        grid->addWidget(label, 0, i);
        grid->addWidget(panel, 1, i);
        grid->setColumnStretch(i, 1);
    }
    grid->setRowStretch(1, 1);
    return pnlBoleto;
}

// Paging, confirming or cancelling edits, a random bet and the generator.
QFrame *TFRMApuestas::BuildBottomPanel()
{
    pnlBottom = new QFrame(this);
    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setFixedHeight(50);
    auto *bottom = new QHBoxLayout(pnlBottom);
    bottom->setContentsMargins(5, 4, 5, 4);
    bottom->setSpacing(0);
    auto addButton = [this, bottom](const char *name, QAction *action, QSize size) {
        auto *button = new QToolButton(pnlBottom);
        button->setObjectName(QString::fromLatin1(name));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setFixedSize(size);
        button->setIconSize(size - QSize(10, 10));
        bottom->addWidget(button);
    };
    const QSize small(31, 31);
    const QSize large(46, 41);
    addButton("sbFirst", ActFirst, small);
    addButton("sbPrior", ActPrior, small);
    addButton("sbNext", ActNext, small);
    addButton("sbLast", ActLast, small);
    bottom->addSpacing(14);
    addButton("sbSaveApuesta", ActSaveModifiedApuestas_NC, small);
    addButton("sbCancelApuesta", ActCancelModifiedApuestas_NC, small);
    bottom->addSpacing(14);
    addButton("SpeedButton2", ActAddApuestaAleatoria_NC, large);
    bottom->addSpacing(4);
    addButton("SpeedButton1", ActGenerarCombinacion_NC, large);
    bottom->addStretch(1);
    return pnlBottom;
}

int TFRMApuestas::BetsPerTicket() const
{
    return std::max(1, BetsPerTicketInForce());
}

bool TFRMApuestas::IsModified() const
{
    return combination_->Modified();
}

int TFRMApuestas::TicketCount() const
{
    const int count = combination_->Count();
    return count == 0 ? 0 : (count - 1) / BetsPerTicket() + 1;
}

void TFRMApuestas::SetManualModifyAllowed(bool allowed)
{
    manualModifyAllowed_ = allowed;
    ActAllowManualModify->setChecked(allowed);
}

void TFRMApuestas::OnCombinationChanged()
{
    // Bets deleted under the current ticket: back to the last one there is.
    const int last = combination_->Count() / BetsPerTicket() + 1;
    if (currentTicket_ > last)
        currentTicket_ = last;
    Refresh();
    UpdateTotals();
    emit StateChanged();
}

void TFRMApuestas::UpdateTotals()
{
    lblTotalApuestas->setText(CountText(combination_->Count()));
}

void TFRMApuestas::ApplyEdition()
{
    const TGameEdition edition = combination_->Edition();
    for (TControlEuroMillonApuesta *control : controls_)
        control->SetEdition(edition);
    lJuego->setText(Txt(kTxtGameLabel));
    lblJuego->setText(QString::fromStdString(
        FormatText(GetText(kTxtGameStars), {EditionName(edition), GameRules(edition).HighestStar})));
}

void TFRMApuestas::Refresh()
{
    const int perTicket = BetsPerTicket();
    const int count = combination_->Count();
    for (size_t i = 0; i < controls_.size(); ++i) {
        TControlEuroMillonApuesta *control = controls_[i];
        const int position = static_cast<int>(i) + (currentTicket_ - 1) * perTicket;
        if (position >= 0 && position < count)
            control->ShownBet().Assign(combination_->Bet(position));
        else
            control->ShownBet().Clear();
        control->SetModified(false);
        control->SetBetIndex(position);
        positionLabels_[i]->setText(
            QString::fromStdString(FormatText(GetText(kTxtBetPosition), {position + 1})));
    }
    // The blank page after a full last ticket (where a new bet is marked)
    // counts as a page while it is shown, so the counter never reads 6/5.
    lblNBoleto->setText(QStringLiteral("%1/%2").arg(CountText(currentTicket_),
                                                    CountText(std::max(currentTicket_, TicketCount()))));
    const QString name = QString::fromStdString(combination_->Name());
    lblNombreCombinacion->setText(name);
    lblNombreCombinacion->setToolTip(name.isEmpty() ? Txt(kTxtRenameCombination) : name);
    UpdateTotals();
    UpdateActions();
}

void TFRMApuestas::GoToTicket(int ticket)
{
    if (ticket == currentTicket_)
        return;
    if (!SettlePendingEdits())
        return;
    const int last = combination_->Count() / BetsPerTicket() + 1;
    currentTicket_ = ticket <= 0 ? 1 : std::min(ticket, last);
    Refresh();
}

void TFRMApuestas::SetViewMode(uint8_t mode)
{
    viewMode_ = mode;
    for (TControlEuroMillonApuesta *control : controls_)
        control->SetViewMode(mode);
    Refresh();
}

// Minimized, only the file's name is shown: the application title would
// leave no room for it.
void TFRMApuestas::UpdateTitle()
{
    const QString fileName = QString::fromStdString(combination_->FileName());
    const QString shown =
        fileName.isEmpty() ? Txt(kTxtNewCombinationName) : QFileInfo(fileName).completeBaseName();
    QMdiSubWindow *frame = SubWindow();
    const bool minimized = frame && frame->isMinimized();
    setWindowTitle((minimized ? shown : DialogService::ApplicationTitle() + QStringLiteral(" - ") + shown) +
                   QStringLiteral("[*]"));
    setWindowModified(combination_->Modified());
    // What the save dialogs of this window and of the windows it opens propose.
    const QString name = QString::fromStdString(combination_->Name());
    DialogService::SetDocumentName(this, name.trimmed().isEmpty() && !fileName.isEmpty()
                                             ? QFileInfo(fileName).completeBaseName()
                                             : name);
}

bool TFRMApuestas::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SubWindow() && event->type() == QEvent::WindowStateChange)
        UpdateTitle();
    return QWidget::eventFilter(watched, event);
}

void TFRMApuestas::LoadFromFile(const QString &path)
{
    // A combination of its own for the worker: this one and its window stay
    // untouched until the whole file is read.
    TEuroMillonApuestas loaded(combination_->Edition());
    loaded.OnBeforeStore = [&loaded](void *, int) { CheckCompleteBet(loaded.WorkingBet()); };
    loaded.PassesBeforeStore = IsCompleteBet;
    const std::string file = path.toStdString();
    const QString label =
        QString::fromStdString(FormatText(GetText(kTxtOpening), {QFileInfo(path).fileName().toStdString()}));
    ReadNamingFile(file, [&] {
        RunInBackground(this, label, [&](TWorkProgress &progress) {
            loaded.LoadFromFile(
                file,
                [&progress](int64_t done, int64_t total) {
                    progress.Report(done, total);
                    progress.ThrowIfCancelled();
                },
                TEditionOnLoad::Adopt);
        });
    });
    combination_->Adopt(loaded);
    ApplyEdition();
    currentTicket_ = 1;
    Refresh();
    UpdateTitle();
    emit StateChanged();
}

QMdiSubWindow *TFRMApuestas::SubWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

bool TFRMApuestas::CloseQuery()
{
    bool mayClose = false;
    RunCommand(this, [&] { mayClose = AskSave(); });
    closeAnswered_ = mayClose;
    return mayClose;
}

void TFRMApuestas::Release()
{
    closeAnswered_ = true;
    main_.ForgetCombinationWindow(this);
    QMdiSubWindow *subWindow = SubWindow();
    if (subWindow) {
        if (QMdiArea *area = subWindow->mdiArea())
            area->removeSubWindow(subWindow);
        delete subWindow; // deletes this window too
    } else {
        delete this;
    }
}

void TFRMApuestas::closeEvent(QCloseEvent *event)
{
    if (closeAnswered_ || CloseQuery()) {
        event->accept();
        return;
    }
    event->ignore();
}
