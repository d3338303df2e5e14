#pragma once

#include "framework/localize.h"
#include "widgets/widgets_text_ids.h"

#include <QString>

#include <cstdint>

// The localized text of an identifier, ready for a widget.
inline QString Txt(uint16_t id)
{
    return QString::fromStdString(GetText(id));
}

// A menu or button text for a place that shows it as it stands (a title, a
// tooltip, a plain label): "&Archivo" -> "Archivo", "&&" -> "&".
inline QString WithoutMnemonic(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain.append(text.at(i));
    }
    return plain;
}

// The localized text without its mnemonic.
inline QString PlainTxt(uint16_t id)
{
    return WithoutMnemonic(Txt(id));
}
