#pragma once

#include <QStyle>

class QAction;
class QLabel;
class QPushButton;
class QWidget;

// Binds a push button to an action, as the windows' buttons are: a click
// triggers the action, and the button follows the action's text and enabled
// state from then on.
void BindButtonToAction(QPushButton *button, QAction *action);

// The picture at the side of the import and export windows: a standard icon
// of the style, 48 pixels square.
QLabel *NewWindowPicture(QWidget *parent, QStyle::StandardPixmap icon);
