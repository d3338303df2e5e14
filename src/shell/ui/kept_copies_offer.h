#pragma once

class QWidget;

// Names each copy that a save cut short (the program killed while it
// overwrote a file in place) left in the folder of kept copies, and lets the
// user put it back, discard it, or leave it for another start (Cancel, and
// the escape answer of a box nobody sees).
void OfferKeptCopies(QWidget *parent);
