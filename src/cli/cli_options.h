#pragma once

#include <optional>
#include <string>
#include <vector>

// Parses a list of values such as "1-10,15,20" (single values and ranges,
// comma separated) and checks each against [lowest, highest]. Returns the
// values, or nothing with a message in error naming what is wrong.
std::optional<std::vector<int>> ParseValueList(const std::string &text, int lowest, int highest,
                                               std::string &error);

// Parses a whole decimal integer (optional minus sign, nothing else).
std::optional<int> ParseInteger(const std::string &text);

// Whether the argument asks for help.
bool IsHelpOption(const std::string &argument);

// The end of the options: every argument after a "--" is an operand, even one
// that begins with a dash. Such an operand is handed to the command as
// "./-name" (the same file), so that no command's own parser takes it for an
// option; the "--" itself is dropped, and a lone "-" stays as it is.
// Applies to a command's arguments.
void EndOptionsAtDoubleDash(std::vector<std::string> &args);

// Takes "--edition NAME" (or "--edition=NAME") out of the arguments before
// any "--" and puts the edition in force; given tells whether one was there.
// False with a message for an unknown name.
bool TakeEditionOption(std::vector<std::string> &args, bool &given, std::string &error);

// The commands that only read a combination file (show, check, export,
// print, guarantee).
bool ReadsCombinationFile(const std::string &command);

// A reading command given no --edition follows the game its combination file
// names: the first operand that is a combination file puts its game in force.
// Nothing changes when none is found; the command then reports the problem.
void FollowFileEdition(const std::vector<std::string> &commandArgs);

// The text with its control characters written as escapes (\n, \r, \t, \\,
// \xHH, \u0080 to \u009F), so that a name holding a line break stays on its line.
std::string EscapeControlCharacters(const std::string &text);
