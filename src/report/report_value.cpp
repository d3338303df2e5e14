#include "report/report_value.h"

std::string TfrValue::AsText() const
{
    if (const auto *text = std::get_if<std::string>(&data_))
        return *text;
    if (const auto *integer = std::get_if<int64_t>(&data_))
        return std::to_string(*integer);
    return {};
}
