#include "widgets/control_euromillon_apuesta.h"

#include "model/euromillon_apuesta.h"
#include "model/game_constants.h"
#include "model/ticket_tables.h"
#include "model/update_bracket.h"
#include "widgets/casilla_euromillon_apuesta.h"
#include "widgets/command_guard.h"
#include "widgets/edit_bloque_numero.h"
#include "widgets/ticket_renderer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The typing fields' text at the design size (about 9 points on a 96 dpi screen).
constexpr double kFieldFontPixels = 12.0;

} // namespace

TControlEuroMillonApuesta::TControlEuroMillonApuesta(QWidget *parent)
    : QWidget(parent), edition_(EditionInForce()),
      shownBet_(std::make_unique<TEuroMillonApuestaMult>(edition_)),
      fullBet_(std::make_unique<TEuroMillonApuestaMult>(edition_))
{
    FillFullBet();
    shownBet_->OnChange = [this](void *) { BetChanged(); };
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Rebuild();
}

TControlEuroMillonApuesta::~TControlEuroMillonApuesta()
{
    shownBet_->OnChange = nullptr;
    // The fields stay children (QWidget deletes them) but stop talking to this
    // half-destroyed control: a focused field still commits when focus leaves.
    for (TEditBloqueNumero *field : fields_) {
        field->DetachOwner();
        field->disconnect(this);
    }
    fields_.clear();
    ReleaseBoxes();
}

void TControlEuroMillonApuesta::FillFullBet()
{
    WithinUpdate(*fullBet_, [this] {
        for (int block = kBlockNumbers; block <= kBlockStars; ++block)
            for (int value = kLowestValue[block]; value <= HighestValue(block); ++value)
                fullBet_->Block(block).Add(value);
    });
}

int TControlEuroMillonApuesta::HighestValue(int block) const
{
    return block == kBlockStars ? GameRules(edition_).HighestStar : kHighestValue[kBlockNumbers];
}

void TControlEuroMillonApuesta::SetEdition(TGameEdition edition)
{
    if (edition == edition_)
        return;
    edition_ = edition;
    fullBet_->SetEdition(edition);
    FillFullBet();
    // Boxes of stars the new edition lacks go; Rebuild adds the missing ones.
    ReleaseBoxes();
    Rebuild();
    // Tells its change (repaint or field reload) only when a star was dropped.
    shownBet_->SetEdition(edition);
    update();
}

void TControlEuroMillonApuesta::SetModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    update();
    emit ModifiedChanged(modified);
}

void TControlEuroMillonApuesta::SetViewMode(uint8_t mode)
{
    if (mode == viewMode_)
        return;
    viewMode_ = mode;
    Rebuild();
}

void TControlEuroMillonApuesta::SetOnDrawBox(TDrawBoxEvent handler)
{
    onDrawBox_ = std::move(handler);
    update();
}

void TControlEuroMillonApuesta::Rebuild()
{
    if (viewMode_ == kTicketView) {
        ReleaseFields();
        for (int block = kBlockNumbers; block <= kBlockStars; ++block)
            for (int value = kLowestValue[block]; value <= HighestValue(block); ++value)
                if (Box(block, value) == nullptr)
                    boxes_.push_back(std::make_unique<TCasillaEuroMillonApuesta>(this, block, value));
    } else {
        ReleaseBoxes();
        for (int block = kBlockNumbers; block <= kBlockStars; ++block) {
            for (int position = 1; position <= kValuesPerBet[block]; ++position) {
                if (Field(block, position) != nullptr)
                    continue;
                auto *field = new TEditBloqueNumero(this, block, position, this);
                connect(field, &QObject::destroyed, this, [this, field] {
                    fields_.erase(std::remove(fields_.begin(), fields_.end(), field), fields_.end());
                });
                fields_.push_back(field);
                field->LoadFromBet();
                field->show();
            }
        }
    }
    Relayout();
}

void TControlEuroMillonApuesta::Relayout()
{
    ApplyLayout(TTicketLayout(EnVigor().Formato, EnVigor().Geometria, size(), HighestValue(kBlockStars)));
    update();
}

const TTicketLayout &TControlEuroMillonApuesta::Layout() const
{
    if (layout_.ControlSize() != size())
        const_cast<TControlEuroMillonApuesta *>(this)->Relayout();
    return layout_;
}

void TControlEuroMillonApuesta::ApplyLayout(const TTicketLayout &layout)
{
    layout_ = layout;
    for (const auto &box : boxes_)
        box->SetBounds(layout_.BoxBounds(box->Block(), box->Value()));
    if (!fields_.empty()) {
        QFont fieldFont = font();
        fieldFont.setPixelSize(std::max(6, RoundHalfEven(kFieldFontPixels * layout_.FontScale())));
        for (TEditBloqueNumero *field : fields_)
            field->setFont(fieldFont);
        const int height = FieldHeight();
        for (TEditBloqueNumero *field : fields_)
            field->setGeometry(layout_.FieldBounds(field->Block(), field->Position(), height));
    }
}

int TControlEuroMillonApuesta::FieldHeight() const
{
    // The design height, unless the scaled text needs more.
    const int scaled = RoundHalfEven(TEditBloqueNumero::kDesignHeight * layout_.FontScale());
    const int text = fields_.empty() ? 0 : fields_.front()->fontMetrics().height() + 4;
    return std::max({scaled, text, 1});
}

TCasillaEuroMillonApuesta *TControlEuroMillonApuesta::Box(int block, int value) const
{
    Layout();
    for (const auto &box : boxes_)
        if (box->Block() == block && box->Value() == value)
            return box.get();
    return nullptr;
}

