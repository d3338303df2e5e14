#include "draws/draw_history_csv.h"

#include "draws/draw_date.h"
#include "draws/draw_rules.h"
#include "model/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <string_view>

namespace {

constexpr size_t kNoColumn = SIZE_MAX;

struct TColumns {
    size_t Fecha = 0;
    std::array<size_t, 5> Numeros{};
    std::array<size_t, 2> Estrellas{};
    // kNoColumn where the file lacks the rank (13 in the files of 2004 to
    // 2011) or its French count.
    std::array<size_t, kMaxCategorias> Acertantes{};
    std::array<size_t, kMaxCategorias> AcertantesFrancia{};
    std::array<size_t, kMaxCategorias> Premios{};
};

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        size_t end = line.find(';', start);
        std::string_view field = line.substr(start, end == std::string_view::npos ? line.npos : end - start);
        while (!field.empty() && field.front() == ' ')
            field.remove_prefix(1);
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        fields.push_back(field);
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

class TRowError {
public:
    explicit TRowError(std::string reason) : Reason(std::move(reason)) {}
    std::string Reason;
};

std::optional<size_t> FindColumn(const std::vector<std::string_view> &header,
                                 std::initializer_list<std::string> names)
{
    for (const std::string &name : names) {
        auto it = std::find(header.begin(), header.end(), name);
        if (it != header.end())
            return static_cast<size_t>(it - header.begin());
    }
    return std::nullopt;
}

size_t RequireColumn(const std::vector<std::string_view> &header, std::initializer_list<std::string> names)
{
    if (auto column = FindColumn(header, names))
        return *column;
    throw TRowError(FormatText("column %s missing", {*names.begin()}));
}

TColumns ReadHeader(const std::vector<std::string_view> &header)
{
    TColumns columns;
    columns.Fecha = RequireColumn(header, {"date_de_tirage"});
    for (size_t i = 0; i < 5; ++i)
        columns.Numeros[i] = RequireColumn(header, {"boule_" + std::to_string(i + 1)});
    for (size_t i = 0; i < 2; ++i)
        columns.Estrellas[i] = RequireColumn(header, {"etoile_" + std::to_string(i + 1)});
    for (size_t k = 0; k < kMaxCategorias; ++k) {
        std::string rank = std::to_string(k + 1);
        std::initializer_list<std::string> europe = {"nombre_de_gagnant_au_rang" + rank + "_en_europe",
                                                     "nombre_de_gagnant_au_rang" + rank +
                                                         "_Euro_Millions_en_europe"};
        std::initializer_list<std::string> prize = {"rapport_du_rang" + rank,
                                                    "rapport_du_rang" + rank + "_Euro_Millions"};
        const bool required = k < kNumCategorias;
        columns.Acertantes[k] =
            required ? RequireColumn(header, europe) : FindColumn(header, europe).value_or(kNoColumn);
        columns.Premios[k] =
            required ? RequireColumn(header, prize) : FindColumn(header, prize).value_or(kNoColumn);
        columns.AcertantesFrancia[k] =
            FindColumn(header, {"nombre_de_gagnant_au_rang" + rank + "_en_france",
                                "nombre_de_gagnant_au_rang" + rank + "_Euro_Millions_en_france"})
                .value_or(kNoColumn);
    }
    return columns;
}

int32_t ParseInteger(std::string_view text, const char *what)
{
    if (text.empty())
        return 0;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw TRowError(FormatText("%s '%s' is not a number", {what, std::string(text)}));
    return value;
}

bool ParseNumber(std::string_view text, int &value)
{
    if (text.empty() || text.size() > 4)
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

double ParseDate(std::string_view text)
{
    int year = 0, month = 0, day = 0;
    bool parsed = false;
    if (text.size() == 8 && text.find('/') == text.npos) {
        parsed = ParseNumber(text.substr(0, 4), year) && ParseNumber(text.substr(4, 2), month) &&
                 ParseNumber(text.substr(6, 2), day);
    } else if ((text.size() == 10 || text.size() == 8) && text[2] == '/' && text[5] == '/') {
        parsed = ParseNumber(text.substr(0, 2), day) && ParseNumber(text.substr(3, 2), month) &&
                 ParseNumber(text.substr(6), year);
        if (text.size() == 8)
            year += 2000;
    }
    double fecha = 0;
    if (!parsed || !EncodeFecha(year, month, day, fecha))
        throw TRowError(FormatText("'%s' is not a date", {std::string(text)}));
    return fecha;
}

// What a row of the history is to the edition's archive.
enum class TRowKind { Draw, StarsDoNotFit, OtherGame };

// Fills the row and says whether the edition's archive takes it: a classic
// history's row whose stars do not fit 1 to 9, or that is dated after the
// classic game's last draw, belongs to a later form of the game.
TRowKind ReadRow(const std::vector<std::string_view> &fields, const TColumns &columns, TGameEdition edition,
                 THistoryDraw &row)
{
    auto field = [&](size_t column) -> std::string_view {
        if (column >= fields.size())
            throw TRowError(
                FormatText("%d fields, at least %d expected",
                           {static_cast<long long>(fields.size()), static_cast<long long>(column + 1)}));
        return fields[column];
    };

    row.Fecha = ParseDate(field(columns.Fecha));
    switch (FechaDelJuego(edition, row.Fecha)) {
    case TFechaJuego::AnteriorAlJuego:
        throw TRowError(FormatText("the draw of %s is before the game's first draw (2004-02-13)",
                                   {FormatFechaIso(row.Fecha)}));
    case TFechaJuego::DelJuegoActual:
        return TRowKind::OtherGame;
    case TFechaJuego::Admitida:
        break;
    }
    for (size_t i = 0; i < 5; ++i)
        row.Numeros[i] = ParseInteger(field(columns.Numeros[i]), "number");
    for (size_t i = 0; i < 2; ++i)
        row.Estrellas[i] = ParseInteger(field(columns.Estrellas[i]), "star");
    std::sort(row.Numeros.begin(), row.Numeros.end());
    std::sort(row.Estrellas.begin(), row.Estrellas.end());
    if (row.Numeros.front() < 1 || row.Numeros.back() > 50 ||
        std::adjacent_find(row.Numeros.begin(), row.Numeros.end()) != row.Numeros.end())
        throw TRowError("the numbers are not five distinct numbers of 1 to 50");
    if (row.Estrellas[0] == row.Estrellas[1])
        throw TRowError("the two stars are the same");
    const int highestStar = EstrellaMaximaSorteo(edition, row.Fecha);
    const bool starsFit = row.Estrellas.front() >= 1 && row.Estrellas.back() <= highestStar;
    if (!starsFit && edition == TGameEdition::Current)
        throw TRowError(
            FormatText("the stars are not two of 1 to %d, as the draws of that day had", {highestStar}));

    const int categorias = CategoriasSorteo(edition, row.Fecha);
    for (int c = 1; c <= categorias; ++c) {
        size_t k = static_cast<size_t>(c - 1);
        if (columns.Acertantes[k] == kNoColumn || columns.Premios[k] == kNoColumn)
            continue; // a file of before the rank
        int32_t winners = ParseInteger(field(columns.Acertantes[k]), "winner count");
        if (columns.AcertantesFrancia[k] != kNoColumn)
            winners = std::max(winners, ParseInteger(field(columns.AcertantesFrancia[k]), "winner count"));
        row.Acertantes[c] = winners;
        std::string_view amount = field(columns.Premios[k]);
        Currency premio = 0;
        if (!amount.empty() && !ParseCurrency(amount, premio))
            throw TRowError(FormatText("prize '%s' is not an amount", {std::string(amount)}));
        row.Premios[c] = premio;
    }
    return starsFit ? TRowKind::Draw : TRowKind::StarsDoNotFit;
}

// Reads one line without its LF into line; false at the end of the input.
// Stops reading at kMaxLineBytes, so that a file without line breaks (or a
// device that never ends) cannot fill the memory: the line is then too long.
bool ReadLine(std::istream &input, std::string &line, bool &tooLong)
{
    line.clear();
    tooLong = false;
    std::streambuf *buffer = input.rdbuf();
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n')
            return true;
        if (line.size() == kMaxLineBytes) {
            tooLong = true;
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
    return any;
}

} // namespace

namespace {

// Reads the history; a bad row goes to errores when given, else it raises.
TDrawHistory ReadHistory(std::istream &input, const std::string &source, std::vector<TLineaErronea> *errores,
                         TGameEdition edition)
{
    TDrawHistory history;
    std::optional<TColumns> columns;
    // Days taken so far and their lines: a repeated day keeps its first row.
    // Rows left out (for their stars, their day or an error) take no day, so
    // they never stand in the way of a later row of the same day.
    std::map<double, long long> fechas;
    std::string line;
    long long lineNumber = 0;
    for (bool tooLong = false; ReadLine(input, line, tooLong);) {
        ++lineNumber;
        if (tooLong)
            throw EHistorialError(
                FormatText("%s, line %d: %s",
                           {source, lineNumber, FormatText("longer than %d bytes", {kMaxLineBytes})}));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3); // a UTF-8 byte order mark
        if (line.find_first_not_of(" ;") == std::string::npos)
            continue;
        try {
            std::vector<std::string_view> fields = SplitFields(line);
            if (!columns) {
                columns = ReadHeader(fields);
                continue;
            }
            THistoryDraw row;
            switch (ReadRow(fields, *columns, edition, row)) {
            case TRowKind::OtherGame:
                ++history.DelJuegoActual;
                continue;
            case TRowKind::StarsDoNotFit:
                ++history.Descartados;
                continue;
            case TRowKind::Draw:
                break;
            }
            auto [first, added] = fechas.emplace(row.Fecha, lineNumber);
            if (!added)
                throw TRowError(FormatText("the draw of %s is already listed at line %d, which is kept",
                                           {FormatFechaIso(row.Fecha), first->second}));
            history.Sorteos.push_back(row);
        } catch (const TRowError &error) {
            if (!errores || !columns)
                throw EHistorialError(FormatText("%s, line %d: %s", {source, lineNumber, error.Reason}));
            errores->push_back({lineNumber, error.Reason});
        }
    }
    if (!columns)
        throw EHistorialError(FormatText("%s, line %d: %s", {source, lineNumber, "no column names"}));
    return history;
}

} // namespace

TDrawHistory ReadHistoryCsv(std::istream &input, const std::string &source, TGameEdition edition)
{
    return ReadHistory(input, source, nullptr, edition);
}

TDrawHistory ReadHistoryCsv(std::istream &input, const std::string &source,
                            std::vector<TLineaErronea> &errores, TGameEdition edition)
{
    return ReadHistory(input, source, &errores, edition);
}

TDrawHistory ReadHistoryCsv(const std::string &path, TGameEdition edition)
{
    std::ifstream input(path, std::ios::binary);
    if (!input)
        throw EFOpenError(FormatText("Cannot open file %s", {path}));
    return ReadHistoryCsv(input, path, edition);
}

int32_t NumeroSorteoOficial(double fecha)
{
    // 13 February 2004 (a Friday) and 10 May 2011 (the first Tuesday draw).
    constexpr double kPrimerSorteo = 38030;
    constexpr double kPrimerMartes = 40673;
    constexpr int32_t kSorteosSoloViernes = 378;
    if (!FechaValida(fecha) || fecha < kPrimerSorteo)
        return 0;
    double day = std::floor(fecha);
    if (day < kPrimerMartes)
        return static_cast<int32_t>((day - kPrimerSorteo) / 7) + 1;
    auto since = static_cast<int64_t>(day - kPrimerMartes);
    // Each week from a Tuesday holds the Tuesday draw and, three days on, the Friday one.
    return kSorteosSoloViernes + static_cast<int32_t>(2 * (since / 7) + 1 + (since % 7 >= 3 ? 1 : 0));
}
