#include "framework/language_table.h"

#include <cstdio>

// Length of the UTF-8 sequence starting at text[pos], or 0 when it is not a
// well-formed one (overlong forms, surrogates and values past U+10FFFF included).
static size_t Utf8SequenceLength(std::string_view text, size_t pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else
        return 0;
    if (pos + length > text.size())
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

static bool IsValidUtf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();) {
        const size_t length = Utf8SequenceLength(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string_view Utf8Prefix(std::string_view text, size_t maxCharacters)
{
    size_t pos = 0;
    for (size_t characters = 0; pos < text.size() && characters < maxCharacters; ++characters) {
        const size_t length = Utf8SequenceLength(text, pos);
        pos += length == 0 ? 1 : length; // a stray byte counts as one character
    }
    return text.substr(0, pos);
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

static size_t SkipBlanks(std::string_view line, size_t pos)
{
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    return pos;
}

// Reads one entry line into id and text; false with the reason in fault.
static bool ParseEntry(std::string_view line, uint16_t &id, std::string &text, std::string &fault)
{
    size_t pos = 0;
    uint32_t value = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
        value = value * 10 + static_cast<uint32_t>(line[pos] - '0');
        if (value > 0xFFFF) {
            fault = "identifier out of range";
            return false;
        }
        ++pos;
    }
    if (pos == 0) {
        fault = "identifier expected";
        return false;
    }
    const size_t quote = SkipBlanks(line, pos);
    if (quote == pos || quote >= line.size() || line[quote] != '"') {
        fault = "blank and opening quote expected after the identifier";
        return false;
    }
    text.clear();
    for (pos = quote + 1; pos < line.size() && line[pos] != '"'; ++pos) {
        const char c = line[pos];
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            fault = "control character in the text";
            return false;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++pos == line.size()) {
            fault = "escape at the end of the line";
            return false;
        }
        switch (line[pos]) {
        case '\\':
            text += '\\';
            break;
        case '"':
            text += '"';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        default:
            fault = "unknown escape";
            return false;
        }
    }
    if (pos >= line.size()) {
        fault = "closing quote missing";
        return false;
    }
    if (SkipBlanks(line, pos + 1) != line.size()) {
        fault = "text after the closing quote";
        return false;
    }
    id = static_cast<uint16_t>(value);
    return true;
}

std::unique_ptr<TLanguageTable> TLanguageTable::Parse(std::string_view content, std::string *fault)
{
    const auto refuse = [&](size_t lineNumber, const std::string &reason) -> std::unique_ptr<TLanguageTable> {
        if (fault)
            *fault = lineNumber == 0 ? reason : "line " + std::to_string(lineNumber) + ": " + reason;
        return nullptr;
    };
    if (content.size() > kMaxFileBytes)
        return refuse(0, "file larger than " + std::to_string(kMaxFileBytes) + " bytes");
    if (content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);

    Entries entries;
    size_t lineNumber = 0;
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!IsValidUtf8(line))
            return refuse(lineNumber, "not valid UTF-8");
        if (lineNumber == 1) {
            if (line != kSignature)
                return refuse(lineNumber, "signature \"" + std::string(kSignature) + "\" missing");
            continue;
        }
        const size_t start = SkipBlanks(line, 0);
        if (start == line.size() || line[start] == '#')
            continue;
        uint16_t id = 0;
        std::string text, reason;
        if (!ParseEntry(line.substr(start), id, text, reason))
            return refuse(lineNumber, reason);
        if (entries.contains(id))
            return refuse(lineNumber, "identifier " + std::to_string(id) + " repeated");
        text.resize(Utf8Prefix(text, kMaxTextCharacters).size());
        entries.emplace(id, std::move(text));
    }
    if (lineNumber == 0)
        return refuse(0, "empty file");
    return std::unique_ptr<TLanguageTable>(new TLanguageTable(std::move(entries)));
}

std::unique_ptr<TLanguageTable> TLanguageTable::LoadFile(const std::string &path, std::string *fault)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (fault)
            *fault = "cannot open " + path;
        return nullptr;
    }
    // Read at most one byte past the limit, so that an endless or huge file
    // is refused without being held in memory.
    std::string content;
    char buffer[64 * 1024];
    bool failed = false;
    while (content.size() <= kMaxFileBytes) {
        const size_t count = std::fread(buffer, 1, sizeof buffer, file);
        content.append(buffer, count);
        if (count < sizeof buffer) {
            failed = std::ferror(file) != 0;
            break;
        }
    }
    std::fclose(file);
    if (failed) {
        if (fault)
            *fault = "cannot read " + path;
        return nullptr;
    }
    return Parse(content, fault);
}

const std::string *TLanguageTable::Find(uint16_t id) const
{
    const auto found = entries_.find(id);
    return found == entries_.end() ? nullptr : &found->second;
}

static std::string Escaped(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '"':
            result += "\\\"";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string TLanguageTable::Format(const Entries &entries, std::string_view header)
{
    std::string file(kSignature);
    file += '\n';
    while (!header.empty()) {
        const size_t end = header.find('\n');
        file += "# ";
        file += header.substr(0, end);
        file += '\n';
        header.remove_prefix(end == std::string_view::npos ? header.size() : end + 1);
    }
    for (const auto &[id, text] : entries)
        file += std::to_string(id) + " \"" + Escaped(text) + "\"\n";
    return file;
}
