#include "cli/cli_options.h"

#include <charconv>

std::optional<int> ParseInteger(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    auto [next, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || status != std::errc() || next != end)
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> ParseValueList(const std::string &text, int lowest, int highest, std::string &error)
{
    std::vector<int> values;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t dash = item.find('-', 1);
        std::optional<int> first = ParseInteger(item.substr(0, dash));
        std::optional<int> last = dash == std::string::npos ? first : ParseInteger(item.substr(dash + 1));
        if (!first || !last || *first > *last) {
            error = "'" + item + "' is not a value or a range like 1-10";
            return std::nullopt;
        }
        for (int value : {*first, *last})
            if (value < lowest || value > highest) {
                error = std::to_string(value) + " is outside " + std::to_string(lowest) + " to " +
                        std::to_string(highest);
                return std::nullopt;
            }
        for (int value = *first; value <= *last; ++value)
            values.push_back(value);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return values;
}

bool IsHelpOption(const std::string &argument)
{
    return argument == "--help" || argument == "-h";
}
