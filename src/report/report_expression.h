#pragma once

#include <functional>
#include <string>

// Replaces every "[NAME]" of an expression by the text lookup gives for NAME;
// the rest is copied. A "[" without a closing "]" is copied as it stands;
// brackets do not nest (the name runs to the first "]").
std::string ExpandExpression(const std::string &expression,
                             const std::function<std::string(const std::string &name)> &lookup);
