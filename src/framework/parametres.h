#pragma once

#include "framework/variant.h"
#include "model/exception.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class TStream;
class TReader;
class TWriter;
class TParametres;

// Misuse of the parameter store: bad names, unknown parameters, bad streams.
class EParametresError : public Exception {
public:
    using Exception::Exception;
};

struct TParametresData {
    std::string Name; // as spelled when the entry was created
    Variant Value = Variant::Null();
    Variant OldValue;  // the value before the last committed change
    bool Save = false; // written when the store is saved
};

using TListParametresData = std::vector<TParametresData>;

// The handler may replace Value.
using TNotifyParametreGetValueEvent =
    std::function<void(TParametres &PRM, const std::string &Parametre, Variant &Value)>;
using TNotifyParametreSetValueEvent =
    std::function<void(TParametres &PRM, const std::string &Parametre, const Variant &NewValue)>;
// The handler may turn Continue either way.
using TNotifyParametreBooleanEvent = std::function<void(TParametres &PRM, const std::string &Parametre,
                                                        const Variant &NewValue, bool &Continue)>;

inline constexpr const char *kParamStreamSignature = "QORParamStream";

// Named settings ("PRM_..."), unique without regard to ASCII letter case,
// kept in creation order. Entries are only ever appended.
class TParametres {
public:
    TParametres() = default;
    TParametres(const TParametres &) = delete;
    TParametres &operator=(const TParametres &) = delete;

    TNotifyParametreGetValueEvent OnGetValorPRM;
    TNotifyParametreSetValueEvent OnSetValorPRM;
    bool CreaAutomaticParams = true; // a name not in the store is created on use
    TNotifyParametreBooleanEvent OnChangeValorPRM;
    TNotifyParametreBooleanEvent OnSavePRM;
    bool SaveParametres = false; // governs only the component-stream form

    int IndexOf(const std::string &name) const;
    bool Exists(const std::string &name) const { return IndexOf(name) != -1; }
    int Count(bool onlySaved = false) const;
    const TParametresData &Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

    // Raises EParametresError "Parametre "<name>" not found" for an unknown
    // name while CreaAutomaticParams is false, and the name errors of
    // CheckNomParametre when an entry would be created.
    Variant GetValor(const std::string &name);
    void SetValor(const std::string &name, const Variant &value);
    // An unknown name takes the default (stored through SetValor); the get
    // notification may replace the result.
    Variant GetValorDefault(const std::string &name, const Variant &defaultValue);

    // Typed getters: a value that cannot be converted gives the default.
    bool ReadBoolean(const std::string &name, bool defaultValue);
    int32_t ReadInteger(const std::string &name, int32_t defaultValue);
    double ReadDateTime(const std::string &name, double defaultValue);
    std::string ReadString(const std::string &name, const std::string &defaultValue);

    // Raises EParametresError "Parametre <name> doesn't exists " for an unknown name.
    void SetSave(const std::string &name, bool save);
    // Unknown names are skipped.
    void SetSaveList(const std::vector<std::string> &names, bool save);

    // The parameter stream: the signature "QORParamStream" and the saved
    // entries as a list of name/value pairs, at the stream's position. An
    // entry named "Null" (any letter case) is never written: its name would
    // read back as the end of the list.
    void SaveToStream(TStream *stream);
    // Merges a parameter stream into the store. Raises Exception for a
    // missing or wrong signature, EParametresError for a value of a kind the
    // stream cannot hold, EReadError for a damaged stream; entries read
    // before the fault stay applied and marked for saving. An entry named
    // "Null" (any letter case) is dropped.
    void LoadFromStream(TStream *stream);
    void WriteParametres(TWriter &writer);
    void ReadParametres(TReader &reader);

    // Whether the component-stream form writes the property "EventsQOR".
    bool StoresEventsQOR(bool hasAncestor) const
    {
        return SaveParametres && (hasAncestor || !entries_.empty());
    }

    // Copies the events, the flags and every entry of source (values through
    // the source's GetValor, then its OldValue and Save marks).
    void Assign(TParametres &source);

    // Raises EParametresError unless name is a letter or underscore followed
    // by letters, digits and underscores.
    static void CheckNomParametre(const std::string &name);

private:
    int CreateEntry(const std::string &name, const Variant &value);
    void CommitValor(int index, const Variant &value);
    void SetValorCreating(const std::string &name, const Variant &value);
    [[noreturn]] static void NotFound(const std::string &name);

    TListParametresData entries_;
    std::unordered_map<std::string, int> index_; // upper-cased name -> position
};

// The program's one parameter store, created on first use.
TParametres &Parametres();
