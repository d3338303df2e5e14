#pragma once

#include "report/report_objects.h"

#include <functional>
#include <string_view>

// How wide a text is and how tall a line is in a font, in engine units. The
// preparation lays out memo text with it; the painter library offers one
// measured on the real fonts, the core an estimate for tests and tools.
struct TfrTextMeasure {
    std::function<double(const TfrFont &font, std::string_view text)> Width;
    std::function<double(const TfrFont &font)> LineHeight;
};

// Every character half as wide as the font's size, lines 1.2 times the size.
TfrTextMeasure EstimatedTextMeasure();
