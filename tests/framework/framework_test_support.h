#pragma once

#include "support/file_bytes.h"
#include "support/hex_bytes.h"
#include "support/temp_folder.h"

#include <string>

// The length byte and characters of a short text, as the value stream writes it.
inline std::string Counted(const std::string &text)
{
    return std::string(1, static_cast<char>(text.size())) + text;
}

inline std::string ParamSignatureBytes()
{
    return std::string("\x06", 1) + Counted("QORParamStream");
}

#include "framework/program_path.h"
#include "framework/user_prompt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

// A fresh temporary folder in which the program file seems to lie, and
// scripted answers in place of the user. Everything is undone afterwards.
class FrameworkFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetProgramFilePath((folder_ / "qor-euromillon").string());
        UserPrompts().AskYesNo = [this](const std::string &caption, const std::string &text) {
            questions_.push_back(caption + "|" + text);
            bool answer = answers_.empty() ? true : answers_.front();
            if (!answers_.empty())
                answers_.erase(answers_.begin());
            return answer;
        };
        UserPrompts().ShowError = [this](const std::string &caption, const std::string &text) {
            errors_.push_back(caption + "|" + text);
        };
    }

    void TearDown() override
    {
        UserPrompts() = TUserPrompts{};
        SetProgramFilePath("");
    }

    std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }

    TTempFolder temp_{"qor-framework"};
    std::filesystem::path folder_ = temp_.Root();
    std::vector<bool> answers_;          // next answers to Yes/No questions (Yes when none left)
    std::vector<std::string> questions_; // "caption|text" of each question asked
    std::vector<std::string> errors_;    // "caption|text" of each error box
};
