#include "framework/components.h"

#include "model/cp1252.h"
#include "model/format.h"
#include "model/value_stream.h"

#include <algorithm>

namespace {

[[noreturn]] void Duplicate(int32_t id)
{
    throw EComponentsQOR("Duplicate IDComponents: " + std::to_string(id));
}

} // namespace

int TComponentsQOR::AddComponent(const TComponentQOR &component, TStream &source)
{
    if (ExistsComponent(component.IDComponent))
        Duplicate(component.IDComponent);
    auto entry = std::make_unique<TComponentQORStream>();
    static_cast<TComponentQOR &>(*entry) = component;
    int64_t position = source.Position();
    source.SetPosition(0);
    unsigned char chunk[64 * 1024];
    for (size_t n; (n = source.Read(chunk, sizeof chunk)) > 0;)
        entry->Stream.WriteBuffer(chunk, n);
    source.SetPosition(position);
    entry->Stream.SetPosition(0);
    entries_.push_back(std::move(entry));
    positions_[component.IDComponent] = Count() - 1;
    return Count() - 1;
}

int TComponentsQOR::IndexOfComponent(int32_t id) const
{
    // Identifiers are unique, so the one match is the one a search from the
    // last entry would find.
    auto found = positions_.find(id);
    return found == positions_.end() ? -1 : found->second;
}

void TComponentsQOR::DeleteComponent(int index)
{
    if (index < 0 || index >= Count())
        throw EListError(FormatText("List index out of bounds (%d)", {index}));
    positions_.erase(entries_[static_cast<size_t>(index)]->IDComponent);
    entries_.erase(entries_.begin() + index);
    for (int i = index; i < Count(); ++i)
        positions_[entries_[static_cast<size_t>(i)]->IDComponent] = i;
}

void TComponentsQOR::ClearComponents()
{
    while (!entries_.empty())
        entries_.pop_back();
    positions_.clear();
}

std::unique_ptr<TMemoryStream> TComponentsQOR::GetComponentStream(int32_t id) const
{
    int index = IndexOfComponent(id);
    if (index == -1)
        throw EComponentsQOR("IDComponent not found in TComponentsQORStream.GetStreamComponent");
    return std::make_unique<TMemoryStream>(entries_[static_cast<size_t>(index)]->Stream.Bytes());
}

TComponentQORList TComponentsQOR::ListComponents(const TArrayOfTComponentsType &types) const
{
    TComponentQORList list;
    for (const auto &entry : entries_)
        if (types.empty() || std::find(types.begin(), types.end(), entry->CompType) != types.end())
            list.push_back(*entry);
    return list;
}

void TComponentsQOR::WriteComponents(TWriter &writer) const
{
    writer.PutListStart();
    for (const auto &entry : entries_) {
        writer.PutListStart();
        writer.PutIdent("IDComponent");
        writer.PutInteger(entry->IDComponent);
        writer.PutIdent("Name");
        writer.PutString(entry->Name);
        writer.PutIdent("CompType");
        writer.PutInteger(entry->CompType);
        writer.PutIdent("Stream");
        writer.PutString(Cp1252ToUtf8(entry->Stream.Bytes()));
        writer.PutListEnd();
    }
    writer.PutListEnd();
}

void TComponentsQOR::ReadComponents(TReader &reader)
{
    if (reader.PeekTag() != vaList)
        return;
    reader.GetListStart();
    while (!reader.AtListEnd()) {
        reader.GetListStart();
        TComponentQOR component;
        component.IDComponent = reader.GetLabelledInteger();
        component.Name = reader.GetLabelledString();
        component.CompType = reader.GetLabelledInteger();
        TMemoryStream bytes(Utf8ToCp1252(reader.GetLabelledString()));
        AddComponent(component, bytes);
        reader.GetListEnd();
    }
    reader.GetListEnd();
}
