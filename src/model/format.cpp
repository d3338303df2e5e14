#include "model/format.h"

#include <vector>

namespace {

std::string Pad(std::string body, size_t width, bool left)
{
    if (body.size() >= width)
        return body;
    std::string fill(width - body.size(), ' ');
    return left ? body + fill : fill + body;
}

std::string IntegerText(int64_t value, char conversion, int precision)
{
    std::string digits;
    bool negative = false;
    uint64_t magnitude;
    if (conversion == 'x') {
        magnitude = static_cast<uint64_t>(value);
        const char *hex = "0123456789ABCDEF";
        do {
            digits.insert(digits.begin(), hex[magnitude % 16]);
            magnitude /= 16;
        } while (magnitude);
    } else {
        negative = value < 0;
        magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
        do {
            digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
            magnitude /= 10;
        } while (magnitude);
    }
    if (precision > 0 && digits.size() < static_cast<size_t>(precision))
        digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
}

} // namespace

std::string FormatText(std::string_view templ, std::initializer_list<FormatArg> args)
{
    std::vector<const FormatArg *> list;
    for (const FormatArg &arg : args)
        list.push_back(&arg);
    size_t next = 0;

    std::string out;
    out.reserve(templ.size() + 16);
    for (size_t i = 0; i < templ.size(); ++i) {
        char c = templ[i];
        if (c != '%') {
            out += c;
            continue;
        }
        size_t j = i + 1;
        if (j < templ.size() && templ[j] == '%') {
            out += '%';
            i = j;
            continue;
        }
        bool left = false;
        if (j < templ.size() && templ[j] == '-') {
            left = true;
            ++j;
        }
        size_t width = 0;
        while (j < templ.size() && templ[j] >= '0' && templ[j] <= '9' && width < 1000)
            width = width * 10 + static_cast<size_t>(templ[j++] - '0');
        int precision = -1;
        if (j < templ.size() && templ[j] == '.') {
            precision = 0;
            ++j;
            while (j < templ.size() && templ[j] >= '0' && templ[j] <= '9' && precision < 1000)
                precision = precision * 10 + (templ[j++] - '0');
        }
        if (j >= templ.size()) { // a lone '%' at the end stays as written
            out.append(templ.substr(i));
            break;
        }
        char conversion = templ[j];
        if (conversion != 'd' && conversion != 'u' && conversion != 'x' && conversion != 's') {
            out.append(templ.substr(i, j - i + 1));
            i = j;
            continue;
        }
        const FormatArg *arg = next < list.size() ? list[next++] : nullptr;
        std::string body;
        if (arg) {
            if (conversion == 's') {
                body = arg->IsText() ? arg->Text() : IntegerText(arg->Integer(), 'd', -1);
                if (precision >= 0 && body.size() > static_cast<size_t>(precision))
                    body.resize(static_cast<size_t>(precision));
            } else {
                body = arg->IsText() ? arg->Text() : IntegerText(arg->Integer(), conversion, precision);
            }
        }
        out += Pad(body, width, left);
        i = j;
    }
    return out;
}
