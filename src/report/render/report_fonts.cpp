#include "report/render/report_fonts.h"

#include "report/report_units.h"

#include <cmath>

QFont ScaledQFont(const TfrFont &font)
{
    constexpr double unitsPerPoint = 25.4 / 72.0 * kUnitsPerMillimetre;
    QFont qfont(QString::fromStdString(font.Family));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * unitsPerPoint * kTextScale))));
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    // Outlines as designed at every resolution, so that the PDF, the preview
    // and the measurement agree.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}
