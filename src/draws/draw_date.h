#pragma once

#include <string>
#include <string_view>

// Date-times are doubles counting days since 30 December 1899, the fraction
// being the time of day. Draws are kept as whole days.

// Earliest and latest day a date-time may hold: 1 January 0001 and
// 31 December 9999.
inline constexpr double kMinFecha = -693593.0;
inline constexpr double kMaxFecha = 2958466.0; // exclusive

// True for a finite value within the years 1 to 9999.
bool FechaValida(double fecha);

// The value truncated toward zero (time part dropped). Only meaningful for
// FechaValida dates.
double DiaEntero(double fecha);

// The date-time of a calendar day; false when the day does not exist.
bool EncodeFecha(int year, int month, int day, double &fecha);
void DecodeFecha(double fecha, int &year, int &month, int &day);

// 1 = Monday ... 7 = Sunday.
int DiaDeLaSemana(double fecha);

// "2004-02-13". Parsing takes exactly that form; false otherwise.
std::string FormatFechaIso(double fecha);
bool ParseFechaIso(std::string_view text, double &fecha);
