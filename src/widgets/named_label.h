#pragma once

class QLabel;
class QWidget;

// A label with its object name set to the control's name, so tests find it
// with findChild; bold when asked.
QLabel *NewNamedLabel(QWidget *parent, const char *name, bool bold = false);
