#include "draws/draw.h"

#include "draws/draw_date.h"
#include "draws/draw_rules.h"
#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/file_stream.h"
#include "model/format.h"
#include "model/value_stream.h"

#include <cstring>

TSorteoEuroMillon::TSorteoEuroMillon(TGameEdition edition)
    : edition_(edition), apuestaGanadora_(std::make_unique<TEuroMillonApuesta>(edition))
{
}

int TSorteoEuroMillon::Categorias() const
{
    return CategoriasSorteo(edition_, FechaSorteo);
}

TSorteoEuroMillon::~TSorteoEuroMillon()
{
    OnChange = nullptr;
}

void TSorteoEuroMillon::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSorteoEuroMillon::Clear()
{
    NumeroSorteo = 0;
    FechaSorteo = 0;
    Recaudacion = 0;
    ImportePremios = 0;
    Acertantes = {};
    PremioCategoria = {};
    apuestaGanadora_->Clear();
}

void TSorteoEuroMillon::SetDatos(const TSorteoEuroMillonInfo &info)
{
    NumeroSorteo = info.NumeroSorteo;
    FechaSorteo = info.FechaSorteo;
    Recaudacion = info.Recaudacion;
    ImportePremios = info.ImportePremios;
    Acertantes = info.Acertantes;
    PremioCategoria = info.PremioCategoria;
    Changed();
}

void TSorteoEuroMillon::SetInfo(const TSorteoEuroMillonInfo &info)
{
    apuestaGanadora_->FromRecord(info.ApuestaGanadora);
    SetDatos(info);
}

void TSorteoEuroMillon::GetInfo(TSorteoEuroMillonInfo &info) const
{
    info.NumeroSorteo = NumeroSorteo;
    info.FechaSorteo = FechaSorteo;
    info.Recaudacion = Recaudacion;
    info.ImportePremios = ImportePremios;
    info.Acertantes = Acertantes;
    info.PremioCategoria = PremioCategoria;
    apuestaGanadora_->ToRecord(info.ApuestaGanadora);
}

void TSorteoEuroMillon::ReadFromStream(TStream &stream, TReader &reader)
{
    reader.GetListStart();
    NumeroSorteo = reader.GetInteger();
    double fecha = reader.GetDate();
    // A date that is no day at all would break the archive's ordering.
    if (!FechaValida(fecha))
        throw EReadError(kInvalidPropertyValue);
    FechaSorteo = fecha;
    Recaudacion = reader.GetCurrency();
    ImportePremios = reader.GetCurrency();
    // The date says how many categories follow; a list of another length
    // fails at its list end.
    const int categorias = Categorias();
    Acertantes = {};
    PremioCategoria = {};
    reader.GetListStart();
    for (int c = 1; c <= categorias; ++c)
        Acertantes[c] = reader.GetInteger();
    reader.GetListEnd();
    reader.GetListStart();
    for (int c = 1; c <= categorias; ++c)
        PremioCategoria[c] = reader.GetCurrency();
    reader.GetListEnd();
    reader.Flush();
    apuestaGanadora_->LoadFromStream(stream);
    reader.Flush();
    reader.GetListEnd();
}

void TSorteoEuroMillon::WriteToStream(TStream &stream, TWriter &writer) const
{
    writer.PutListStart();
    writer.PutInteger(NumeroSorteo);
    writer.PutDate(FechaSorteo);
    writer.PutCurrency(Recaudacion);
    writer.PutCurrency(ImportePremios);
    const int categorias = Categorias();
    writer.PutListStart();
    for (int c = 1; c <= categorias; ++c)
        writer.PutInteger(Acertantes[c]);
    writer.PutListEnd();
    writer.PutListStart();
    for (int c = 1; c <= categorias; ++c)
        writer.PutCurrency(PremioCategoria[c]);
    writer.PutListEnd();
    writer.Flush();
    apuestaGanadora_->SaveToStream(stream);
    writer.Flush();
    writer.PutListEnd();
}

void ReadSignature(TStream &stream, const char (&signature)[4])
{
    char bytes[4] = {};
    if (stream.Read(bytes, sizeof bytes) != sizeof bytes || std::memcmp(bytes, signature, sizeof bytes) != 0)
        throw EDrawFormatError(GetText(kTextNotAValidFormat));
}

const TFileSignature &DrawFileSignature(TGameEdition edition)
{
    return edition == TGameEdition::Current ? kDrawFileSignatureActual : kDrawFileSignature;
}

const TFileSignature &ArchiveFileSignature(TGameEdition edition)
{
    return edition == TGameEdition::Current ? kArchiveFileSignatureActual : kArchiveFileSignature;
}

void ReadEditionSignature(TStream &stream, TGameEdition edition, bool archive)
{
    const TGameEdition other =
        edition == TGameEdition::Current ? TGameEdition::Classic : TGameEdition::Current;
    const TFileSignature &own = archive ? ArchiveFileSignature(edition) : DrawFileSignature(edition);
    const TFileSignature &others = archive ? ArchiveFileSignature(other) : DrawFileSignature(other);
    char bytes[4] = {};
    const bool whole = stream.Read(bytes, sizeof bytes) == sizeof bytes;
    if (whole && std::memcmp(bytes, own, sizeof bytes) == 0)
        return;
    if (whole && std::memcmp(bytes, others, sizeof bytes) == 0)
        throw EDrawEditionError(OtherGameFileText(other, edition));
    throw EDrawFormatError(GetText(kTextNotAValidFormat));
}

void TSorteoEuroMillon::LoadFromStream(TStream &stream)
{
    Clear();
    ReadEditionSignature(stream, edition_, false);
    {
        TReader reader(stream);
        ReadFromStream(stream, reader);
    }
    Changed();
}

void TSorteoEuroMillon::LoadFromFile(const std::string &path)
{
    Clear();
    TFileStream file(path, FileMode::OpenRead);
    LoadFromStream(file);
}
