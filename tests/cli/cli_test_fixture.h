#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// Runs the command-line program in a fresh folder per test and captures its
// exit status, standard output and standard error.
struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The process id keeps apart runs of the same test in other build trees.
        folder_ = std::filesystem::temp_directory_path() /
                  ("qor-cli-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string &name) const { return (folder_ / name).string(); }

    static std::string Slurp(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    CliResult Run(const std::string &arguments) const
    {
        const std::string out = Path("stdout.txt");
        const std::string err = Path("stderr.txt");
        const std::string command = "'" + CliPath() + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        CliResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = Slurp(out);
        result.err = Slurp(err);
        return result;
    }

    // The program under test: the built companion, or the one QOR_CLI names
    // (the build of it on the core alone runs the same tests).
    static std::string CliPath()
    {
        const char *chosen = std::getenv("QOR_CLI");
        return chosen && *chosen ? chosen : QOR_CLI_PATH;
    }

    static int Lines(const std::string &text)
    {
        int lines = 0;
        for (char c : text)
            lines += c == '\n';
        return lines;
    }

    std::filesystem::path folder_;
};

