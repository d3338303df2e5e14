#include "exchange/export_separator.h"

#include <cctype>
#include <utility>

namespace {

bool IsTabWord(const std::string &text)
{
    const std::string word = kTabWord;
    if (text.size() != word.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    }
    return true;
}

// The first count UTF-8 characters of the text.
std::string FirstCharacters(const std::string &text, size_t count)
{
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

TExportSeparator PrepareExportSeparator(const std::string &typed)
{
    if (IsTabWord(typed))
        return {typed, std::string(1, '\t')};
    std::string shown = FirstCharacters(typed, kLongestSeparator);
    std::string written = shown.empty() ? std::string(1, ' ') : shown;
    return {std::move(shown), std::move(written)};
}
