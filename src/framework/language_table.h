#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

// A language file: a string table of UTF-8 texts by identifier.
//
// The file is UTF-8 text (an initial byte-order mark is skipped; lines may end
// in LF or CR LF). Its first line is the signature "QOR-EuroMillon language 1".
// Then blank lines, comment lines starting with '#', and one entry per line:
//     41001 "Nueva Combinación "
// the identifier (decimal, 0 to 65535), blanks, the text in double quotes with
// the escapes \\ \" \n \r \t, optional trailing blanks. Raw control characters
// other than tab are refused. A text longer than 1023 characters is cut to its
// first 1023 characters (never inside a UTF-8 sequence).
//
// A file that breaks any of these rules, repeats an identifier, is not valid
// UTF-8 or is larger than kMaxFileBytes is not a string table: the loaders
// return null and, when asked, describe the first fault.
class TLanguageTable {
public:
    static constexpr std::string_view kSignature = "QOR-EuroMillon language 1";
    static constexpr size_t kMaxFileBytes = 4 * 1024 * 1024;
    static constexpr size_t kMaxTextCharacters = 1023;

    using Entries = std::map<uint16_t, std::string>;

    static std::unique_ptr<TLanguageTable> Parse(std::string_view content, std::string *fault = nullptr);
    // Also null when the file is missing or unreadable.
    static std::unique_ptr<TLanguageTable> LoadFile(const std::string &path, std::string *fault = nullptr);

    // The text of the identifier, or null when the table lacks it.
    const std::string *Find(uint16_t id) const;
    const Entries &All() const { return entries_; }
    size_t Count() const { return entries_.size(); }

    // The file form of the entries, signature first, then the comment lines
    // of header (each line prefixed with "# "). Parse() gives the entries back
    // as long as the texts hold no control characters other than \r \n \t.
    static std::string Format(const Entries &entries, std::string_view header = {});

private:
    explicit TLanguageTable(Entries entries) : entries_(std::move(entries)) {}

    Entries entries_;
};

// The first maxCharacters characters of a UTF-8 text.
std::string_view Utf8Prefix(std::string_view text, size_t maxCharacters);
