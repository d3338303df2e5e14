#pragma once

#include "model/notify_event.h"
#include "model/numeros.h"
#include "model/update_bracket.h"

#include <cstdint>
#include <string>

class TStream;

// One number block of a bet: a sorted set of distinct values that keeps its
// own range and count limits and tells OnChange (sender: the block) of every
// change. Values that break a limit are never an error: Add refuses them and
// loads drop them.
class TEuroMillonNums {
public:
    // A maxValue or maxCount of 0 or less means no limit.
    TEuroMillonNums(int32_t minValue, int32_t maxValue, int32_t minCount, int32_t maxCount);
    TEuroMillonNums(const TEuroMillonNums &) = delete;
    TEuroMillonNums &operator=(const TEuroMillonNums &) = delete;

    // False (and no change) when the value is out of range, present already,
    // or the block is full; else inserts it in order and notifies.
    bool Add(int32_t value);
    bool Remove(int32_t value);
    // Raises EListError "List index out of bounds (%d)" for a position that
    // does not exist; nothing changes then.
    void Delete(int index);
    // One notification when the block held anything.
    void Clear();

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError 40002 "Error index en la lista index: %d" out of range.
    int32_t Items(int index) const;
    int IndexOf(int32_t value) const;
    const TEuroMillonNumeros &Values() const { return items_; }

    // Raises EBetError 40001 "Máximo %d números en el bloque" (with this
    // block's MaxCount) when source holds more values than this block may, and
    // changes nothing then; values outside this block's range are dropped.
    void Assign(const TEuroMillonNums &source);
    void ToArray(TEuroMillonNumeros &array) const { array = items_; }
    // "%.2d" values joined by the number separator in force.
    std::string AsText() const;
    // When value stands at position i: it grows by 1 and every later position
    // becomes its predecessor plus 1. No limit is checked: the caller keeps
    // the values in range. An absent value changes nothing.
    void Advance(int32_t value);
    bool IsComplete() const { return Count() >= minCount_; }

    // Bit v-1 for each value v from 1 to 64.
    uint64_t ValueBits() const;
    // Replaces the values by those of the bits, with the limits of Add, and
    // notifies once when the block held or receives anything.
    void AssignBits(uint64_t bits);

    // Nested brackets; one notification when the outermost closes after a
    // change. Raises EUpdateError "Disabled disorder "TEuroMillonNums"" when
    // no bracket is open.
    void BeginUpdate();
    void EndUpdate();

    // One list of integer values.
    void SaveToStream(TStream &stream) const;
    // Replaces the values by a list of integers read at the stream's
    // position; refused values are dropped. Stream errors pass through, the
    // values read so far staying.
    void LoadFromStream(TStream &stream);

    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    int32_t MinCount() const { return minCount_; }
    int32_t MaxCount() const { return maxCount_; }

    TNotifyEvent OnChange;

private:
    void Changed();

    TEuroMillonNumeros items_;
    int32_t minValue_;
    int32_t maxCount_;
    int32_t maxValue_;
    TUpdateBrackets updates_;
    int32_t minCount_;
};
