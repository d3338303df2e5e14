#pragma once

#include "report/prepared_report.h"
#include "report/text_measure.h"

#include <cstdint>
#include <string>
#include <vector>

class TfrReport;
class TfrPage;
struct TfrView;

// Past this many prepared pages preparation stops with EReportError 45301:
// a dataset whose end never comes cannot hang the program.
inline constexpr size_t kMaxPreparedPages = 1000000;

// Turns the report's pages into prepared pages.
//
// Each object belongs to the first band whose vertical span [Top, Top +
// Height) holds the object's top; objects in no band are page objects.
// Every prepared page shows the page objects and the page header and page
// footer bands at their designed places. The master data bands of a page run
// in the order of their tops, each through its dataset (First, then while not
// Eof: the band, Next); a band with no dataset name, or a name the report has
// no dataset for, prints once. Bands flow down from the first master band's
// designed top; a band that does not fit above the page footer's top (or the
// page's BottomLimit) starts a new prepared page, unless the page is still
// empty, where it prints clipped. A template page without master data
// bands gives one prepared page, and so does a dataset without records.
//
// Expressions are expanded when their band is placed (page objects and
// header and footer bands when their page starts); integers are written
// with their thousands grouped as the language in force groups them
// ("241.126" in Spanish, "241,126" in English). A check box is ticked
// (a Cross item) when its expanded expression is exactly "1". Frames become
// Frame items; memos are laid out as memo_layout.h says.
class TfrReportPreparer {
public:
    TfrReportPreparer(TfrReport &report, const TfrTextMeasure &measure);
    TfrPreparedReport Run();

private:
    struct Layout {
        std::vector<const TfrView *> pageObjects;
        std::vector<const TfrView *> headersAndFooters;
        std::vector<const TfrView *> masterBands;
        std::vector<std::vector<const TfrView *>> bandObjects; // by band, in page object order
        std::vector<const TfrView *> bands;
        double flowBottom = 0;
    };

    Layout MakeLayout(const TfrPage &page) const;
    void PreparePage(const TfrPage &page);
    void StartPage(const TfrPage &page, const Layout &layout);
    void PlaceBand(const Layout &layout, const TfrView &band, double top);
    void PlaceObject(const TfrView &view, double dy);
    const std::vector<const TfrView *> &ObjectsOf(const Layout &layout, const TfrView &band) const;
    std::string Expand(const std::string &expression);

    TfrReport &report_;
    const TfrTextMeasure &measure_;
    TfrPreparedReport result_;
    std::vector<std::pair<const TfrView *, uint16_t>> pictures_;
    std::string groupSeparator_;
};
