#pragma once

#include <functional>

class QWidget;

// Runs one user command. An error escaping it is shown in one error box
// (titled with the application title, full-stop rule) parented to the given
// window; the command is abandoned and the windows stay open. A silent abort
// (the user's Cancel deep inside a command) ends it without a word.
// Returns true when the command ran to its end.
bool RunCommand(QWidget *parent, const std::function<void()> &command);
