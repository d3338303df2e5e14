#pragma once

#include "model/exception.h"
#include "model/memory_stream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TReader;
class TWriter;

// Errors of the component store, with the particular text alone.
class EComponentsQOR : public Exception {
public:
    using Exception::Exception;
};

struct TComponentQOR {
    int32_t IDComponent = 0; // unique in the store
    int32_t CompType = 0;    // carried, not interpreted
    std::string Name;
    bool operator==(const TComponentQOR &) const = default;
};

struct TComponentQORStream : TComponentQOR {
    TMemoryStream Stream;
};

using TComponentQORList = std::vector<TComponentQOR>;
using TArrayOfTComponentsType = std::vector<int32_t>;

// Numbered component streams kept for the application object. The program
// creates it empty and never fills it.
class TComponentsQOR {
public:
    TComponentsQOR() = default;
    TComponentsQOR(const TComponentsQOR &) = delete;
    TComponentsQOR &operator=(const TComponentsQOR &) = delete;

    // Appends a copy of the whole source; returns its position. Raises
    // EComponentsQOR "Duplicate IDComponents: <id>" for an identifier present.
    int AddComponent(const TComponentQOR &component, TStream &source);
    int IndexOfComponent(int32_t id) const; // from the last entry; -1 when absent
    bool ExistsComponent(int32_t id) const { return IndexOfComponent(id) != -1; }
    // Raises EListError for a position out of range.
    void DeleteComponent(int index);
    void ClearComponents();
    int Count() const { return static_cast<int>(entries_.size()); }
    // A copy of the bytes at position 0. Raises EComponentsQOR when absent.
    std::unique_ptr<TMemoryStream> GetComponentStream(int32_t id) const;
    // The records whose CompType is in types, or all of them for no types.
    TComponentQORList ListComponents(const TArrayOfTComponentsType &types) const;

    // The data of the component-stream property "COMPONENTS".
    bool StoresComponents() const { return !entries_.empty(); }
    void WriteComponents(TWriter &writer) const;
    // Reads nothing unless a list starts here.
    void ReadComponents(TReader &reader);

private:
    std::vector<std::unique_ptr<TComponentQORStream>> entries_;
    // Identifier -> position, so that reading many components stays linear.
    std::unordered_map<int32_t, int> positions_;
};
