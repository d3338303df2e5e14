#pragma once

#include <optional>
#include <string>
#include <vector>

// Parses a list of values such as "1-10,15,20" (single values and ranges,
// comma separated) and checks each against [lowest, highest]. Returns the
// values, or nothing with a message in error naming what is wrong.
std::optional<std::vector<int>> ParseValueList(const std::string &text, int lowest, int highest, std::string &error);

// Parses a whole decimal integer (optional minus sign, nothing else).
std::optional<int> ParseInteger(const std::string &text);

// Whether the argument asks for help.
bool IsHelpOption(const std::string &argument);
