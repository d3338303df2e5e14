#pragma once

#include <functional>
#include <string>

// How the framework reaches the user. The core never shows anything itself:
// the desktop program installs these handlers, and tests answer in its place.
struct TUserPrompts {
    // A Yes/No question; true for Yes.
    std::function<bool(const std::string &caption, const std::string &text)> AskYesNo;
    // An error box.
    std::function<void(const std::string &caption, const std::string &text)> ShowError;
};

// The program's handlers; both unassigned at start.
TUserPrompts &UserPrompts();

// Asks through the installed handler; without one the answer is Yes.
bool AskUserYesNo(const std::string &caption, const std::string &text);
// Shows through the installed handler; without one nothing is shown.
void ShowUserError(const std::string &caption, const std::string &text);
