// Every writer of the command-line program against hostile targets: file
// size limits set by prlimit (the signal is the program's to handle), a named
// pipe, standard output, and the report of a copy a killed save left behind.
#include "cli_test_fixture.h"

#include "model/kept_copies.h"

#include <set>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct TCliWriter {
    const char *name;
    const char *fileName;
    // The arguments that write OUT (quoted by the caller).
    std::string (*arguments)(const std::string &input, const std::string &out);
    bool streams; // may write to a pipe or to standard output
};

bool WholeWorkbook(const std::string &saved, const std::string &whole)
{
    const std::string end("PK\x05\x06", 4);
    return saved.size() > 22 && saved.compare(saved.size() - 22, 4, end) == 0 &&
           saved.compare(0, 4, whole, 0, 4) == 0;
}

// A PDF holds the time it was made: compare its frame and its length.
bool WholePdf(const std::string &saved, const std::string &whole)
{
    return saved.rfind("%PDF", 0) == 0 &&
           saved.find("%%EOF", saved.size() > 16 ? saved.size() - 16 : 0) != std::string::npos &&
           saved.size() + 64 > whole.size() && whole.size() + 64 > saved.size();
}

bool Same(const std::string &fileName, const std::string &saved, const std::string &whole)
{
    const std::string name(fileName);
    if (name.ends_with(".xlsx"))
        return WholeWorkbook(saved, whole);
    if (name.ends_with(".pdf"))
        return WholePdf(saved, whole);
    return saved == whole;
}

std::string Q(const std::string &path)
{
    return "'" + path + "'";
}

const TCliWriter kWriters[] = {
    {"generate", "generated.aem",
     [](const std::string &, const std::string &out) {
         return "generate --numbers 1-12 --stars 1-4 -o " + Q(out);
     },
     false},
    {"import", "imported.aem",
     [](const std::string &input, const std::string &out) {
         return "import " + Q(input + ".txt") + " -o " + Q(out);
     },
     false},
    {"export --text", "bets.txt",
     [](const std::string &input, const std::string &out) {
         return "export " + Q(input + ".aem") + " --text " + Q(out);
     },
     true},
    {"export --xlsx", "bets.xlsx",
     [](const std::string &input, const std::string &out) {
         return "export " + Q(input + ".aem") + " --xlsx " + Q(out);
     },
     true},
    {"import-draws", "sorteos.emx",
     [](const std::string &input, const std::string &out) {
         return "import-draws " + Q(input + ".csv") + " --archive " + Q(out);
     },
     false},
    {"print --pdf", "tickets.pdf",
     [](const std::string &input, const std::string &out) {
         return "print " + Q(input + "-small.aem") + " --pdf " + Q(out);
     },
     true},
};

class CliSaveTargets : public CliTest {
protected:
    // The writers this build of the companion has (the build on the core
    // alone has no print), all or those that may write to a pipe.
    static std::vector<TCliWriter> Writers(bool streamingOnly)
    {
        std::vector<TCliWriter> writers;
        for (const TCliWriter &writer : kWriters)
            if ((!streamingOnly || writer.streams) &&
                (CliHasPrint() || std::string_view(writer.name) != "print --pdf"))
                writers.push_back(writer);
        return writers;
    }

    void SetUp() override
    {
        CliTest::SetUp();
        // Kept copies of these runs stay in the test's folder.
        ::setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
        std::filesystem::create_directories(Path("out"));
        input_ = Path("input");
        ASSERT_EQ(Run("generate --numbers 1-12 --stars 1-4 -o " + Q(input_ + ".aem")).status, 0);
        ASSERT_EQ(Run("export " + Q(input_ + ".aem") + " --text " + Q(input_ + ".txt")).status, 0);
        std::ofstream(input_ + "-small.txt") << "01.02.03.04.05-01.02\r\n06.07.08.09.10-03.04\r\n";
        ASSERT_EQ(Run("import " + Q(input_ + "-small.txt") + " -o " + Q(input_ + "-small.aem")).status, 0);
        const std::filesystem::path history = QOR_HISTORY_DIR;
        std::filesystem::copy_file(history / "euromillions.csv", input_ + ".csv");
    }
    void TearDown() override
    {
        ::unsetenv("XDG_DATA_HOME");
        CliTest::TearDown();
    }

    // What an unhindered run writes.
    std::string Whole(const TCliWriter &writer)
    {
        std::filesystem::create_directories(Path("whole"));
        const std::string path = Path("whole/") + writer.fileName; // the name may go into the file
        EXPECT_EQ(Run(writer.arguments(input_, path)).status, 0) << writer.name;
        return FileBytes(path);
    }

