#include "cli/cli_options.h"
#include "cli/cli_text_ids.h"

#include "model/format.h"
#include "model/game_rules.h"
#include "model/text_lookup.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>

std::optional<int> ParseInteger(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    auto [next, status] = std::from_chars(text.data(), end, value);
    if (text.empty() || status != std::errc() || next != end)
        return std::nullopt;
    return value;
}

std::optional<std::vector<int>> ParseValueList(const std::string &text, int lowest, int highest,
                                               std::string &error)
{
    std::vector<int> values;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t dash = item.find('-', 1);
        std::optional<int> first = ParseInteger(item.substr(0, dash));
        std::optional<int> last = dash == std::string::npos ? first : ParseInteger(item.substr(dash + 1));
        if (!first || !last || *first > *last) {
            error = FormatText(GetText(kTxtCliNotAValueList), {item});
            return std::nullopt;
        }
        for (int value : {*first, *last})
            if (value < lowest || value > highest) {
                error = FormatText(GetText(kTxtCliValueOutside), {value, lowest, highest});
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

void EndOptionsAtDoubleDash(std::vector<std::string> &args)
{
    const auto end = std::find(args.begin(), args.end(), "--");
    if (end == args.end())
        return;
    for (auto operand = end + 1; operand != args.end(); ++operand)
        if (operand->size() > 1 && operand->starts_with("-")) // "-" alone stays: standard input or output
            *operand = "./" + *operand;
    args.erase(end);
}

bool TakeEditionOption(std::vector<std::string> &args, bool &given, std::string &error)
{
    given = false;
    for (size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        std::string value;
        size_t taken = 1;
        if (args[i] == "--edition") {
            if (i + 1 >= args.size()) {
                error = GetText(kTxtCliEditionNeedsValue);
                return false;
            }
            value = args[i + 1];
            taken = 2;
        } else if (args[i].rfind("--edition=", 0) == 0) {
            value = args[i].substr(10);
        } else {
            continue;
        }
        const std::optional<TGameEdition> edition = EditionFromKey(value);
        if (!edition) {
            error = FormatText(GetText(kTxtCliUnknownEdition), {value});
            return false;
        }
        SetEditionInForce(*edition);
        given = true;
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + taken));
        --i;
    }
    return true;
}

bool ReadsCombinationFile(const std::string &command)
{
    static const std::set<std::string> kReading = {"show", "check", "export", "print", "guarantee"};
    return kReading.contains(command);
}

namespace {

// The game a combination file names in its signature; none for any other file.
std::optional<TGameEdition> CombinationFileEdition(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    char signature[4] = {};
    if (!file.read(signature, sizeof signature))
        return std::nullopt;
    const std::string_view text(signature, sizeof signature);
    if (text == "EMA0")
        return TGameEdition::Classic;
    if (text == "EMA2")
        return TGameEdition::Current;
    return std::nullopt;
}

} // namespace

void FollowFileEdition(const std::vector<std::string> &commandArgs)
{
    for (const std::string &argument : commandArgs) {
        if (argument.empty() || argument.starts_with("-"))
            continue;
        std::error_code error;
        if (!std::filesystem::is_regular_file(argument, error))
            continue;
        if (const std::optional<TGameEdition> edition = CombinationFileEdition(argument)) {
            SetEditionInForce(*edition);
            return;
        }
    }
}

std::string EscapeControlCharacters(const std::string &text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        case '\\':
            out += "\\\\";
            continue;
        default:
            break;
        }
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // The C1 controls, as UTF-8.
            const auto code = static_cast<unsigned char>(text[++i]);
            out += "\\u00";
            out += kHex[code >> 4];
            out += kHex[code & 0xF];
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}
