#include "report/report_page.h"

#include "framework/localize.h"
#include "report/report_errors.h"
#include "report/report_units.h"

namespace {

constexpr int32_t kLargestPaper = 100000; // ten metres

} // namespace

TfrPage::TfrPage() = default;

void TfrPage::SetPaper(int32_t paperSize, int32_t widthTenths, int32_t heightTenths)
{
    switch (paperSize) {
    case kPaperA4:
        widthTenths = 2100;
        heightTenths = 2970;
        break;
    case kPaperLetter:
        widthTenths = 2159;
        heightTenths = 2794;
        break;
    case kPaperCustom:
        if (widthTenths < 1 || widthTenths > kLargestPaper || heightTenths < 1 ||
            heightTenths > kLargestPaper)
            throw EReportError(GetText(kTextBadPaper));
        break;
    default:
        throw EReportError(GetText(kTextBadPaper));
    }
    paperSize_ = paperSize;
    paperWidth_ = widthTenths;
    paperHeight_ = heightTenths;
}

int32_t TfrPage::WidthTenths() const
{
    bool turned = paperSize_ != kPaperCustom && orientation_ == TfrOrientation::Landscape;
    return turned ? paperHeight_ : paperWidth_;
}

int32_t TfrPage::HeightTenths() const
{
    bool turned = paperSize_ != kPaperCustom && orientation_ == TfrOrientation::Landscape;
    return turned ? paperWidth_ : paperHeight_;
}

int32_t TfrPage::WidthUnits() const
{
    return DecimasAUnidades(WidthTenths());
}

int32_t TfrPage::HeightUnits() const
{
    return DecimasAUnidades(HeightTenths());
}

TfrView &TfrPage::Add(const TfrView &view)
{
    objects_.push_back(view);
    return objects_.back();
}

TfrView *TfrPage::FindObject(const std::string &name)
{
    for (TfrView &view : objects_) {
        if (view.Name == name)
            return &view;
    }
    return nullptr;
}

const TfrView *TfrPage::FindObject(const std::string &name) const
{
    return const_cast<TfrPage *>(this)->FindObject(name);
}
