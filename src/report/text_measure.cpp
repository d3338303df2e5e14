#include "report/text_measure.h"

#include "report/report_units.h"

namespace {

constexpr double kUnitsPerPoint = 25.4 / 72.0 * kUnitsPerMillimetre;

size_t CharacterCount(std::string_view text)
{
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) // UTF-8 continuation bytes do not count
            ++count;
    }
    return count;
}

} // namespace

TfrTextMeasure EstimatedTextMeasure()
{
    TfrTextMeasure measure;
    measure.Width = [](const TfrFont &font, std::string_view text) {
        return static_cast<double>(CharacterCount(text)) * font.Size * 0.5 * kUnitsPerPoint;
    };
    measure.LineHeight = [](const TfrFont &font) { return font.Size * 1.2 * kUnitsPerPoint; };
    return measure;
}
