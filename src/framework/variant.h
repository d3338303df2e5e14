#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

// Kinds a Variant can hold. varInt64 stands for "any other kind": it is kept
// and shown as text but written to a parameter stream as its text form.
enum class VarType {
    varEmpty,
    varNull,
    varSmallint, // 16-bit integer
    varInteger,  // 32-bit integer
    varByte,     // 8-bit unsigned integer
    varSingle,
    varDouble,
    varCurrency, // amount times 10000
    varDate,     // days since 30 December 1899, fraction = time of day
    varBoolean,
    varString, // UTF-8 text
    varInt64,
};

struct TVarCurrency {
    int64_t scaled = 0;
    bool operator==(const TVarCurrency &) const = default;
};

struct TVarDateTime {
    double days = 0;
    bool operator==(const TVarDateTime &) const = default;
};

// A tagged value of the parameter store. Default-constructed it is empty.
class Variant {
public:
    Variant() = default;
    static Variant Null();
    static Variant Smallint(int16_t value) { return Variant(Data(value)); }
    static Variant Byte(uint8_t value) { return Variant(Data(value)); }
    static Variant DateTime(double days) { return Variant(Data(TVarDateTime{days})); }
    static Variant Currency(int64_t scaled) { return Variant(Data(TVarCurrency{scaled})); }
    static Variant Int64(int64_t value) { return Variant(Data(value)); }

    Variant(int32_t value) : data_(value) {}
    Variant(float value) : data_(value) {}
    Variant(double value) : data_(value) {}
    Variant(bool value) : data_(value) {}
    Variant(std::string text) : data_(std::move(text)) {}
    Variant(const char *text) : data_(std::string(text)) {}

    VarType Kind() const { return static_cast<VarType>(data_.index()); }
    bool IsNull() const { return Kind() == VarType::varNull; }
    bool IsEmpty() const { return Kind() == VarType::varEmpty; }

    // The value's text form; empty and null give the empty text. Fails
    // (nullopt) only for a date-time outside the years 1 to 9999.
    std::optional<std::string> Text() const;

    // Conversions of the typed getters; nullopt when the value cannot be
    // taken as that kind (null, a text that is no number, out of range).
    std::optional<bool> AsBoolean() const;
    std::optional<int32_t> AsInteger() const;
    std::optional<double> AsDateTime() const;

    // Raw access for the stream writer; valid only for the matching kind.
    int64_t IntegerValue() const;
    float SingleValue() const { return std::get<float>(data_); }
    double DoubleValue() const { return std::get<double>(data_); }
    int64_t CurrencyValue() const { return std::get<TVarCurrency>(data_).scaled; }
    double DateTimeValue() const { return std::get<TVarDateTime>(data_).days; }
    bool BooleanValue() const { return std::get<bool>(data_); }

    bool operator==(const Variant &) const = default;

private:
    struct EmptyTag {
        bool operator==(const EmptyTag &) const = default;
    };
    struct NullTag {
        bool operator==(const NullTag &) const = default;
    };
    // Alternatives in the order of VarType.
    using Data = std::variant<EmptyTag, NullTag, int16_t, int32_t, uint8_t, float, double, TVarCurrency,
                              TVarDateTime, bool, std::string, int64_t>;
    explicit Variant(Data data) : data_(std::move(data)) {}

    Data data_;
};

// Text forms used by Variant::Text and the string getter of the store.
std::string FloatText(double value, bool single);
std::string CurrencyText(int64_t scaled);
// Short date "dd/mm/yyyy", then a blank and "hh:nn:ss" unless the time of day
// is exactly midnight; nullopt outside the years 1 to 9999.
std::optional<std::string> DateTimeText(double days);
// Parses what DateTimeText writes (the time part optional).
std::optional<double> ParseDateTimeText(const std::string &text);
