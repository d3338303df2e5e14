#include "framework/parametres.h"

#include <exception>

namespace {

std::string UpperAscii(std::string text)
{
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool ValueChanged(const Variant &current, const Variant &next)
{
    if (current.IsNull() != next.IsNull())
        return true;
    if (current.IsNull())
        return false;
    auto a = current.Text();
    auto b = next.Text();
    return !a || !b || *a != *b;
}

} // namespace

void TParametres::CheckNomParametre(const std::string &name)
{
    if (name.empty())
        throw EParametresError("NomParametre is null");
    for (size_t i = 0; i < name.size(); ++i) {
        char c = UpperAscii(std::string(1, name[i]))[0];
        bool valid = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_';
        if (!valid) {
            // Report the whole UTF-8 character, not one byte of it.
            size_t length = 1;
            auto lead = static_cast<unsigned char>(name[i]);
            if (lead >= 0xC0)
                while (i + length < name.size() &&
                       (static_cast<unsigned char>(name[i + length]) & 0xC0) == 0x80)
                    ++length;
            throw EParametresError("Character \"" + name.substr(i, length) +
                                   "\" is not a valid char in NomParametre " + name);
        }
    }
    if (name[0] >= '0' && name[0] <= '9')
        throw EParametresError("Parametre " + name + " can't start with " + name[0]);
}

void TParametres::NotFound(const std::string &name)
{
    throw EParametresError("Parametre \"" + name + "\" not found");
}

int TParametres::IndexOf(const std::string &name) const
{
    auto found = index_.find(UpperAscii(name));
    return found == index_.end() ? -1 : found->second;
}

int TParametres::Count(bool onlySaved) const
{
    if (!onlySaved)
        return static_cast<int>(entries_.size());
    int count = 0;
    for (const auto &entry : entries_)
        count += entry.Save ? 1 : 0;
    return count;
}

int TParametres::CreateEntry(const std::string &name, const Variant &value)
{
    CheckNomParametre(name);
    entries_.push_back(TParametresData{name, Variant::Null(), Variant(), false});
    int index = static_cast<int>(entries_.size()) - 1;
    index_.emplace(UpperAscii(name), index);
    CommitValor(index, value);
    return index;
}

void TParametres::CommitValor(int index, const Variant &value)
{
    // Handlers may add entries, so the entry is reached by position each time.
    const std::string name = entries_[static_cast<size_t>(index)].Name;
    bool commit = ValueChanged(entries_[static_cast<size_t>(index)].Value, value);
    std::exception_ptr handlerError;
    if (OnChangeValorPRM) {
        try {
            OnChangeValorPRM(*this, name, value, commit);
        } catch (...) {
            handlerError = std::current_exception();
        }
    }
    if (commit) {
        auto &entry = entries_[static_cast<size_t>(index)];
        entry.OldValue = entry.Value;
        entry.Value = value;
        if (OnSetValorPRM)
            OnSetValorPRM(*this, name, value);
    }
    if (handlerError)
        std::rethrow_exception(handlerError);
}

Variant TParametres::GetValor(const std::string &name)
{
    int index = IndexOf(name);
    Variant result = Variant::Null();
    if (index == -1) {
        if (!CreaAutomaticParams)
            NotFound(name);
        CreateEntry(name, Variant::Null());
    } else {
        result = entries_[static_cast<size_t>(index)].Value;
    }
    if (OnGetValorPRM)
        OnGetValorPRM(*this, name, result);
    return result;
}

void TParametres::SetValor(const std::string &name, const Variant &value)
{
    int index = IndexOf(name);
    if (index != -1)
        CommitValor(index, value);
    else if (!CreaAutomaticParams)
        NotFound(name);
    else
        CreateEntry(name, value);
}

void TParametres::SetValorCreating(const std::string &name, const Variant &value)
{
    int index = IndexOf(name);
    if (index != -1)
        CommitValor(index, value);
    else
        CreateEntry(name, value);
}

Variant TParametres::GetValorDefault(const std::string &name, const Variant &defaultValue)
{
    Variant result;
    int index = IndexOf(name);
    if (index == -1) {
        result = defaultValue;
        SetValor(name, defaultValue);
    } else {
        result = entries_[static_cast<size_t>(index)].Value;
    }
    if (OnGetValorPRM)
        OnGetValorPRM(*this, name, result);
    return result;
}

bool TParametres::ReadBoolean(const std::string &name, bool defaultValue)
{
    return GetValorDefault(name, Variant(defaultValue)).AsBoolean().value_or(defaultValue);
}

int32_t TParametres::ReadInteger(const std::string &name, int32_t defaultValue)
{
    return GetValorDefault(name, Variant(defaultValue)).AsInteger().value_or(defaultValue);
}

double TParametres::ReadDateTime(const std::string &name, double defaultValue)
{
    return GetValorDefault(name, Variant::DateTime(defaultValue)).AsDateTime().value_or(defaultValue);
}

std::string TParametres::ReadString(const std::string &name, const std::string &defaultValue)
{
    Variant value = GetValorDefault(name, Variant(defaultValue));
    if (value.IsNull())
        return {};
    return value.Text().value_or(defaultValue);
}

void TParametres::SetSave(const std::string &name, bool save)
{
    int index = IndexOf(name);
    if (index == -1)
        throw EParametresError("Parametre " + name + " doesn't exists ");
    entries_[static_cast<size_t>(index)].Save = save;
}

void TParametres::SetSaveList(const std::vector<std::string> &names, bool save)
{
    for (const auto &name : names)
        if (Exists(name))
            SetSave(name, save);
}

void TParametres::Assign(TParametres &source)
{
    OnGetValorPRM = source.OnGetValorPRM;
    OnSetValorPRM = source.OnSetValorPRM;
    CreaAutomaticParams = source.CreaAutomaticParams;
    OnChangeValorPRM = source.OnChangeValorPRM;
    OnSavePRM = source.OnSavePRM;
    SaveParametres = source.SaveParametres;
    // By position: the source's get notification may add entries to it.
    for (size_t i = 0; i < source.entries_.size(); ++i) {
        const std::string name = source.entries_[i].Name;
        Variant value = source.GetValor(name);
        SetValorCreating(name, value);
        const auto &from = source.entries_[i];
        auto &to = entries_[static_cast<size_t>(IndexOf(name))];
        to.OldValue = from.OldValue;
        to.Save = from.Save;
    }
}

TParametres &Parametres()
{
    static TParametres store;
    return store;
}
