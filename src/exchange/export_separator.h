#pragma once

#include <string>

// A separator as the export window's lists hold it, made ready for writing.
struct TExportSeparator {
    std::string text;  // what the list shows afterwards: the typed text, cut to 5 characters
    std::string value; // what is written between the values
};

// "TAB", in any letter case, stands for one tab character; a longer text is cut
// to its first 5 characters (characters, not bytes); an empty text writes one
// blank.
TExportSeparator PrepareExportSeparator(const std::string &typed);

// The word the lists use for the tab character.
inline constexpr const char *kTabWord = "TAB";
inline constexpr size_t kLongestSeparator = 5;