TCasillaEuroMillonApuesta *TControlEuroMillonApuesta::BoxAt(QPoint point) const
{
    Layout();
    for (const auto &box : boxes_)
        if (box->Bounds().contains(point))
            return box.get();
    return nullptr;
}

TEditBloqueNumero *TControlEuroMillonApuesta::Field(int block, int position) const
{
    Layout();
    for (TEditBloqueNumero *field : fields_)
        if (field->Block() == block && field->Position() == position)
            return field;
    return nullptr;
}

bool TControlEuroMillonApuesta::ToggleBox(int block, int value)
{
    if (!IsBlockNumber(block))
        return false;
    bool changed = false;
    RunCommand(this, [&] {
        TEuroMillonNums &values = shownBet_->Block(block);
        const bool wasMarked = values.IndexOf(value) >= 0;
        const auto refusedByLimit = [&](bool mark) {
            return simpleBetOnly_ && mark && !wasMarked && values.Count() >= kValuesPerBet[block];
        };
        bool mark = !wasMarked;
        if (refusedByLimit(mark)) {
            QApplication::beep();
            return;
        }
        if (onBeforeMark_)
            onBeforeMark_(this, value, block, mark);
        if (refusedByLimit(mark))
            return;
        const bool adds = mark && !wasMarked && fullBet_->Block(block).IndexOf(value) >= 0;
        const bool removes = !mark && wasMarked;
        if (!adds && !removes)
            return;
        // Modified before the bet tells its change, so that every listener
        // already sees the control as edited.
        SetModified(true);
        changed = adds ? values.Add(value) : values.Remove(value);
    });
    return changed;
}

bool TControlEuroMillonApuesta::MayEdit()
{
    if (!onBeforeEdit_)
        return true;
    return RunCommand(this, [this] { onBeforeEdit_(this); });
}

void TControlEuroMillonApuesta::DrawBoxHook(int block, int value, TTicketBoxColours &colours)
{
    if (onDrawBox_)
        onDrawBox_(this, block, value, colours);
}

void TControlEuroMillonApuesta::RebuildFromFields()
{
    TEuroMillonApuestaMult typed(edition_);
    for (int block = kBlockNumbers; block <= kBlockStars; ++block)
        for (int position = 1; position <= kValuesPerBet[block]; ++position)
            if (const TEditBloqueNumero *field = Field(block, position);
                field != nullptr && field->Value() > 0)
                typed.Block(block).Add(field->Value());

    const bool differs = typed.Block(kBlockNumbers).Values() != shownBet_->Block(kBlockNumbers).Values() ||
                         typed.Block(kBlockStars).Values() != shownBet_->Block(kBlockStars).Values();
    if (!differs) {
        // Nothing changed, but the fields may show a repeat or an order the
        // bet does not have: show the bet again.
        for (TEditBloqueNumero *field : fields_)
            field->LoadFromBet();
        return;
    }
    SetModified(true);
    // One notification, which reloads every field: sorted, repeats once.
    shownBet_->Assign(typed);
}

void TControlEuroMillonApuesta::BetChanged()
{
    if (viewMode_ == kTicketView) {
        update();
    } else {
        // A copy: a field could be released by a listener while we walk.
        const std::vector<TEditBloqueNumero *> fields = fields_;
        for (TEditBloqueNumero *field : fields)
            field->LoadFromBet();
    }
    if (onChange_)
        onChange_(this);
    emit Changed();
}

void TControlEuroMillonApuesta::ReleaseBoxes()
{
    pressedBox_ = nullptr;
    boxes_.clear();
}

void TControlEuroMillonApuesta::ReleaseFields()
{
    const std::vector<TEditBloqueNumero *> fields = std::move(fields_);
    fields_.clear();
    for (TEditBloqueNumero *field : fields) {
        field->DetachOwner();
        field->disconnect(this);
        field->hide();
        // Later: the field may be the one whose event led here.
        field->setParent(nullptr);
        field->deleteLater();
    }
}

QSize TControlEuroMillonApuesta::sizeHint() const
{
    return QSize(TTicketLayout::kDesignWidth, TTicketLayout::kDesignHeight);
}

QSize TControlEuroMillonApuesta::minimumSizeHint() const
{
    // Smaller, the numbers no longer fit their boxes.
    return sizeHint();
}

void TControlEuroMillonApuesta::CommitFields()
{
    const std::vector<TEditBloqueNumero *> fields = fields_;
    for (TEditBloqueNumero *field : fields)
        if (field->Edited())
            field->Commit();
}

void TControlEuroMillonApuesta::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const TTicketRenderer renderer(Layout());
    renderer.PaintFrame(&painter, rect(),
                        modified_ ? TTicketRenderer::kModifiedFill : palette().color(QPalette::Window));
    for (const auto &box : boxes_)
        box->Paint(&painter, renderer);
}

void TControlEuroMillonApuesta::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void TControlEuroMillonApuesta::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressedBox_ = BoxAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void TControlEuroMillonApuesta::mouseReleaseEvent(QMouseEvent *event)
{
    TCasillaEuroMillonApuesta *pressed = pressedBox_;
    pressedBox_ = nullptr;
    if (event->button() == Qt::LeftButton && pressed != nullptr &&
        BoxAt(event->position().toPoint()) == pressed)
        pressed->Click();
    QWidget::mouseReleaseEvent(event);
}

void TControlEuroMillonApuesta::mouseMoveEvent(QMouseEvent *event)
{
    if (BoxAt(event->position().toPoint()) != nullptr)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void TControlEuroMillonApuesta::leaveEvent(QEvent *event)
{
    unsetCursor();
    QWidget::leaveEvent(event);
}
