#include "generator/condicion_grupos.h"

#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/euromillon_apuesta.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/value_stream.h"

#include <algorithm>

namespace {

constexpr uint16_t kTextSinNombre = 41531; // "(Sin nombre)"

void CheckBlock(int32_t block)
{
    if (!IsBlockNumber(block))
        throw EBetError("Bloque not exists");
}

} // namespace

bool CondicionCumple(const TEuroMillonCondicionGrupo &c, const TEuroMillonNumeros &blockValues)
{
    TEuroMillonNumeros coinciding;
    NumerosIntersect(blockValues, c.Numeros, coinciding);
    const int64_t hits = static_cast<int64_t>(coinciding.size());
    const int64_t sum = NumerosSum(coinciding, 0, static_cast<int>(coinciding.size()) - 1);
    const int64_t even = NumerosCountParity(coinciding, true);
    const int64_t odd = NumerosCountParity(coinciding, false);
    return hits >= c.AciertosMin && hits <= c.AciertosMax && sum >= c.SumMin && sum <= c.SumMax &&
           even >= c.ParesMin && even <= c.ParesMax && odd >= c.ImparesMin && odd <= c.ImparesMax;
}

void TEuroMillonCondicionGrupos::Add(const TEuroMillonCondicionGrupo &condicion)
{
    TEuroMillonCondicionGrupoEx entry;
    entry.Condicion = condicion;
    // Entries are sorted by identifier, so the smallest free one is where the
    // sequence 1, 2, 3... first breaks (usually past the end).
    size_t place = entries_.size();
    if (!entries_.empty() && entries_.back().ID != static_cast<int32_t>(entries_.size())) {
        place = 0;
        while (place < entries_.size() && entries_[place].ID == static_cast<int32_t>(place) + 1)
            ++place;
    }
    entry.ID = static_cast<int32_t>(place) + 1;
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(place), std::move(entry));
}

const TEuroMillonCondicionGrupoEx &TEuroMillonCondicionGrupos::Entry(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(FormatText("List index out of bounds (%d)", {index}));
    return entries_[static_cast<size_t>(index)];
}

TEuroMillonCondicionGrupo TEuroMillonCondicionGrupos::Condicion(int index) const
{
    return Entry(index).Condicion;
}

void TEuroMillonCondicionGrupos::Delete(int index)
{
    Entry(index);
    entries_.erase(entries_.begin() + index);
}

int32_t TEuroMillonCondicionGrupos::Cumplen(int index) const
{
    return Entry(index).Cumplen;
}

int32_t TEuroMillonCondicionGrupos::Evaluadas(int index) const
{
    return Entry(index).Evaluadas;
}

int32_t TEuroMillonCondicionGrupos::ID(int index) const
{
    return Entry(index).ID;
}

void TEuroMillonCondicionGrupos::SetCondicion(int index, const TEuroMillonCondicionGrupo &condicion)
{
    if (index < 0 || index >= Count())
        throw EListError("Index SetCondicion out of range");
    entries_[static_cast<size_t>(index)].Condicion = condicion;
}

void TEuroMillonCondicionGrupos::Clear()
{
    while (!entries_.empty())
        entries_.pop_back();
}

int TEuroMillonCondicionGrupos::IndexOfID(int32_t id) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].ID == id)
            return static_cast<int>(i);
    return -1;
}

void TEuroMillonCondicionGrupos::ResetContadores()
{
    for (TEuroMillonCondicionGrupoEx &entry : entries_) {
        entry.Cumplen = 0;
        entry.Evaluadas = 0;
    }
}

std::string TEuroMillonCondicionGrupos::NombreCondicion(int index) const
{
    const TEuroMillonCondicionGrupo &c = Entry(index).Condicion;
    if (!c.Nombre.empty())
        return c.Nombre;
    return GetText(kTextSinNombre) + " " + Resumen(index);
}

std::string TEuroMillonCondicionGrupos::Resumen(int index) const
{
    const TEuroMillonCondicionGrupo &c = Entry(index).Condicion;
    return "B:" + std::to_string(c.Bloque) + " N:" + NumerosToText(c.Numeros);
}

