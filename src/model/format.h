#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// One argument of FormatText: an integer or a text.
class FormatArg {
public:
    FormatArg(int value) : integer_(value), isText_(false) {}
    FormatArg(long value) : integer_(value), isText_(false) {}
    FormatArg(long long value) : integer_(value), isText_(false) {}
    FormatArg(unsigned value) : integer_(value), isText_(false) {}
    FormatArg(unsigned long value) : integer_(static_cast<int64_t>(value)), isText_(false) {}
    FormatArg(const std::string &text) : text_(text), isText_(true) {}
    FormatArg(std::string_view text) : text_(text), isText_(true) {}
    FormatArg(const char *text) : text_(text), isText_(true) {}

    bool IsText() const { return isText_; }
    int64_t Integer() const { return integer_; }
    const std::string &Text() const { return text_; }

private:
    int64_t integer_ = 0;
    std::string text_;
    bool isText_;
};

// Fills a message template such as "Máximo %d números en el bloque".
// Understands %d, %u, %x, %s and %% with optional '-', width and precision
// ("%.2d" pads to two digits). Templates may come from language files, so a
// template asking for more arguments than given, or for the wrong kind, never
// misbehaves: a missing argument is the empty text, an integer asked as text
// is written in decimal and a text asked as integer is written as it stands.
std::string FormatText(std::string_view templ, std::initializer_list<FormatArg> args);
