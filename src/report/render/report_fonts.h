#pragma once

#include "report/report_objects.h"

#include <QFont>
#include <QString>

#include <string>

// Text is drawn and measured at this many times its size in a painter scaled
// down by the same factor: fonts take whole pixel sizes only, and engine
// units are too coarse for that.
inline constexpr double kTextScale = 20.0;

// The family a report font is drawn with: the family it names, except that
// "Arial" becomes Liberation Sans, its metric-compatible twin, on a system
// that has Liberation Sans and no Arial. Needs a GUI application.
QString ReportFontFamily(const std::string &family);

// The font of a report font at kTextScale pixels per engine unit.
QFont ScaledQFont(const TfrFont &font);
