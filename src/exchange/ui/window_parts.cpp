#include "exchange/ui/window_parts.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void BindButtonToAction(QPushButton *button, QAction *action)
{
    auto follow = [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    };
    QObject::connect(button, &QPushButton::clicked, action, [action] { action->trigger(); });
    QObject::connect(action, &QAction::changed, button, follow);
    follow();
}

QLabel *NewWindowPicture(QWidget *parent, QStyle::StandardPixmap icon)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(parent->style()->standardIcon(icon, nullptr, parent).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setFixedWidth(64);
    return picture;
}
