#pragma once

#include "model/euromillon_apuestas.h"

#include <string>

// A bet from its text form, "03.15.27.41.50-02.09".
inline BetMask BetOf(const std::string &text)
{
    BetMask mask = 0;
    bool stars = false;
    int value = -1;
    auto flush = [&] {
        if (value >= 0)
            mask |= stars ? StarBit(value) : NumberBit(value);
        value = -1;
    };
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
        } else {
            flush();
            if (c == '-')
                stars = true;
        }
    }
    flush();
    return mask;
}

// Stores the bet through the working bet, as a user would.
inline int AddBet(TEuroMillonApuestas &combination, const std::string &text)
{
    combination.WorkingBet().FromMask(BetOf(text));
    return combination.Store(-1);
}

inline std::string BetTexts(const TEuroMillonApuestas &combination)
{
    std::string texts;
    for (BetMask mask : combination.Masks())
        texts += (texts.empty() ? "" : " ") + MaskToText(mask);
    return texts;
}
