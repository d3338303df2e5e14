#pragma once

#include <string>

// Bytes as "06 0E 51 ...", for readable failures of exact-layout tests.
inline std::string Hex(const std::string &bytes)
{
    static const char *digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty())
            out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// The length byte and characters of a short text, as the value stream writes it.
inline std::string Counted(const std::string &text)
{
    return std::string(1, static_cast<char>(text.size())) + text;
}

inline std::string ParamSignatureBytes()
{
    return std::string("\x06", 1) + Counted("QORParamStream");
}
