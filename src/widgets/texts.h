#pragma once

#include "framework/localize.h"

#include <QString>

#include <cstdint>

// The localized text of an identifier, ready for a widget.
inline QString Txt(uint16_t id)
{
    return QString::fromStdString(GetText(id));
}
