#pragma once

#include "report/report_objects.h"

#include <QFont>

// Text is drawn and measured at this many times its size in a painter scaled
// down by the same factor: fonts take whole pixel sizes only, and engine
// units are too coarse for that.
inline constexpr double kTextScale = 20.0;

// The font of a report font at kTextScale pixels per engine unit.
QFont ScaledQFont(const TfrFont &font);
