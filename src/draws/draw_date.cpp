#include "draws/draw_date.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

// Day 0 of the date-time count is 30 December 1899, 25569 days before the
// Unix epoch.
constexpr int kDaysBeforeEpoch = 25569;

bool ParseDigits(std::string_view text, int &value)
{
    if (text.empty())
        return false;
    value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        value = value * 10 + (ch - '0');
    }
    return true;
}

} // namespace

bool FechaValida(double fecha)
{
    return std::isfinite(fecha) && fecha >= kMinFecha && fecha < kMaxFecha;
}

double DiaEntero(double fecha)
{
    return std::trunc(fecha);
}

bool EncodeFecha(int year, int month, int day, double &fecha)
{
    using namespace std::chrono;
    year_month_day ymd{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                       std::chrono::day{static_cast<unsigned>(day)}};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || !ymd.ok())
        return false;
    fecha = static_cast<double>(sys_days{ymd}.time_since_epoch().count() + kDaysBeforeEpoch);
    return true;
}

void DecodeFecha(double fecha, int &year, int &month, int &day)
{
    using namespace std::chrono;
    // Days before day 0 count toward the past, so take the floor of the day.
    auto days = static_cast<int>(std::floor(fecha)) - kDaysBeforeEpoch;
    year_month_day ymd{sys_days{std::chrono::days{days}}};
    year = static_cast<int>(ymd.year());
    month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    day = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

int DiaDeLaSemana(double fecha)
{
    using namespace std::chrono;
    auto days = static_cast<int>(std::floor(fecha)) - kDaysBeforeEpoch;
    return static_cast<int>(weekday{sys_days{std::chrono::days{days}}}.iso_encoding());
}

std::string FormatFechaIso(double fecha)
{
    int year = 0, month = 0, day = 0;
    DecodeFecha(fecha, year, month, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

bool ParseFechaIso(std::string_view text, double &fecha)
{
    int year = 0, month = 0, day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    return ParseDigits(text.substr(0, 4), year) && ParseDigits(text.substr(5, 2), month) &&
           ParseDigits(text.substr(8, 2), day) && EncodeFecha(year, month, day, fecha);
}
