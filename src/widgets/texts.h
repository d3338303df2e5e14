#pragma once

#include "framework/localize.h"

#include <QString>

#include <cstdint>

// The localized text of an identifier, ready for a widget.
inline QString Txt(uint16_t id)
{
    return QString::fromStdString(GetText(id));
}

// The generic words as button texts, with their mnemonics.
constexpr uint16_t kTxtButtonOk = 45530;
constexpr uint16_t kTxtButtonCancel = 45531;
constexpr uint16_t kTxtButtonNext = 45532;
constexpr uint16_t kTxtButtonBack = 45533;
constexpr uint16_t kTxtButtonFinish = 45534;

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
