#include "framework/user_prompt.h"

TUserPrompts &UserPrompts()
{
    static TUserPrompts prompts;
    return prompts;
}

bool AskUserYesNo(const std::string &caption, const std::string &text)
{
    auto &handler = UserPrompts().AskYesNo;
    return handler ? handler(caption, text) : true;
}

void ShowUserError(const std::string &caption, const std::string &text)
{
    if (auto &handler = UserPrompts().ShowError)
        handler(caption, text);
}
