#pragma once

#include <string>

// The two program-wide texts of every bet's text form: the number separator
// ("." by default) between the values of a block, and the block separator
// ("-" by default) between numbers and stars.
const std::string &NumberSeparator();
const std::string &BlockSeparator();
void SetNumberSeparator(const std::string &separator);
void SetBlockSeparator(const std::string &separator);

// Puts other separators in force for its lifetime and the previous ones back
// when it ends, also when an error ends it (the text export writes this way).
class TSeparatorScope {
public:
    TSeparatorScope(const std::string &numberSeparator, const std::string &blockSeparator);
    ~TSeparatorScope();
    TSeparatorScope(const TSeparatorScope &) = delete;
    TSeparatorScope &operator=(const TSeparatorScope &) = delete;

private:
    std::string previousNumber_;
    std::string previousBlock_;
};
