#pragma once

#include "support/file_bytes.h"
#include "support/temp_folder.h"

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
    // The program's own English texts whatever the user's environment, so
    // that the tests' expected texts keep their meaning.
    static constexpr const char *kEnglishEnvironment = "LANG=C";

    std::string Path(const std::string &name) const { return (folder_ / name).string(); }

    CliResult Run(const std::string &arguments) const { return RunIn(std::string(), arguments); }

    // The command run from the test's folder, for relative file names.
    CliResult RunInFolder(const std::string &arguments) const { return RunIn(folder_.string(), arguments); }

    CliResult RunIn(const std::string &folder, const std::string &arguments) const
    {
        return RunWith(kEnglishEnvironment, folder, arguments);
    }

    // The command run with the language variables of environment (as env
    // takes them: "LANG=fr_FR.UTF-8", "-u LANGUAGE").
    CliResult RunWith(const std::string &environment, const std::string &folder,
                      const std::string &arguments) const
    {
        const std::string out = Path("stdout.txt");
        const std::string err = Path("stderr.txt");
        const std::string command = (folder.empty() ? std::string() : "cd '" + folder + "' && ") +
                                    "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES " + environment + " '" +
                                    CliPath() + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        CliResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = FileBytes(out);
        result.err = FileBytes(err);
        return result;
    }

    // The program under test: the built companion, or the one QOR_CLI names
    // (the build of it on the core alone runs the same tests).
    static std::string CliPath()
    {
        const char *chosen = std::getenv("QOR_CLI");
        return chosen && *chosen ? chosen : QOR_CLI_PATH;
    }

    // Whether the program under test has the print command: the build of it
    // on the core alone has not.
    static bool CliHasPrint()
    {
#ifdef QOR_CLI_HAS_PRINT
        return std::getenv("QOR_CLI_WITHOUT_PRINT") == nullptr;
#else
        return false;
#endif
    }

    static int Lines(const std::string &text)
    {
        int lines = 0;
        for (char c : text)
            lines += c == '\n';
        return lines;
    }

    TTempFolder temp_{"qor-cli"};
    std::filesystem::path folder_ = temp_.Root();
};