    // The program under a file size limit set from outside, as prlimit sets it.
    CliResult RunLimited(size_t limit, const std::string &arguments) const
    {
        const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES " +
                                    std::string(kEnglishEnvironment) +
                                    " prlimit --fsize=" + std::to_string(limit) + " '" + QOR_CLI_PATH + "' " +
                                    arguments + " >" + Q(Path("stdout.txt")) + " 2>" + Q(Path("stderr.txt"));
        const int raw = std::system(command.c_str());
        CliResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = FileBytes(Path("stdout.txt"));
        result.err = FileBytes(Path("stderr.txt"));
        return result;
    }

    std::string input_;
};

} // namespace

TEST_F(CliSaveTargets, SizeLimitsGiveAnErrorAndKeepTheOldFile)
{
    for (const TCliWriter &writer : Writers(false)) {
        const std::string whole = Whole(writer);
        const std::string out = Path("out/") + writer.fileName;
        // The archive is merged into: its old content must be an archive.
        const std::string old = std::string(writer.fileName).ends_with(".emx")
                                    ? FileBytes(Path("whole/sorteos.emx"))
                                    : std::string(3000, 'o');
        for (size_t limit : {whole.size() / 4, whole.size() / 2, whole.size() - 1}) {
            std::ofstream(out, std::ios::binary | std::ios::trunc) << old;
            const CliResult result = RunLimited(limit, writer.arguments(input_, out));
            EXPECT_NE(result.status, 0) << writer.name << " at " << limit;
            EXPECT_NE(result.err.find(writer.fileName), std::string::npos)
                << writer.name << ": " << result.err;
            EXPECT_EQ(FileBytes(out), old) << writer.name << " at " << limit;
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("out")), {}), 1)
                << writer.name << " left files behind at " << limit;
        }
        std::filesystem::remove(out);
    }
}

TEST_F(CliSaveTargets, APipeReceivesTheBytesAndStaysAPipe)
{
    for (const TCliWriter &writer : Writers(true)) {
        const std::string whole = Whole(writer);
        const std::string fifo = Path("out/") + writer.fileName;
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        std::string received;
        std::thread reader([&] { received = FileBytes(fifo); });
        const CliResult result = Run(writer.arguments(input_, fifo));
        int unblock = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (unblock >= 0)
            ::close(unblock);
        reader.join();
        EXPECT_EQ(result.status, 0) << writer.name << ": " << result.err;
        EXPECT_TRUE(Same(writer.fileName, received, whole))
            << writer.name << ": " << received.size() << " bytes";
        struct stat info {};
        EXPECT_TRUE(::lstat(fifo.c_str(), &info) == 0 && S_ISFIFO(info.st_mode)) << writer.name;
        std::filesystem::remove(fifo);
    }
}

TEST_F(CliSaveTargets, ADashWritesToStandardOutput)
{
    for (const TCliWriter &writer : Writers(true)) {
        const std::string whole = Whole(writer);
        const CliResult result = Run(writer.arguments(input_, "-"));
        EXPECT_EQ(result.status, 0) << writer.name << ": " << result.err;
        EXPECT_TRUE(Same(writer.fileName, result.out, whole))
            << writer.name << ": " << result.out.size() << " bytes";
        EXPECT_FALSE(std::filesystem::exists(Path("-"))) << writer.name;
    }
}

TEST_F(CliSaveTargets, AFolderAsOutputIsRefused)
{
    for (const TCliWriter &writer : Writers(true)) {
        const CliResult result = Run(writer.arguments(input_, Path("out")));
        EXPECT_NE(result.status, 0) << writer.name;
        EXPECT_TRUE(std::filesystem::is_directory(Path("out"))) << writer.name;
    }
}

// A copy left by a save that was killed while it overwrote its file (made
// here as the save makes it) is named on every start and stays.
TEST_F(CliSaveTargets, TheNextStartNamesACopyLeftByAKilledSave)
{
    const std::string target = Path("out/bets.txt");
    std::ofstream(target) << "the old bytes\n";
    SetUserDataFolder(Path("data/QOR-EuroMillon"));
    TKeptCopy kept;
    const int manifest = kept_copies::KeepCopyOf(target, kept);
    SetUserDataFolder(std::string());
    ASSERT_GE(manifest, 0);
    ::close(manifest); // as a killed process would
    for (int start = 0; start < 2; ++start) {
        const CliResult result = Run("show " + Q(input_ + "-small.aem"));
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.err.find(target), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(kept.CopyPath), std::string::npos) << result.err;
        EXPECT_EQ(FileBytes(kept.CopyPath), "the old bytes\n");
    }
}
