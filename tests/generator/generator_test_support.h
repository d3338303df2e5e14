#pragma once

#include "support/hex_bytes.h"

#include "model/bet_mask.h"
#include "model/euromillon_apuesta.h"

#include <initializer_list>
#include <string>

inline BetMask MaskOf(std::initializer_list<int> numbers, std::initializer_list<int> stars)
{
    BetMask mask = 0;
    for (int n : numbers)
        mask |= NumberBit(n);
    for (int s : stars)
        mask |= StarBit(s);
    return mask;
}

inline std::string HexBytes(const std::string &bytes)
{
    return ToHex(bytes);
}

inline std::string BytesOfHex(const std::string &hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); ) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        i += 2;
    }
    return bytes;
}