bool TEuroMillonCondicionGrupos::CumpleCondiciones(const TEuroMillonApuesta &bet)
{
    bool verdict = true;
    for (TEuroMillonCondicionGrupoEx &entry : entries_) {
        const bool holds = CondicionCumple(entry.Condicion, bet.Block(entry.Condicion.Bloque).Values());
        ++entry.Evaluadas;
        if (holds)
            ++entry.Cumplen;
        else if (entry.Condicion.Activa)
            verdict = false;
    }
    return verdict;
}

void TEuroMillonCondicionGrupos::GuardarEnStream(TWriter &writer) const
{
    writer.PutListStart();
    for (const TEuroMillonCondicionGrupoEx &entry : entries_) {
        const TEuroMillonCondicionGrupo &c = entry.Condicion;
        writer.PutListStart();
        writer.PutBoolean(c.Activa);
        for (int32_t value : {c.Bloque, c.SumMin, c.SumMax, c.AciertosMin, c.AciertosMax, c.ParesMin,
                              c.ParesMax, c.ImparesMin, c.ImparesMax})
            writer.PutInteger(value);
        writer.PutListStart();
        for (int32_t number : c.Numeros)
            writer.PutInteger(number);
        writer.PutListEnd();
        writer.PutString(c.Nombre);
        writer.PutListEnd();
    }
    writer.PutListEnd();
}

void TEuroMillonCondicionGrupos::LeerDeStream(TReader &reader)
{
    Clear();
    reader.GetListStart();
    while (!reader.AtListEnd()) {
        reader.GetListStart();
        TEuroMillonCondicionGrupo c = CondicionGrupoDefecto;
        c.Activa = reader.GetBoolean();
        for (int32_t *field : {&c.Bloque, &c.SumMin, &c.SumMax, &c.AciertosMin, &c.AciertosMax, &c.ParesMin,
                               &c.ParesMax, &c.ImparesMin, &c.ImparesMax})
            *field = reader.GetInteger();
        // Sorted once at the end: inserting in order one by one would make a
        // hostile list of many numbers take quadratic time.
        reader.GetListStart();
        while (!reader.AtListEnd())
            c.Numeros.push_back(reader.GetInteger());
        reader.GetListEnd();
        std::sort(c.Numeros.begin(), c.Numeros.end());
        c.Numeros.erase(std::unique(c.Numeros.begin(), c.Numeros.end()), c.Numeros.end());
        if (!reader.AtListEnd())
            c.Nombre = reader.GetString();
        Add(c);
        reader.GetListEnd();
    }
    reader.GetListEnd();
}

std::vector<TMaskCondition> TEuroMillonCondicionGrupos::MaskConditions() const
{
    std::vector<TMaskCondition> result;
    for (const TEuroMillonCondicionGrupoEx &entry : entries_) {
        const TEuroMillonCondicionGrupo &c = entry.Condicion;
        CheckBlock(c.Bloque);
        TMaskCondition m;
        m.active = c.Activa;
        m.block = c.Bloque;
        // Values outside the block's range never coincide with a bet's value;
        // a star the edition lacks never coincides either, so every star a
        // mask can hold is accepted here.
        const int32_t highest = c.Bloque == kBlockNumbers ? kHighestValue[kBlockNumbers] : kMostStars;
        for (int32_t value : c.Numeros)
            if (value >= kLowestValue[c.Bloque] && value <= highest)
                m.group |= c.Bloque == kBlockNumbers ? NumberBit(value) : StarBit(value);
        m.sumMin = c.SumMin;
        m.sumMax = c.SumMax;
        m.hitsMin = c.AciertosMin;
        m.hitsMax = c.AciertosMax;
        m.evenMin = c.ParesMin;
        m.evenMax = c.ParesMax;
        m.oddMin = c.ImparesMin;
        m.oddMax = c.ImparesMax;
        result.push_back(m);
    }
    return result;
}

void TEuroMillonCondicionGrupos::SetCounts(const TConditionFilter &filter, int64_t judged)
{
    for (size_t i = 0; i < entries_.size() && i < filter.Count(); ++i) {
        entries_[i].Cumplen = static_cast<int32_t>(filter.Passed(i));
        entries_[i].Evaluadas = static_cast<int32_t>(judged);
    }
}
