#include "draws/draw_archive.h"

#include "draws/draw.h"
#include "draws/draw_date.h"
#include "draws/draw_rules.h"
#include "model/file_stream.h"
#include "model/format.h"
#include "model/value_stream.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

namespace {

// Sets the busy flag for a scope and puts the previous value back on every
// exit, errors included.
class TBusyScope {
public:
    explicit TBusyScope(bool &flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~TBusyScope() { flag_ = previous_; }
    TBusyScope(const TBusyScope &) = delete;
    TBusyScope &operator=(const TBusyScope &) = delete;

private:
    bool &flag_;
    bool previous_;
};

[[noreturn]] void IndexError(int index)
{
    throw EListError(FormatText("List index out of bounds (%d)", {index}));
}

// The record as the archive keeps it: a whole day, and nothing in a category
// the draw does not have (2+0 before May 2011, or in the classic game).
void Settle(TSorteoEuroMillonInfo &info, TGameEdition edition)
{
    info.FechaSorteo = DiaEntero(info.FechaSorteo);
    if (CategoriasSorteo(edition, info.FechaSorteo) < kMaxCategorias) {
        info.Acertantes[kMaxCategorias] = 0;
        info.PremioCategoria[kMaxCategorias] = 0;
    }
}

} // namespace

TSorteosEuroMillon::~TSorteosEuroMillon()
{
    Clear();
}

const TSorteoEuroMillonInfo &TSorteosEuroMillon::Sorteo(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return sorteos_[static_cast<size_t>(index)];
}

void TSorteosEuroMillon::GetSorteo(int index, TSorteoEuroMillonInfo &info) const
{
    info = Sorteo(index);
}

int TSorteosEuroMillon::IndexOfFecha(double fecha) const
{
    if (!FechaValida(fecha))
        return -1;
    // Newest first and one draw per day: the day's draw, if any, is where the
    // first draw not later than that day stands.
    double day = DiaEntero(fecha);
    auto it =
        std::lower_bound(sorteos_.begin(), sorteos_.end(), day,
                         [](const TSorteoEuroMillonInfo &info, double d) { return info.FechaSorteo > d; });
    return it != sorteos_.end() && it->FechaSorteo == day ? static_cast<int>(it - sorteos_.begin()) : -1;
}

void TSorteosEuroMillon::AddSorteo(const TSorteoEuroMillonInfo &info)
{
    if (!FechaValida(info.FechaSorteo))
        throw EDrawDateError("Invalid date");
    ComprobarFechaDelJuego(edition_, info.FechaSorteo);
    int index = IndexOfFecha(info.FechaSorteo);
    if (index >= 0) {
        ReplaceSorteo(index, info);
        return;
    }
    TSorteoEuroMillonInfo copy = info;
    Settle(copy, edition_);
    auto position = std::lower_bound(
        sorteos_.begin(), sorteos_.end(), copy.FechaSorteo,
        [](const TSorteoEuroMillonInfo &stored, double day) { return stored.FechaSorteo > day; });
    sorteos_.insert(position, std::move(copy));
}

int TSorteosEuroMillon::AddSorteos(const std::vector<TSorteoEuroMillonInfo> &draws)
{
    std::vector<TSorteoEuroMillonInfo> added;
    std::unordered_set<double> days;
    int replaced = 0;
    try {
        for (const TSorteoEuroMillonInfo &info : draws) {
            if (!FechaValida(info.FechaSorteo))
                throw EDrawDateError("Invalid date");
            ComprobarFechaDelJuego(edition_, info.FechaSorteo);
            double day = DiaEntero(info.FechaSorteo);
            if (!days.insert(day).second || IndexOfFecha(day) >= 0)
                ++replaced;
            added.push_back(info);
        }
    } catch (...) {
        Merge(std::move(added));
        throw;
    }
    Merge(std::move(added));
    return replaced;
}

// Newest first, whole days, and of two draws of one day the one that comes
// later: the held draws, then the added ones in their order.
void TSorteosEuroMillon::Merge(std::vector<TSorteoEuroMillonInfo> &&added)
{
    if (added.empty())
        return;
    for (TSorteoEuroMillonInfo &info : added)
        Settle(info, edition_);
    std::vector<TSorteoEuroMillonInfo> all = std::move(sorteos_);
    all.insert(all.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    std::stable_sort(all.begin(), all.end(),
                     [](const TSorteoEuroMillonInfo &a, const TSorteoEuroMillonInfo &b) {
                         return a.FechaSorteo > b.FechaSorteo;
                     });
    sorteos_.clear();
    for (size_t i = 0; i < all.size(); ++i)
        if (i + 1 == all.size() || all[i + 1].FechaSorteo != all[i].FechaSorteo)
            sorteos_.push_back(std::move(all[i]));
}

void TSorteosEuroMillon::AddSorteo(const TSorteoEuroMillon &sorteo)
{
    TSorteoEuroMillonInfo info;
    sorteo.GetInfo(info);
    AddSorteo(info);
}

void TSorteosEuroMillon::ReplaceSorteo(int index, const TSorteoEuroMillonInfo &info)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    TSorteoEuroMillonInfo &stored = sorteos_[static_cast<size_t>(index)];
    if (!FechaValida(info.FechaSorteo) || stored.FechaSorteo != DiaEntero(info.FechaSorteo))
        return;
    ComprobarFechaDelJuego(edition_, info.FechaSorteo);
    stored = info;
    Settle(stored, edition_);
}

void TSorteosEuroMillon::DeleteSorteo(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    sorteos_.erase(sorteos_.begin() + index);
}

void TSorteosEuroMillon::Clear()
{
    TBusyScope busy(busy_);
    sorteos_.clear();
}

void TSorteosEuroMillon::KeepRange(double desde, double hasta)
{
    double first = DiaEntero(desde);
    double last = DiaEntero(hasta);
    std::erase_if(sorteos_, [&](const TSorteoEuroMillonInfo &info) {
        return info.FechaSorteo < first || info.FechaSorteo > last;
    });
}

void TSorteosEuroMillon::LoadFromFile(const std::string &path)
{
    // A folder standing where the archive should be counts as no archive.
    std::error_code error;
    if (busy_ || !std::filesystem::exists(path, error) || std::filesystem::is_directory(path, error))
        return;
    TBusyScope busy(busy_);
    Clear();
    TFileStream file(path, FileMode::OpenRead);
    ReadArchive(file);
}

void TSorteosEuroMillon::LoadFromStream(TStream &stream)
{
    if (busy_)
        return;
    TBusyScope busy(busy_);
    ReadArchive(stream);
}

void TSorteosEuroMillon::ReadArchive(TStream &stream)
{
    Clear();
    ReadEditionSignature(stream, edition_, true);
    // The draws are gathered in file order and put in place once at the end,
    // also when the read fails: inserting each where it belongs would make a
    // file in the wrong order cost quadratic time.
    std::vector<TSorteoEuroMillonInfo> read;
    auto settle = [&] { Merge(std::move(read)); };
    try {
        TReader reader(stream);
        reader.GetListStart();
        TSorteoEuroMillon scratch(edition_);
        TSorteoEuroMillonInfo info;
        while (!reader.AtListEnd()) {
            scratch.ReadFromStream(stream, reader);
            scratch.GetInfo(info);
            if (!FechaValida(info.FechaSorteo))
                throw EDrawDateError("Invalid date");
            // A draw of another game's days (a classic archive filled by an
            // older import with today's draws) is left out: checked with the
            // combination it would give wrong prizes and prices.
            if (FechaDelJuego(edition_, info.FechaSorteo) == TFechaJuego::Admitida)
                read.push_back(info);
        }
        reader.GetListEnd();
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void TSorteosEuroMillon::SaveToFile(const std::string &path)
{
    if (busy_)
        return;
    TBusyScope busy(busy_);
    std::error_code error;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directory(folder, error); // a failure shows when the file is created
    SaveFileSafely(path, [&](TStream &stream) { WriteArchive(stream); });
}

void TSorteosEuroMillon::SaveToStream(TStream &stream)
{
    if (busy_)
        return;
    TBusyScope busy(busy_);
    WriteArchive(stream);
}

void TSorteosEuroMillon::WriteArchive(TStream &stream) const
{
    stream.WriteBuffer(ArchiveFileSignature(edition_), sizeof(TFileSignature));
    TWriter writer(stream);
    writer.PutListStart();
    TSorteoEuroMillon scratch(edition_);
    for (const TSorteoEuroMillonInfo &info : sorteos_) {
        scratch.SetDatos(info);
        scratch.ApuestaGanadora().FromRecord(info.ApuestaGanadora);
        scratch.WriteToStream(stream, writer);
    }
    writer.PutListEnd();
}
