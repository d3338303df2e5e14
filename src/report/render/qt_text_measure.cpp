#include "report/render/qt_text_measure.h"

#include "report/render/gui_application.h"
#include "report/render/report_fonts.h"

#include <QFontMetricsF>

#include <map>
#include <memory>

namespace {

struct FontKey {
    TfrFont font;
    bool operator<(const FontKey &other) const
    {
        return std::tie(font.Family, font.Size, font.Bold, font.Italic) <
               std::tie(other.font.Family, other.font.Size, other.font.Bold, other.font.Italic);
    }
};

// Metrics are made once per font of a preparation.
class MetricsCache {
public:
    const QFontMetricsF &Of(const TfrFont &font)
    {
        auto found = metrics_.find(FontKey{font});
        if (found == metrics_.end())
            found = metrics_.emplace(FontKey{font}, QFontMetricsF(ScaledQFont(font))).first;
        return found->second;
    }

private:
    std::map<FontKey, QFontMetricsF> metrics_;
};

} // namespace

TfrTextMeasure QtTextMeasure()
{
    EnsureGuiApplication();
    auto cache = std::make_shared<MetricsCache>();
    TfrTextMeasure measure;
    measure.Width = [cache](const TfrFont &font, std::string_view text) {
        return cache->Of(font).horizontalAdvance(
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) /
               kTextScale;
    };
    measure.LineHeight = [cache](const TfrFont &font) { return cache->Of(font).height() / kTextScale; };
    return measure;
}
