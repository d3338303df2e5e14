#pragma once

#include "report/text_measure.h"

// Text measured on the fonts the painter draws with (needs no display; makes
// a GUI application when none exists).
TfrTextMeasure QtTextMeasure();
