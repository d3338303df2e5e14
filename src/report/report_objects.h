#pragma once

#include <cstdint>
#include <string>

// The objects of a report page. Bounds are in engine units (1/3.6 mm) from
// the page's top-left corner; objects are plain records copied by value.

enum class TfrViewKind : uint8_t {
    Band = 0,     // "TfrBandView"
    Memo = 1,     // "TfrMemoView": a text with bracketed variables
    CheckBox = 2, // "TfrCheckBoxView": ticked when its expression gives "1"
    Picture = 3,  // "TfrPictureView": PNG bytes
};

enum class TfrBandKind : uint8_t {
    MasterData = 0, // printed once per record of its dataset
    PageHeader = 1, // at its place on every prepared page
    PageFooter = 2, // at its place on every prepared page
};

// Alignment codes of memo objects.
inline constexpr int32_t frtaLeft = 0;
inline constexpr int32_t frtaRight = 1;
inline constexpr int32_t frtaCenter = 2;
inline constexpr int32_t frtaHorizontalMask = 3;
inline constexpr int32_t frtaVertical = 4; // text turned 90 degrees, read bottom to top
inline constexpr int32_t frtaMiddle = 8;   // centred top to bottom
inline constexpr int32_t frtaDown = 16;    // at the bottom

// Memo flags.
inline constexpr int32_t flWordWrap = 2;  // lines broken at blanks to fit the width
inline constexpr int32_t flAutoWidth = 8; // one line per paragraph, never clipped; the
                                          // box grows along the text about its alignment

// Frame sides (0 = no frame).
inline constexpr int32_t frbLeft = 1;
inline constexpr int32_t frbTop = 2;
inline constexpr int32_t frbRight = 4;
inline constexpr int32_t frbBottom = 8;
inline constexpr int32_t frbAll = 15;

struct TfrFont {
    std::string Family = "Arial";
    int32_t Size = 10; // points
    bool Bold = false;
    bool Italic = false;

    bool operator==(const TfrFont &) const = default;
};

struct TfrView {
    TfrViewKind Kind = TfrViewKind::Memo;
    std::string Name;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Frame = 0; // frb* sides
    // Memo and check box: the expression ("[NAME]" asks the variable handler).
    std::string Memo;
    // Memo only.
    TfrFont Font;
    int32_t Alignment = frtaLeft;
    int32_t Flags = 0;
    // Band only.
    TfrBandKind BandKind = TfrBandKind::MasterData;
    std::string DataSet; // master data band: name of its dataset
    // Picture only: the PNG file's bytes.
    std::string Picture;

    // "TfrBandView", "TfrMemoView", "TfrCheckBoxView", "TfrPictureView".
    const char *ClassName() const;
    bool operator==(const TfrView &) const = default;
};

// Object makers with the fields each kind needs.
TfrView MakeBand(const std::string &name, TfrBandKind kind, int32_t left, int32_t top, int32_t width,
                 int32_t height, const std::string &dataSet = {});
TfrView MakeMemo(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
                 const std::string &memo);
TfrView MakeCheckBox(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
                     const std::string &memo);
TfrView MakePicture(const std::string &name, int32_t left, int32_t top, int32_t width, int32_t height,
                    const std::string &pngBytes);
