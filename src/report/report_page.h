#pragma once

#include "report/report_objects.h"

#include <cstdint>
#include <string>
#include <vector>

// Paper-size codes: the two standard sizes the engine knows and the custom
// size whose width and height the page holds itself.
inline constexpr int32_t kPaperLetter = 1; // 215.9 x 279.4 mm
inline constexpr int32_t kPaperA4 = 9;     // 210.0 x 297.0 mm
inline constexpr int32_t kPaperCustom = 256;

enum class TfrOrientation : uint8_t { Portrait = 0, Landscape = 1 };

// Margins in engine units.
struct TfrMargins {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    bool operator==(const TfrMargins &) const = default;
};

// One page of a template: paper, margins and objects in creation order.
class TfrPage {
public:
    TfrPage();

    // A4 or Letter take their own size (the width and height given are
    // ignored); custom (256) takes widthTenths x heightTenths. Raises
    // EReportError for another code or a size outside 1..100000 tenths.
    void SetPaper(int32_t paperSize, int32_t widthTenths = 0, int32_t heightTenths = 0);
    int32_t PaperSize() const { return paperSize_; }
    // The size as set (portrait form for a standard size).
    int32_t PaperWidth() const { return paperWidth_; }
    int32_t PaperHeight() const { return paperHeight_; }
    // Landscape turns a standard size; a custom size is taken as given.
    TfrOrientation Orientation() const { return orientation_; }
    void SetOrientation(TfrOrientation orientation) { orientation_ = orientation; }
    int32_t Bin() const { return bin_; }
    void SetBin(int32_t bin) { bin_ = bin; }

    // The sheet as it comes out of the printer, in tenths of a millimetre.
    int32_t WidthTenths() const;
    int32_t HeightTenths() const;
    // The same in engine units, rounded as DecimasAUnidades.
    int32_t WidthUnits() const;
    int32_t HeightUnits() const;
    // Lowest y a band may reach: HeightUnits less the bottom margin.
    int32_t BottomLimit() const { return HeightUnits() - margins_.Bottom; }

    const TfrMargins &Margins() const { return margins_; }
    void SetMargins(const TfrMargins &margins) { margins_ = margins; }

    std::vector<TfrView> &Objects() { return objects_; }
    const std::vector<TfrView> &Objects() const { return objects_; }
    // Appends a copy; returns it.
    TfrView &Add(const TfrView &view);
    // First object of the name (exact comparison); null when none.
    TfrView *FindObject(const std::string &name);
    const TfrView *FindObject(const std::string &name) const;

    bool operator==(const TfrPage &) const = default;

private:
    int32_t paperSize_ = kPaperA4;
    int32_t paperWidth_ = 2100;
    int32_t paperHeight_ = 2970;
    TfrOrientation orientation_ = TfrOrientation::Portrait;
    int32_t bin_ = 0;
    TfrMargins margins_;
    std::vector<TfrView> objects_;
};
