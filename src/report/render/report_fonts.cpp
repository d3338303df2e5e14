#include "report/render/report_fonts.h"

#include "report/report_units.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

QString ReportFontFamily(const std::string &family)
{
    const QString named = QString::fromStdString(family);
    if (named.compare(QLatin1String("Arial"), Qt::CaseInsensitive) != 0)
        return named;
    // Left to fontconfig, "Arial" becomes whatever sans-serif it prefers
    // (Nimbus Sans, DejaVu Sans), whose lines are taller or wider than the
    // templates were drawn for. Looked up once: the installed families do
    // not change while the program runs. families() holds installed fonts
    // only, where hasFamily() would also accept a fontconfig alias.
    static const bool twin = [] {
        const QStringList installed = QFontDatabase::families();
        return !installed.contains(QStringLiteral("Arial"), Qt::CaseInsensitive) &&
               installed.contains(QStringLiteral("Liberation Sans"), Qt::CaseInsensitive);
    }();
    return twin ? QStringLiteral("Liberation Sans") : named;
}

QFont ScaledQFont(const TfrFont &font)
{
    constexpr double unitsPerPoint = 25.4 / 72.0 * kUnitsPerMillimetre;
    QFont qfont(ReportFontFamily(font.Family));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * unitsPerPoint * kTextScale))));
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    // Outlines as designed at every resolution, so that the PDF, the preview
    // and the measurement agree.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}
