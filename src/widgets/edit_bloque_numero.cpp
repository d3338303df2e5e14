#include "widgets/edit_bloque_numero.h"

#include "model/euromillon_apuesta.h"
#include "model/game_constants.h"
#include "widgets/command_guard.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {

// Raises a flag for the lifetime of the guard, restoring what it was.
class TFlagGuard {
public:
    explicit TFlagGuard(bool &flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~TFlagGuard() { flag_ = previous_; }
    TFlagGuard(const TFlagGuard &) = delete;
    TFlagGuard &operator=(const TFlagGuard &) = delete;

private:
    bool &flag_;
    bool previous_;
};

} // namespace

TEditBloqueNumero::TEditBloqueNumero(TControlEuroMillonApuesta *owner, int block, int position,
                                     QWidget *parent)
    : QLineEdit(parent), owner_(owner), block_(block), position_(position)
{
    setObjectName(QStringLiteral("ebBloque%1Pos%2").arg(block).arg(position));
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    // Pasted or dropped text obeys the same rule as typed keys.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this));
    setStyleSheet(QStringLiteral("TEditBloqueNumero { background: white; color: #000080;"
                                 " border: 1px solid #7A7A7A; padding: 0px 1px; }"
                                 "TEditBloqueNumero:focus { border: 1px solid #000080; }"));
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
}

void TEditBloqueNumero::TextChanged()
{
    if (!setting_ && !loading_ && !restoring_)
        edited_ = true;
}

void TEditBloqueNumero::SetValue(int value)
{
    edited_ = false;
    TFlagGuard setting(setting_);
    if (value == value_ && value_ != 0)
        return;
    // The owner knows its game's highest star (9 or 12).
    if (!IsBlockNumber(block_) || value < kLowestValue[block_] ||
        value > (owner_ != nullptr ? owner_->HighestValue(block_) : kHighestValue[block_]))
        value = 0;
    value_ = value;
    setText(value == 0 ? QString() : QString::number(value));
    if (!loading_ && owner_ != nullptr)
        owner_->RebuildFromFields();
}

void TEditBloqueNumero::Commit()
{
    bool ok = false;
    const int parsed = text().trimmed().toInt(&ok, 10);
    SetValue(ok ? parsed : 0);
}

void TEditBloqueNumero::LoadFromBet()
{
    if (loading_ || owner_ == nullptr || !IsBlockNumber(block_))
        return;
    TFlagGuard loading(loading_);
    const TEuroMillonNums &values = owner_->ShownBet().Block(block_);
    SetValue(values.Count() < position_ ? 0 : values.Items(position_ - 1));
}

void TEditBloqueNumero::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        RunCommand(this, [this] { Commit(); });
        focusNextPrevChild(true);
        event->accept();
        return;
    }
    if (key == Qt::Key_Backspace) {
        KeyWithOwnersLeave(event);
        return;
    }
    // Keys with Ctrl, Alt or Meta are shortcuts (copy, paste, select all),
    // whatever text the platform attaches to them.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString typed = event->text();
    const bool printable = !shortcut && !typed.isEmpty() && typed.at(0).isPrint();
    const bool digit = typed.size() == 1 && typed.at(0) >= u'0' && typed.at(0) <= u'9';
    if (printable && !digit) {
        // Swallowed: the field takes only digits. (Pasted text is held to the
        // same rule by the validator.)
        event->accept();
        return;
    }
    KeyWithOwnersLeave(event);
}

// A key that changed the text is undone when the owner refuses the edit
// (another bet of the window waits to be accepted): the text, and what was
// typed before, stay as they were.
void TEditBloqueNumero::KeyWithOwnersLeave(QKeyEvent *event)
{
    const QString before = text();
    const int cursor = cursorPosition();
    const bool wasEdited = edited_;
    QLineEdit::keyPressEvent(event);
    if (text() == before || owner_ == nullptr || owner_->MayEdit())
        return;
    if (owner_ == nullptr) // the error box may have let the owner go
        return;
    TFlagGuard restoring(restoring_);
    setText(before);
    setCursorPosition(cursor);
    edited_ = wasEdited;
}

void TEditBloqueNumero::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    update();
}

void TEditBloqueNumero::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (edited_)
        RunCommand(this, [this] { Commit(); });
}
