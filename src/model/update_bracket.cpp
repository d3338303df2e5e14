#include "model/update_bracket.h"

#include "model/exception.h"

bool TUpdateBrackets::Close(const std::string &unbalancedMessage)
{
    if (depth_ <= 0)
        throw EUpdateError(unbalancedMessage);
    --depth_;
    return depth_ == 0 && held_;
}

bool TUpdateBrackets::TellNow()
{
    held_ = depth_ > 0;
    return !held_;
}
