#include "framework/file_error_text.h"

#include "model/exception.h"
#include "model/text_lookup.h"

namespace {

// The fixed text in the language in force, or nothing for any other message.
bool LocalizeFixedText(const std::string &path, const std::string &message, std::string &localized)
{
    static const struct {
        const char *prefix;
        uint16_t text;
    } kFixed[] = {
        {"Cannot open file", kTxtFileCannotOpen},      {"Cannot create file", kTxtFileCannotCreate},
        {kStreamReadError, kTxtFileReadError},         {kStreamWriteError, kTxtFileWriteError},
        {kInvalidPropertyValue, kTxtFileInvalidValue},
    };
    for (const auto &fixed : kFixed) {
        if (!message.starts_with(fixed.prefix))
            continue;
        std::string rest = message.substr(std::string(fixed.prefix).size());
        if (rest == "." || rest == " " + path || rest == " " + path + ".")
            rest.clear();
        if (!rest.empty() && rest[0] != ' ')
            continue; // another text that only begins the same way
        localized = GetText(fixed.text) + rest;
        return true;
    }
    return false;
}

} // namespace

std::string LocalizedStreamError(const std::string &path, const std::string &message)
{
    std::string localized;
    return LocalizeFixedText(path, message, localized) ? path + ": " + localized : message;
}

std::string FileErrorText(const std::string &path, const std::string &message)
{
    std::string localized;
    if (LocalizeFixedText(path, message, localized))
        return path + ": " + localized;
    return message.find(path) != std::string::npos ? message : path + ": " + message;
}
