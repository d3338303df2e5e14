#include "model/separators.h"

namespace {

std::string &NumberSeparatorText()
{
    static std::string text = ".";
    return text;
}

std::string &BlockSeparatorText()
{
    static std::string text = "-";
    return text;
}

} // namespace

const std::string &NumberSeparator()
{
    return NumberSeparatorText();
}

const std::string &BlockSeparator()
{
    return BlockSeparatorText();
}

void SetNumberSeparator(const std::string &separator)
{
    NumberSeparatorText() = separator;
}

void SetBlockSeparator(const std::string &separator)
{
    BlockSeparatorText() = separator;
}

TSeparatorScope::TSeparatorScope(const std::string &numberSeparator, const std::string &blockSeparator)
    : previousNumber_(NumberSeparator()), previousBlock_(BlockSeparator())
{
    SetNumberSeparator(numberSeparator);
    SetBlockSeparator(blockSeparator);
}

TSeparatorScope::~TSeparatorScope()
{
    SetNumberSeparator(previousNumber_);
    SetBlockSeparator(previousBlock_);
}
