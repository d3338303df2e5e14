#include "report/report_preparer.h"

#include "framework/localize.h"
#include "report/memo_layout.h"
#include "report/report.h"
#include "report/report_errors.h"
#include "report/report_expression.h"

#include <algorithm>

namespace {

// The language's thousands separator for printed integers: "." in Spanish.
constexpr uint16_t kTextGroupSeparator = 45710;

// "241126" -> "241.126": every three digits from the right, the sign kept.
std::string GroupedDigits(const std::string &plain, const std::string &separator)
{
    const size_t sign = !plain.empty() && plain.front() == '-' ? 1 : 0;
    const size_t digits = plain.size() - sign;
    std::string grouped = plain.substr(0, sign);
    for (size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0)
            grouped += separator;
        grouped += plain[sign + i];
    }
    return grouped;
}

} // namespace

TfrReportPreparer::TfrReportPreparer(TfrReport &report, const TfrTextMeasure &measure)
    : report_(report), measure_(measure), groupSeparator_(GetText(kTextGroupSeparator))
{
}

TfrPreparedReport TfrReportPreparer::Run()
{
    for (const TfrPage &page : report_.Pages())
        PreparePage(page);
    return std::move(result_);
}

TfrReportPreparer::Layout TfrReportPreparer::MakeLayout(const TfrPage &page) const
{
    Layout layout;
    for (const TfrView &view : page.Objects()) {
        if (view.Kind == TfrViewKind::Band)
            layout.bands.push_back(&view);
    }
    layout.bandObjects.resize(layout.bands.size());
    for (const TfrView &view : page.Objects()) {
        if (view.Kind == TfrViewKind::Band)
            continue;
        auto band = std::find_if(layout.bands.begin(), layout.bands.end(), [&](const TfrView *b) {
            return view.Top >= b->Top && view.Top < int64_t{b->Top} + b->Height;
        });
        if (band == layout.bands.end())
            layout.pageObjects.push_back(&view);
        else
            layout.bandObjects[static_cast<size_t>(band - layout.bands.begin())].push_back(&view);
    }
    layout.flowBottom = page.BottomLimit();
    for (const TfrView *band : layout.bands) {
        if (band->BandKind == TfrBandKind::MasterData)
            layout.masterBands.push_back(band);
        else
            layout.headersAndFooters.push_back(band);
        if (band->BandKind == TfrBandKind::PageFooter)
            layout.flowBottom = std::min<double>(layout.flowBottom, band->Top);
    }
    std::stable_sort(layout.masterBands.begin(), layout.masterBands.end(),
                     [](const TfrView *a, const TfrView *b) { return a->Top < b->Top; });
    return layout;
}

const std::vector<const TfrView *> &TfrReportPreparer::ObjectsOf(const Layout &layout,
                                                                 const TfrView &band) const
{
    auto found = std::find(layout.bands.begin(), layout.bands.end(), &band);
    return layout.bandObjects[static_cast<size_t>(found - layout.bands.begin())];
}

void TfrReportPreparer::PreparePage(const TfrPage &page)
{
    const Layout layout = MakeLayout(page);
    // The first page's own objects and headers show the first record, not
    // the one a previous preparation left the dataset past the end on.
    for (const TfrView *band : layout.masterBands) {
        if (TfrUserDataset *dataset = band->DataSet.empty() ? nullptr : report_.FindDataset(band->DataSet))
            dataset->First();
    }
    StartPage(page, layout);
    if (layout.masterBands.empty())
        return;
    const double flowTop = layout.masterBands.front()->Top;
    double y = flowTop;
    auto place = [&](const TfrView &band) {
        if (y > flowTop && y + band.Height > layout.flowBottom) {
            StartPage(page, layout);
            y = flowTop;
        }
        PlaceBand(layout, band, y);
        y += band.Height;
    };
    for (const TfrView *band : layout.masterBands) {
        TfrUserDataset *dataset = band->DataSet.empty() ? nullptr : report_.FindDataset(band->DataSet);
        if (!dataset) {
            place(*band);
            continue;
        }
        dataset->First();
        while (!dataset->Eof()) {
            place(*band);
            dataset->Next();
        }
    }
}

void TfrReportPreparer::StartPage(const TfrPage &page, const Layout &layout)
{
    if (result_.Pages.size() >= kMaxPreparedPages)
        throw EReportError(GetText(kTextTooManyRecords));
    TfrPreparedPage prepared;
    prepared.WidthTenths = page.WidthTenths();
    prepared.HeightTenths = page.HeightTenths();
    result_.Pages.push_back(std::move(prepared));
    for (const TfrView *view : layout.pageObjects)
        PlaceObject(*view, 0);
    for (const TfrView *band : layout.headersAndFooters)
        PlaceBand(layout, *band, band->Top);
}

void TfrReportPreparer::PlaceBand(const Layout &layout, const TfrView &band, double top)
{
    const double dy = top - band.Top;
    PlaceObject(band, dy);
    for (const TfrView *view : ObjectsOf(layout, band))
        PlaceObject(*view, dy);
}

std::string TfrReportPreparer::Expand(const std::string &expression)
{
    const int pageNumber = static_cast<int>(result_.Pages.size());
    return ExpandExpression(expression, [&](const std::string &name) {
        const TfrValue value = report_.GetValue(name, pageNumber);
        return value.IsInteger() ? GroupedDigits(value.AsText(), groupSeparator_) : value.AsText();
    });
}

void TfrReportPreparer::PlaceObject(const TfrView &view, double dy)
{
    std::vector<TfrPreparedItem> &items = result_.Pages.back().Items;
    const float x = static_cast<float>(view.Left), y = static_cast<float>(view.Top + dy);
    const float w = static_cast<float>(view.Width), h = static_cast<float>(view.Height);
    switch (view.Kind) {
    case TfrViewKind::Band:
        break;
    case TfrViewKind::Memo:
        LayoutMemo(view, x, y, Expand(view.Memo), result_.FontIndex(view.Font), measure_, items);
        break;
    case TfrViewKind::CheckBox:
        if (Expand(view.Memo) == "1")
            items.push_back({TfrItemKind::Cross, 0, 0, x, y, w, h, {}});
        break;
    case TfrViewKind::Picture: {
        auto known =
            std::find_if(pictures_.begin(), pictures_.end(), [&](const auto &p) { return p.first == &view; });
        uint16_t index;
        if (known != pictures_.end()) {
            index = known->second;
        } else if (result_.Pictures.size() > 0xFFFF) {
            break; // more pictures than an index holds: the rest are left out
        } else {
            result_.Pictures.push_back(view.Picture);
            index = static_cast<uint16_t>(result_.Pictures.size() - 1);
            pictures_.emplace_back(&view, index);
        }
        if (!view.Picture.empty())
            items.push_back({TfrItemKind::Picture, 0, index, x, y, w, h, {}});
        break;
    }
    }
    if (view.Frame != 0 && view.Kind != TfrViewKind::Band)
        items.push_back({TfrItemKind::Frame, static_cast<uint8_t>(view.Frame), 0, x, y, w, h, {}});
}
