// The installed program: `cmake --install` lays out the program folder, and
// the program started from a read-only copy of it (as under /opt) keeps its
// settings, draw archive and templates in the user's data folder, where a
// second start finds them again.
#include "framework/parametres.h"
#include "framework/program_path.h"
#include "framework/qor_app.h"

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

std::set<std::string> Listing(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).string());
    return names;
}

// Whether the process has installed its own SIGTERM handler (the main
// window is up and a termination request now closes it properly).
bool CatchesTermination(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) & (1ULL << (SIGTERM - 1))) != 0;
    return false;
}

bool WaitFor(pid_t pid, int &status, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Others pass through the root to reach the program folder and home.
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
        prefix_ = root_ / "opt";
        home_ = root_ / "home";
        fs::create_directories(home_);
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(home_.c_str(), kNobody, kNobody), 0);
        }
    }

    void TearDown() override
    {
        std::error_code error;
        if (fs::exists(prefix_)) {
            [[maybe_unused]] const int made =
                std::system(("chmod -R u+w '" + prefix_.string() + "'").c_str());
        }
        SetProgramFilePath("");
    }

    // Starts the installed program offscreen as a user who may not write to
    // the program folder, waits for its window, asks it to close.
    void RunOnce()
    {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                ::_exit(120);
            ::setenv("HOME", home_.c_str(), 1);
            ::setenv("XDG_DATA_HOME", (home_ / ".local/share").c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (home_ / ".config").c_str(), 1);
            ::unsetenv("XDG_RUNTIME_DIR");
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            const std::string program = (prefix_ / "qor-euromillon").string();
            ::execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
            ::_exit(121);
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        int status = 0;
        bool exited = false;
        while (!CatchesTermination(child) && std::chrono::steady_clock::now() < end) {
            if (::waitpid(child, &status, WNOHANG) == child) {
                exited = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ASSERT_FALSE(exited) << "the program ended by itself, status " << status;
        ASSERT_EQ(::kill(child, SIGTERM), 0);
        if (!WaitFor(child, status, std::chrono::seconds(30))) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            FAIL() << "the program did not close on SIGTERM";
        }
        ASSERT_TRUE(WIFEXITED(status)) << status;
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }

    TTempFolder temp_{"qor-install"};
    fs::path root_ = temp_.Root();
    fs::path prefix_, home_;
};

} // namespace

TEST_F(InstalledProgram, ReadOnlyProgramFolderKeepsUserFilesInTheDataFolder)
{
    const std::string install = std::string("'") + QOR_CMAKE_COMMAND + "' --install '" + QOR_BUILD_DIR +
                                "' --prefix '" + prefix_.string() + "' --component program > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0);
    for (const char *name : {"qor-euromillon", "qor-euromillon-cli", "QOREuroMillonv3_espagnol.lng",
                             "QOREuroMillonv3_english.lng", "QOREuroMillonv3_french.lng", "QOREuroMillon.pdf",
                             "QOREuroMillon_english.pdf", "QOREuroMillon_french.pdf",
                             "Sorteos/QOREuroMillonSorteos.emx", "Boletos/Boleto_Espana_90.frf",
                             "Listados/Listado_Apuestas.frf", "Listados/Listado_Por_Boletos.frf"})
        EXPECT_TRUE(fs::is_regular_file(prefix_ / name)) << name;
    for (const char *name : {"Sorteos", "Boletos", "Listados"})
        EXPECT_TRUE(fs::is_directory(prefix_ / name)) << name;
    const std::string shipped = FileBytes(prefix_ / "Sorteos/QOREuroMillonSorteos.emx");
    ASSERT_GT(shipped.size(), 1000u);

    // The installed companion speaks the language files beside it.
    const fs::path missing = root_ / "none.aem", err = root_ / "cli-err.txt";
    const std::string french = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 '" +
                               (prefix_ / "qor-euromillon-cli").string() + "' show '" + missing.string() +
                               "' 2>'" + err.string() + "'";
    const int raw = std::system(french.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_EQ(FileBytes(err),
              "qor-euromillon-cli: " + missing.string() + ": impossible d'ouvrir le fichier\n");

    ASSERT_EQ(std::system(("chmod -R a-w '" + prefix_.string() + "'").c_str()), 0);
    const std::set<std::string> installed = Listing(prefix_);

    RunOnce();
    const fs::path data = home_ / ".local/share/QOR-EuroMillon";
    EXPECT_TRUE(fs::is_regular_file(data / "qor-euromillon.zrk"));
    EXPECT_EQ(FileBytes(data / "Sorteos/QOREuroMillonSorteos.emx"), shipped);
    EXPECT_TRUE(fs::is_directory(data / "Boletos"));
    EXPECT_TRUE(fs::is_regular_file(data / "Listados/Listado_Apuestas.frf"));
    EXPECT_EQ(Listing(prefix_), installed);

    // The settings hold what the first run saved; a country set here must
    // be read back and saved again by the second run.
    SetProgramFilePath((data / "qor-euromillon").string());
    {
        TParametres params;
        TQORApp app(params);
        app.LoadAppResources();
        EXPECT_TRUE(params.Exists("PRM_SHOWLIKE_Boleto"));
        EXPECT_EQ(params.ReadString("PRM_COUNTRY_TICKET", ""), "ES");
        params.SetValor("PRM_COUNTRY_TICKET", std::string("FR"));
        params.SetSaveList({"PRM_COUNTRY_TICKET"}, true);
        app.SaveAppResources();
    }
    if (::geteuid() == 0) {
        ASSERT_EQ(std::system(("chown -R 65534:65534 '" + data.string() + "'").c_str()), 0);
    }

    RunOnce();
    {
        TParametres params;
        TQORApp app(params);
        app.LoadAppResources();
        EXPECT_EQ(params.ReadString("PRM_COUNTRY_TICKET", ""), "FR");
    }
    EXPECT_TRUE(fs::is_regular_file(data / "qor-euromillon_Seg.zrk"));
    EXPECT_EQ(FileBytes(data / "Sorteos/QOREuroMillonSorteos.emx"), shipped);
    EXPECT_EQ(Listing(prefix_), installed);
}
