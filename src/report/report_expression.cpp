#include "report/report_expression.h"

std::string ExpandExpression(const std::string &expression,
                             const std::function<std::string(const std::string &name)> &lookup)
{
    std::string result;
    result.reserve(expression.size());
    size_t position = 0;
    while (position < expression.size()) {
        size_t open = expression.find('[', position);
        size_t close = open == std::string::npos ? std::string::npos : expression.find(']', open + 1);
        if (close == std::string::npos) {
            result.append(expression, position, std::string::npos);
            break;
        }
        result.append(expression, position, open - position);
        result += lookup(expression.substr(open + 1, close - open - 1));
        position = close + 1;
    }
    return result;
}
