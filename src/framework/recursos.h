#pragma once

#include "model/exception.h"
#include "model/memory_stream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TParametres;
class TReader;
class TStream;
class TWriter;

inline constexpr const char *kRecursosErrorPrefix = "TRecursosQOR Error:\n";
inline constexpr const char *kRecursosSignature = "TRecursosQOR";

// Identifiers 0 to 89999 are design resources, 90000 and up application
// resources; the parameter resource holds the parameter stream.
inline constexpr int32_t kFirstAppResource = 90000;
inline constexpr int32_t kLastDesignResource = 89999;
inline constexpr int32_t kParamResourceId = 100001;
inline constexpr const char *kParamResourceName = "QORAPPLICATION";
inline constexpr int32_t kParamResourceType = 9;

// Errors of the resource store; the message starts with "TRecursosQOR Error:\n".
class ERecursosQOR : public Exception {
public:
    explicit ERecursosQOR(const std::string &text) : Exception(kRecursosErrorPrefix + text) {}
};

struct TRecursos {
    int32_t IDRecursos = 0; // unique, never negative in the store
    int32_t IDParent = 0;   // carried, not interpreted
    std::string Name;
    int32_t RecType = 0; // carried, not interpreted
    bool operator==(const TRecursos &) const = default;
};

struct TRecursosStream : TRecursos {
    TMemoryStream Stream;
};

// The end marker of FirstRecurso/NextRecurso.
inline const TRecursos kEndOfRecursos{-1, -1, "", 0};

// Numbered resources, each a record and its bytes, in insertion order. It is
// the body of the application resource file.
class TRecursosQOR {
public:
    // params: the parameter store the parameter resource belongs to.
    explicit TRecursosQOR(TParametres &params);
    ~TRecursosQOR();
    TRecursosQOR(const TRecursosQOR &) = delete;
    TRecursosQOR &operator=(const TRecursosQOR &) = delete;

    // Adds the resource or replaces the one with the same identifier (keeping
    // its place), with a copy of the whole source from its first byte.
    // Raises ERecursosQOR "IDRecursos must be >= 0" for a negative identifier.
    void AddRecurso(const TRecursos &recurso, TStream &source);
    // Searches from the last entry; -1 when absent.
    int IndexOfRecurso(int32_t id) const;
    bool ExistsRecurso(int32_t id) const { return IndexOfRecurso(id) != -1; }
    int Count() const { return static_cast<int>(entries_.size()); }
    // A copy of the resource's bytes at position 0. Raises ERecursosQOR
    // "IDRecursos:<id> not found in list" when absent.
    std::unique_ptr<TMemoryStream> GetRecursoStream(int32_t id) const;

    // Iteration: kEndOfRecursos (IDRecursos -1) when no entry is left.
    TRecursos FirstRecurso();
    TRecursos NextRecurso();

    void ClearRecursos();

    // The resource list of the entries with from <= id, and id <= to when
    // to >= from and to > 0 (otherwise no upper bound).
    void WriteRecursos(TWriter &writer, int32_t from, int32_t to) const;
    // Merges a resource list into the store. Raises EReadError for a damaged
    // list; the resources read before the fault stay.
    void ReadRecursos(TReader &reader);

    // Reads the resource file (when it exists) and then reloads the parameter
    // store from the parameter resource. A faulty parameter stream asks the
    // user whether to go on; No raises EAbort. Raises EFOpenError, EReadError
    // or ERecursosQOR "Stream is not a TRecursosQOR format" for a bad file.
    void LoadFromFile(const std::string &path);
    // The signature check and resource list of a resource file, from stream.
    void ReadResourceFile(TStream &stream);
    // Stores the current parameter stream as the parameter resource, then
    // writes the application resources to path through a temporary file.
    // Raises EFCreateError or EWriteError; the old file then stays.
    void SaveToFile(const std::string &path);
    void WriteResourceFile(TStream &stream) const;

    // Whether the component-stream form writes the property "RECURSOS".
    bool StoresRecursos() const { return !entries_.empty(); }

private:
    void LoadParametres();

    TParametres &params_;
    std::vector<std::unique_ptr<TRecursosStream>> entries_;
    // Identifier -> position, so that reading many resources stays linear.
    std::unordered_map<int32_t, int> positions_;
    int cursor_ = -1;
};
