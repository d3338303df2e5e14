#pragma once

#include "report/report_objects.h"

#include <cstdint>
#include <string>
#include <vector>

// The result of preparing a report: pages of simple drawing primitives in
// engine units (1/3.6 mm) from the sheet's top-left corner, ready for the
// painter, the printer and the PDF writer. Plain data, no Qt.

enum class TfrItemKind : uint8_t {
    Text,    // one line of text inside its box
    Frame,   // sides of a rectangle (Sides holds frb* bits)
    Cross,   // the two diagonals of the box: a ticked check box
    Picture, // the PNG of Pictures[Index], scaled into the box
};

// Bits of TfrPreparedItem::Style for text.
inline constexpr uint8_t kTextAlignMask = 3; // frtaLeft / frtaRight / frtaCenter
inline constexpr uint8_t kTextVertical = 4;  // turned 90 degrees, read bottom to top
inline constexpr uint8_t kTextNoClip = 8;    // may run past its box
// A line taller than its box (a memo lower than one line) is drawn in the
// box from its top or its bottom edge, centred when neither, and clipped.
inline constexpr uint8_t kTextAcrossTop = 16;
inline constexpr uint8_t kTextAcrossBottom = 32;

struct TfrPreparedItem {
    TfrItemKind Kind = TfrItemKind::Text;
    uint8_t Style = 0;  // text: kText* bits; frame: frb* sides
    uint16_t Index = 0; // text: font index; picture: picture index
    float X = 0, Y = 0, W = 0, H = 0;
    // Text: for vertical text the box is the turned line's box on the page.
    std::string Text;

    bool operator==(const TfrPreparedItem &) const = default;
};

struct TfrPreparedPage {
    int32_t WidthTenths = 0; // the sheet, as it comes out of the printer
    int32_t HeightTenths = 0;
    std::vector<TfrPreparedItem> Items;
};

struct TfrPreparedReport {
    std::vector<TfrPreparedPage> Pages;
    std::vector<TfrFont> Fonts;        // by TfrPreparedItem::Index of a text
    std::vector<std::string> Pictures; // PNG bytes by TfrPreparedItem::Index

    // Index of the font, added when new.
    uint16_t FontIndex(const TfrFont &font);
};
