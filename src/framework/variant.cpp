#include "framework/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <strings.h>

namespace {

// Serial days of 1 January 0001 and 31 December 9999: the range a date-time
// has a text form for.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;
// 30 December 1899 counted from 1 January 1970.
constexpr int64_t kSerialToUnixDays = -25569;
constexpr int64_t kMillisecondsPerDay = 86400000;

struct CivilDate {
    int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1 January 1970 to a proleptic Gregorian date (H. Hinnant's algorithm).
CivilDate CivilFromDays(int64_t z)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

bool IsLeap(int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::string Trimmed(const std::string &text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<double> ParseNumber(const std::string &text)
{
    std::string s = Trimmed(text);
    if (s.empty())
        return std::nullopt;
    const char *begin = s.data() + (s[0] == '+' ? 1 : 0);
    double value = 0;
    auto [end, error] = std::from_chars(begin, s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<int32_t> RoundToInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = std::nearbyint(value); // half to even, as the default rounding mode
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

} // namespace

Variant Variant::Null()
{
    return Variant(Data(NullTag{}));
}

int64_t Variant::IntegerValue() const
{
    switch (Kind()) {
    case VarType::varSmallint:
        return std::get<int16_t>(data_);
    case VarType::varInteger:
        return std::get<int32_t>(data_);
    case VarType::varByte:
        return std::get<uint8_t>(data_);
    case VarType::varInt64:
        return std::get<int64_t>(data_);
    default:
        return 0;
    }
}

std::string FloatText(double value, bool single)
{
    char buffer[64];
    auto result = single ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value))
                         : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string CurrencyText(int64_t scaled)
{
    bool negative = scaled < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string text = std::to_string(magnitude / 10000);
    if (uint64_t fraction = magnitude % 10000) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(fraction));
        std::string tail(digits);
        tail.erase(tail.find_last_not_of('0') + 1);
        text += '.' + tail;
    }
    return negative ? '-' + text : text;
}

std::optional<std::string> DateTimeText(double days)
{
    if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay + 1)
        return std::nullopt;
    double whole = std::trunc(days);
    double fraction = std::fabs(days - whole);
    CivilDate date = CivilFromDays(static_cast<int64_t>(whole) + kSerialToUnixDays);
    char text[40];
    std::snprintf(text, sizeof text, "%02u/%02u/%04lld", date.day, date.month,
                  static_cast<long long>(date.year));
    std::string result(text);
    if (fraction != 0) {
        auto ms = std::min<int64_t>(std::llround(fraction * kMillisecondsPerDay), kMillisecondsPerDay - 1);
        int64_t seconds = ms / 1000;
        std::snprintf(text, sizeof text, " %02d:%02d:%02d", static_cast<int>(seconds / 3600),
                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
        result += text;
    }
    return result;
}

std::optional<double> ParseDateTimeText(const std::string &text)
{
    unsigned day = 0, month = 0, hour = 0, minute = 0, second = 0;
    int year = 0, used = 0;
    std::string s = Trimmed(text);
    int fields = std::sscanf(s.c_str(), "%2u/%2u/%4d%n %2u:%2u:%2u%n", &day, &month, &year, &used, &hour,
                             &minute, &second, &used);
    if ((fields != 3 && fields != 6) || static_cast<size_t>(used) != s.size())
        return std::nullopt;
    static const unsigned kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > kMonthDays[month - 1] + (month == 2 && IsLeap(year)) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    double serial = static_cast<double>(DaysFromCivil(year, month, day) - kSerialToUnixDays);
    double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    // Before 30 December 1899 the time of day still counts forwards from the day's start.
    return serial < 0 ? serial - time : serial + time;
}

std::optional<std::string> Variant::Text() const
{
    switch (Kind()) {
    case VarType::varEmpty:
    case VarType::varNull:
        return std::string();
    case VarType::varSmallint:
    case VarType::varInteger:
    case VarType::varByte:
    case VarType::varInt64:
        return std::to_string(IntegerValue());
    case VarType::varSingle:
        return FloatText(SingleValue(), true);
    case VarType::varDouble:
        return FloatText(DoubleValue(), false);
    case VarType::varCurrency:
        return CurrencyText(CurrencyValue());
    case VarType::varDate:
        return DateTimeText(DateTimeValue());
    case VarType::varBoolean:
        return std::string(BooleanValue() ? "True" : "False");
    case VarType::varString:
        return std::get<std::string>(data_);
    }
    return std::nullopt;
}

std::optional<bool> Variant::AsBoolean() const
{
    switch (Kind()) {
    case VarType::varNull:
        return std::nullopt;
    case VarType::varBoolean:
        return BooleanValue();
    case VarType::varString: {
        std::string s = Trimmed(std::get<std::string>(data_));
        if (strcasecmp(s.c_str(), "true") == 0)
            return true;
        if (strcasecmp(s.c_str(), "false") == 0)
            return false;
        auto number = ParseNumber(s);
        if (!number)
            return std::nullopt;
        return *number != 0;
    }
    case VarType::varSingle:
        return SingleValue() != 0;
    case VarType::varDouble:
        return DoubleValue() != 0;
    case VarType::varCurrency:
        return CurrencyValue() != 0;
    case VarType::varDate:
        return DateTimeValue() != 0;
    default:
        return IntegerValue() != 0;
    }
}

std::optional<int32_t> Variant::AsInteger() const
{
    switch (Kind()) {
    case VarType::varNull:
        return std::nullopt;
    case VarType::varEmpty:
        return 0;
    case VarType::varBoolean:
        return BooleanValue() ? -1 : 0;
    case VarType::varString: {
        auto number = ParseNumber(std::get<std::string>(data_));
        return number ? RoundToInteger(*number) : std::nullopt;
    }
    case VarType::varSingle:
        return RoundToInteger(SingleValue());
    case VarType::varDouble:
        return RoundToInteger(DoubleValue());
    case VarType::varCurrency:
        return RoundToInteger(static_cast<double>(CurrencyValue()) / 10000.0);
    case VarType::varDate:
        return RoundToInteger(DateTimeValue());
    default:
        return RoundToInteger(static_cast<double>(IntegerValue()));
    }
}

std::optional<double> Variant::AsDateTime() const
{
    switch (Kind()) {
    case VarType::varNull:
        return std::nullopt;
    case VarType::varEmpty:
        return 0.0;
    case VarType::varDate:
        return DateTimeValue();
    case VarType::varBoolean:
        return BooleanValue() ? -1.0 : 0.0;
    case VarType::varString: {
        const auto &text = std::get<std::string>(data_);
        if (auto date = ParseDateTimeText(text))
            return date;
        return ParseNumber(text);
    }
    case VarType::varSingle:
        return SingleValue();
    case VarType::varDouble:
        return DoubleValue();
    case VarType::varCurrency:
        return static_cast<double>(CurrencyValue()) / 10000.0;
    default:
        return static_cast<double>(IntegerValue());
    }
}
