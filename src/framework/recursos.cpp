#include "framework/recursos.h"

#include "model/cp1252.h"
#include "model/value_stream.h"

namespace {

std::vector<unsigned char> WholeContent(TStream &source)
{
    int64_t position = source.Position();
    source.Seek(0, SeekOrigin::Begin);
    std::vector<unsigned char> bytes;
    unsigned char chunk[64 * 1024];
    for (size_t n; (n = source.Read(chunk, sizeof chunk)) > 0;)
        bytes.insert(bytes.end(), chunk, chunk + n);
    source.Seek(position, SeekOrigin::Begin);
    return bytes;
}

} // namespace

TRecursosQOR::TRecursosQOR(TParametres &params) : params_(params) {}

TRecursosQOR::~TRecursosQOR()
{
    ClearRecursos();
}

void TRecursosQOR::AddRecurso(const TRecursos &recurso, TStream &source)
{
    if (recurso.IDRecursos < 0)
        throw ERecursosQOR("IDRecursos must be >= 0");
    // The bytes are gathered first, so a failure leaves the store as it was.
    std::vector<unsigned char> bytes = WholeContent(source);
    TMemoryStream stream;
    if (!bytes.empty())
        stream.WriteBuffer(bytes.data(), bytes.size());
    stream.SetPosition(0);

    int index = IndexOfRecurso(recurso.IDRecursos);
    if (index == -1) {
        entries_.push_back(std::make_unique<TRecursosStream>());
        index = Count() - 1;
        positions_[recurso.IDRecursos] = index;
    }
    auto &entry = *entries_[static_cast<size_t>(index)];
    static_cast<TRecursos &>(entry) = recurso;
    entry.Stream = std::move(stream);
}

int TRecursosQOR::IndexOfRecurso(int32_t id) const
{
    // Identifiers are unique, so the one match is the one a search from the
    // last entry would find.
    auto found = positions_.find(id);
    return found == positions_.end() ? -1 : found->second;
}

std::unique_ptr<TMemoryStream> TRecursosQOR::GetRecursoStream(int32_t id) const
{
    int index = IndexOfRecurso(id);
    if (index == -1)
        throw ERecursosQOR("IDRecursos:" + std::to_string(id) + " not found in list");
    const auto &data = entries_[static_cast<size_t>(index)]->Stream.Data();
    return std::make_unique<TMemoryStream>(
        std::string_view(reinterpret_cast<const char *>(data.data()), data.size()));
}

TRecursos TRecursosQOR::FirstRecurso()
{
    if (entries_.empty())
        return kEndOfRecursos;
    cursor_ = 0;
    return *entries_.front();
}

TRecursos TRecursosQOR::NextRecurso()
{
    if (cursor_ + 1 >= Count())
        return kEndOfRecursos;
    ++cursor_;
    return *entries_[static_cast<size_t>(cursor_)];
}

void TRecursosQOR::ClearRecursos()
{
    entries_.clear();
    positions_.clear();
    cursor_ = -1;
}

void TRecursosQOR::WriteRecursos(TWriter &writer, int32_t from, int32_t to) const
{
    bool bounded = to >= from && to > 0;
    writer.PutListStart();
    for (const auto &entry : entries_) {
        if (entry->IDRecursos < from || (bounded && entry->IDRecursos > to))
            continue;
        auto copy = GetRecursoStream(entry->IDRecursos);
        writer.PutListStart();
        writer.PutIdent("IDRecursos");
        writer.PutInteger(entry->IDRecursos);
        writer.PutIdent("IDParent");
        writer.PutInteger(entry->IDParent);
        writer.PutIdent("Name");
        writer.PutString(entry->Name);
        writer.PutIdent("RecType");
        writer.PutInteger(entry->RecType);
        writer.PutIdent("Stream");
        // One character per byte: the bytes pass the text conversion unchanged.
        writer.PutString(Cp1252ToUtf8(copy->Bytes()));
        writer.PutListEnd();
    }
    writer.PutListEnd();
}

void TRecursosQOR::ReadRecursos(TReader &reader)
{
    reader.GetListStart();
    while (!reader.AtListEnd()) {
        reader.GetListStart();
        TRecursos recurso;
        recurso.IDRecursos = reader.GetLabelledInteger();
        recurso.IDParent = reader.GetLabelledInteger();
        recurso.Name = reader.GetLabelledString();
        recurso.RecType = reader.GetLabelledInteger();
        TMemoryStream bytes(Utf8ToCp1252(reader.GetLabelledString()));
        AddRecurso(recurso, bytes);
        reader.GetListEnd();
    }
    reader.GetListEnd();
}
