#pragma once

#include <cstdint>
#include <string>
#include <variant>

// The value slot a variable handler fills: nothing, a text or an integer.
class TfrValue {
public:
    TfrValue() = default;
    TfrValue(std::string text) : data_(std::move(text)) {}
    TfrValue(const char *text) : data_(std::string(text)) {}
    TfrValue(int64_t integer) : data_(integer) {}
    TfrValue(int integer) : data_(static_cast<int64_t>(integer)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(data_); }
    bool IsInteger() const { return std::holds_alternative<int64_t>(data_); }
    // Text as it stands; an integer in plain decimal; nothing as "".
    std::string AsText() const;

    bool operator==(const TfrValue &) const = default;

private:
    std::variant<std::monostate, std::string, int64_t> data_;
};
