#include "framework/language_check.h"

#include "framework/builtin_texts.h"
#include "framework/language_table.h"

std::vector<std::string> FormatPlaceholders(std::string_view text)
{
    std::vector<std::string> found;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '%')
            continue;
        if (pos + 1 < text.size() && text[pos + 1] == '%') {
            ++pos;
            continue;
        }
        size_t end = pos + 1;
        while (end < text.size() &&
               (text[end] == '-' || text[end] == '.' || (text[end] >= '0' && text[end] <= '9')))
            ++end;
        if (end < text.size() && std::string_view("dsux").find(text[end]) != std::string_view::npos) {
            found.emplace_back(text.substr(pos, end - pos + 1));
            pos = end;
        }
    }
    return found;
}

static size_t Occurrences(std::string_view text, std::string_view part)
{
    size_t count = 0;
    for (size_t pos = text.find(part); pos != std::string_view::npos;
         pos = text.find(part, pos + part.size()))
        ++count;
    return count;
}

static void CheckText(uint16_t id, std::string_view text, std::string_view spanish,
                      std::vector<TLanguageProblem> &problems)
{
    const auto report = [&](const std::string &description) { problems.push_back({id, description}); };
    if (text.empty())
        report("empty text");
    if (FormatPlaceholders(text) != FormatPlaceholders(spanish))
        report("placeholders differ from the Spanish text");
    if (Occurrences(text, "\r\n") != Occurrences(spanish, "\r\n"))
        report("number of line breaks differs");
    if (Occurrences(text, "&") != Occurrences(spanish, "&"))
        report("number of accelerators (&) differs");
    if (Occurrences(text, "|") != Occurrences(spanish, "|"))
        report("number of filter parts (|) differs");
    if (text.starts_with(' ') != spanish.starts_with(' ') || text.ends_with(' ') != spanish.ends_with(' '))
        report("leading or trailing blank differs");
}

std::vector<TLanguageProblem> CheckLanguageTable(const TLanguageTable &table)
{
    std::vector<TLanguageProblem> problems;
    for (const TBuiltinText &entry : BuiltinTexts()) {
        if (const std::string *text = table.Find(entry.id))
            CheckText(entry.id, *text, entry.text, problems);
        else
            problems.push_back({entry.id, "missing"});
    }
    for (const auto &[id, text] : table.All()) {
        if (BuiltinText(id).empty())
            problems.push_back({id, "not a text of the program"});
    }
    return problems;
}
