// The parameter stream of TParametres.
#include "framework/error_class.h"
#include "framework/parametres.h"
#include "model/stream.h"
#include "model/value_stream.h"

#include <strings.h>

namespace {

// PutIdent writes the name "Null" (any letter case) as the bare tag that ends
// the list, so every entry after it would be lost at the next load. Such an
// entry is neither read nor written.
bool NameEndsTheList(const std::string &name)
{
    return strcasecmp(name.c_str(), "Null") == 0;
}

void WriteValue(TWriter &writer, const Variant &value)
{
    switch (value.Kind()) {
    case VarType::varEmpty:
    case VarType::varNull:
        writer.PutIdent("NULL");
        break;
    case VarType::varSmallint:
    case VarType::varInteger:
    case VarType::varByte:
        writer.PutInteger(static_cast<int32_t>(value.IntegerValue()));
        break;
    case VarType::varSingle:
        writer.PutSingle(value.SingleValue());
        break;
    case VarType::varDouble:
        writer.PutExtended(value.DoubleValue());
        break;
    case VarType::varCurrency:
        writer.PutCurrency(value.CurrencyValue());
        break;
    case VarType::varDate:
        writer.PutDate(value.DateTimeValue());
        break;
    case VarType::varBoolean:
        writer.PutBoolean(value.BooleanValue());
        break;
    case VarType::varString:
    case VarType::varInt64:
        writer.PutString(value.Text().value_or(std::string()));
        break;
    }
}

} // namespace

void TParametres::SaveToStream(TStream *stream)
{
    if (!stream)
        return;
    TWriter writer(*stream);
    writer.PutString(kParamStreamSignature);
    WriteParametres(writer);
}

void TParametres::LoadFromStream(TStream *stream)
{
    if (!stream)
        return;
    TReader reader(*stream);
    std::string signature;
    try {
        signature = reader.GetString();
    } catch (const std::exception &error) {
        throw Exception("Invalid Stream Format Error. Can't Load a TParametres from a Stream\nError Class: " +
                        ErrorClassName(error) + "\nError message: " + error.what());
    }
    if (signature != kParamStreamSignature)
        throw Exception("Invalid Stream Format.This Stream doesn't contain a valid TParametres(Const : "
                        "QORParamStream not found, found " +
                        signature);
    if (reader.Position() < stream->Size() - 1 && reader.PeekTag() == vaList)
        ReadParametres(reader);
}

void TParametres::WriteParametres(TWriter &writer)
{
    writer.PutListStart();
    // By position: a save handler may add entries.
    for (size_t i = 0; i < entries_.size(); ++i) {
        const TParametresData entry = entries_[i];
        bool save = entry.Save;
        if (OnSavePRM)
            OnSavePRM(*this, entry.Name, entry.Value, save);
        if (!save || NameEndsTheList(entry.Name))
            continue;
        writer.PutIdent(entry.Name);
        WriteValue(writer, entry.Value);
    }
    writer.PutListEnd();
}

void TParametres::ReadParametres(TReader &reader)
{
    reader.GetListStart();
    while (!reader.AtListEnd()) {
        std::string name = reader.GetIdent();
        Variant value = Variant::Null();
        switch (reader.PeekTag()) {
        case vaInt8:
        case vaInt16:
        case vaInt32:
            value = Variant(reader.GetInteger());
            break;
        case vaExtended:
            value = Variant(reader.GetExtended());
            break;
        case vaSingle:
            value = Variant(static_cast<double>(reader.GetSingle()));
            break;
        case vaCurrency:
            value = Variant::Currency(reader.GetCurrency());
            break;
        case vaDate:
            value = Variant::DateTime(reader.GetDate());
            break;
        case vaFalse:
        case vaTrue:
            value = Variant(reader.GetBoolean());
            break;
        case vaString:
        case vaLString:
        case vaWString: // refused by the reader with "Invalid property value"
            value = Variant(reader.GetString());
            break;
        case vaIdent:
            reader.GetIdent();
            break;
        case vaNull:
            reader.SkipValue();
            break;
        default:
            throw EParametresError("ERROR Reading Properties of Component :\nInvalid Value of Parametre " +
                                   name);
        }
        if (NameEndsTheList(name))
            continue; // dropped like any other data the store cannot keep
        SetValorCreating(name, value);
        entries_[static_cast<size_t>(IndexOf(name))].Save = true;
    }
    reader.GetListEnd();
}
