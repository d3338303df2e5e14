#pragma once

#include <QStyle>

#include <cstdint>
#include <functional>

class QAction;
class QDialog;
class QLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// The skeleton the import and export windows share: a picture at the side of
// the window's own controls, and under them a row of buttons, the window's
// second command at the left, its main command and Cancel at the right.
struct TExchangeWindowParts {
    QLabel *picture = nullptr;           // "picture"
    QPushButton *sideButton = nullptr;   // named by the window
    QPushButton *mainButton = nullptr;   // "bbImportar", in both windows
    QPushButton *cancelButton = nullptr; // "bbCancelar": rejects the window
};

// Makes the parts as children of the window, in the order above, which is
// the order of the keyboard focus after the controls made before. The
// picture is the style's standard icon; Cancel has its text and rejects the
// window; the other two buttons are the window's to bind to its commands.
TExchangeWindowParts NewExchangeWindowParts(QDialog *window, QStyle::StandardPixmap icon,
                                            const char *sideButtonName);

// A window fixed at the size its controls need, or one that can be enlarged,
// its own controls taking the room.
enum class TExchangeWindowSizing { Fixed, Resizable };

// Lays the window out: the picture beside its controls, the row of buttons
// under them.
void LayOutExchangeWindow(QDialog *window, const TExchangeWindowParts &parts, QLayout *controls,
                          TExchangeWindowSizing sizing);

// A named action of the window whose command runs under the command guard,
// so that an error it raises is shown over the window.
QAction *NewCommandAction(QWidget *window, const char *name, std::function<void()> command);

// Binds a push button to an action, as the windows' buttons are: a click
// triggers the action, and the button follows the action's text and enabled
// state from then on.
void BindButtonToAction(QPushButton *button, QAction *action);

// The text of id with its one argument put in.
QString FormattedTxt(uint16_t id, const QString &argument);
