#pragma once

#include "report/prepared_report.h"
#include "report/text_measure.h"

#include <string>
#include <vector>

// Lays out the text of a memo in its box (engine units) as prepared text
// lines. Paragraphs end at line feeds; with flWordWrap they are broken at
// blanks to fit the box; with flAutoWidth each line box grows along the text
// about its alignment (left keeps its left edge, right its right edge,
// centred its centre) and is never clipped. Lines stack from the top (from
// the left for vertical text), centred with frtaMiddle, at the bottom with
// frtaDown; lines that do not fit across the box are dropped unless the memo
// is auto-width. The first line is never dropped: in a memo lower than one
// line it fills the box, clipped to it, and sits as the alignment says.
void LayoutMemo(const TfrView &memo, double left, double top, const std::string &text, uint16_t fontIndex,
                const TfrTextMeasure &measure, std::vector<TfrPreparedItem> &out);
