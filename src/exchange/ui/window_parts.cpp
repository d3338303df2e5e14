#include "exchange/ui/window_parts.h"

#include "widgets/command_guard.h"
#include "widgets/texts.h"

#include "model/format.h"

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *NewWindowPicture(QWidget *parent, QStyle::StandardPixmap icon)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(parent->style()->standardIcon(icon, nullptr, parent).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setFixedWidth(64);
    return picture;
}

QPushButton *NewButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TExchangeWindowParts NewExchangeWindowParts(QDialog *window, QStyle::StandardPixmap icon,
                                            const char *sideButtonName)
{
    TExchangeWindowParts parts;
    parts.picture = NewWindowPicture(window, icon);
    parts.sideButton = NewButton(window, sideButtonName);
    parts.mainButton = NewButton(window, "bbImportar");
    parts.cancelButton = NewButton(window, "bbCancelar");
    parts.cancelButton->setText(Txt(kTxtButtonCancel));
    QObject::connect(parts.cancelButton, &QPushButton::clicked, window, &QDialog::reject);
    return parts;
}

void LayOutExchangeWindow(QDialog *window, const TExchangeWindowParts &parts, QLayout *controls,
                          TExchangeWindowSizing sizing)
{
    const bool resizable = sizing == TExchangeWindowSizing::Resizable;
    auto *body = new QHBoxLayout;
    body->addWidget(parts.picture);
    body->addLayout(controls, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(parts.sideButton);
    buttons->addStretch(1);
    buttons->addWidget(parts.mainButton);
    buttons->addWidget(parts.cancelButton);
    auto *root = new QVBoxLayout(window);
    root->addLayout(body, resizable ? 1 : 0);
    if (!resizable)
        root->addSpacing(6);
    root->addLayout(buttons);
    if (!resizable)
        root->setSizeConstraint(QLayout::SetFixedSize);
}

QAction *NewCommandAction(QWidget *window, const char *name, std::function<void()> command)
{
    auto *action = new QAction(window);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, window,
                     [window, command = std::move(command)] { RunCommand(window, command); });
    return action;
}

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

QString FormattedTxt(uint16_t id, const QString &argument)
{
    return QString::fromStdString(FormatText(GetText(id), {argument.toStdString()}));
}
