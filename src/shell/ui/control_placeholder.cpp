#include "shell/ui/control_placeholder.h"

#include "shell/ui/command_guard.h"

#include <QPainter>

TControlEuroMillonApuesta::TControlEuroMillonApuesta(QWidget *parent)
    : QWidget(parent), shownBet_(std::make_unique<TEuroMillonApuestaMult>())
{
    shownBet_->OnChange = [this](void *) {
        update();
        emit Changed();
    };
}

TControlEuroMillonApuesta::~TControlEuroMillonApuesta()
{
    shownBet_->OnChange = nullptr;
}

void TControlEuroMillonApuesta::SetModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    update();
    emit ModifiedChanged(modified);
}

bool TControlEuroMillonApuesta::ToggleBox(int block, int value)
{
    bool changed = false;
    RunCommand(this, [&] {
        TEuroMillonNums &values = shownBet_->Block(block);
        const bool wasMarked = values.IndexOf(value) >= 0;
        bool mark = !wasMarked;
        if (onBeforeMark_)
            onBeforeMark_(this, value, block, mark);
        if (mark == wasMarked)
            return;
        SetModified(true);
        changed = mark ? values.Add(value) : values.Remove(value);
    });
    return changed;
}

void TControlEuroMillonApuesta::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), modified_ ? QColor(0, 0, 0x80) : QColor(Qt::white));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(shownBet_->AsText()));
}
