// Where the program keeps the files it writes: beside a program it may
// write to, in the user's data folder (seeded from the program's) otherwise.
#include "draws/draw_files.h"
#include "framework/data_folder.h"
#include "framework/parametres.h"
#include "framework/program_path.h"
#include "framework/qor_app.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

class DataFolder : public FrameworkFolderTest {
protected:
    void SetUp() override
    {
        FrameworkFolderTest::SetUp();
        fs::create_directories(folder_ / "program" / "Sorteos");
        fs::create_directories(folder_ / "program" / "Boletos");
        fs::create_directories(folder_ / "program" / "Listados");
        WriteFileBytes(Program("Sorteos/QOREuroMillonSorteos.emx"), "shipped archive");
        WriteFileBytes(Program("Boletos/Espana.frf"), "ticket template");
        WriteFileBytes(Program("Listados/Lista.frf"), "listing template");
        SetProgramFilePath(Program("qor-euromillon"));
        user_ = (folder_ / "home" / "QOR-EuroMillon").string();
    }

    void TearDown() override
    {
        SetFolderWritableCheckForTests({});
        SetDataFolder("");
        FrameworkFolderTest::TearDown();
    }

    std::string Program(const std::string &name) const { return (folder_ / "program" / name).string(); }
    std::string User(const std::string &name) const { return (fs::path(user_) / name).string(); }
    static void ProgramFolderReadOnly()
    {
        SetFolderWritableCheckForTests([](const std::string &) { return false; });
    }

    std::string user_;
};

TEST_F(DataFolder, WritableProgramFolderKeepsEverythingBesideTheProgram)
{
    EXPECT_EQ(ChooseDataFolder(user_), (folder_ / "program").string());
    EXPECT_FALSE(fs::exists(user_));
    TParametres params;
    TQORApp app(params);
    EXPECT_EQ(app.ResourceFilePath(), Program("qor-euromillon.zrk"));
    EXPECT_EQ(app.BackupFilePath(), Program("qor-euromillon_Seg.zrk"));
    EXPECT_EQ(ArchivoSorteos(), Program("Sorteos/QOREuroMillonSorteos.emx"));
    EXPECT_EQ(DataFolderPath("Boletos"), Program("Boletos"));
}

TEST_F(DataFolder, NoUserFolderKeepsTheProgramFolder)
{
    ProgramFolderReadOnly();
    ChooseDataFolder("");
    EXPECT_EQ(ArchivoSorteos(), Program("Sorteos/QOREuroMillonSorteos.emx"));
}

TEST_F(DataFolder, ReadOnlyProgramFolderMovesWrittenFilesToTheUserFolder)
{
    ProgramFolderReadOnly();
    EXPECT_EQ(ChooseDataFolder(user_), user_);
    EXPECT_EQ(FileBytes(User("Sorteos/QOREuroMillonSorteos.emx")), "shipped archive");
    EXPECT_EQ(FileBytes(User("Boletos/Espana.frf")), "ticket template");
    EXPECT_EQ(FileBytes(User("Listados/Lista.frf")), "listing template");
    EXPECT_EQ(ArchivoSorteos(), User("Sorteos/QOREuroMillonSorteos.emx"));
    EXPECT_EQ(DataFolderPath("Listados"), User("Listados"));
    // Read-only files stay with the program.
    EXPECT_EQ(ProgramFolderPath("QOREuroMillon.pdf"), Program("QOREuroMillon.pdf"));

    TParametres params;
    TQORApp app(params);
    EXPECT_EQ(app.ResourceFilePath(), User("qor-euromillon.zrk"));
    EXPECT_EQ(app.BackupFilePath(), User("qor-euromillon_Seg.zrk"));
    params.SetValor("PRM_COUNTRY_TICKET", std::string("FR"));
    params.SetSaveList({"PRM_COUNTRY_TICKET"}, true);
    app.SaveAppResources();
    EXPECT_TRUE(fs::exists(User("qor-euromillon.zrk")));
    EXPECT_FALSE(fs::exists(Program("qor-euromillon.zrk")));
    EXPECT_TRUE(errors_.empty());

    // The next start reads them back.
    SetDataFolder("");
    EXPECT_EQ(ChooseDataFolder(user_), user_);
    TParametres again;
    TQORApp next(again);
    next.LoadAppResources();
    EXPECT_EQ(again.ReadString("PRM_COUNTRY_TICKET", ""), "FR");
}

TEST_F(DataFolder, LaterStartsNeverOverwriteWhatTheUserHas)
{
    ProgramFolderReadOnly();
    ChooseDataFolder(user_);
    WriteFileBytes(User("Sorteos/QOREuroMillonSorteos.emx"), "user's archive");
    WriteFileBytes(User("Boletos/Espana.frf"), "user's template");
    fs::remove(User("Listados/Lista.frf"));
    WriteFileBytes(Program("Boletos/Nuevo.frf"), "new template");

    ChooseDataFolder(user_);
    EXPECT_EQ(FileBytes(User("Sorteos/QOREuroMillonSorteos.emx")), "user's archive");
    EXPECT_EQ(FileBytes(User("Boletos/Espana.frf")), "user's template");
    // A template the user deleted does not come back.
    EXPECT_FALSE(fs::exists(User("Listados/Lista.frf")));
    EXPECT_FALSE(fs::exists(User("Boletos/Nuevo.frf")));

    // A lost archive is replaced by the shipped one.
    fs::remove(User("Sorteos/QOREuroMillonSorteos.emx"));
    ChooseDataFolder(user_);
    EXPECT_EQ(FileBytes(User("Sorteos/QOREuroMillonSorteos.emx")), "shipped archive");
}

TEST_F(DataFolder, UserFolderThatCannotBeCreatedRaises)
{
    ProgramFolderReadOnly();
    WriteFileBytes(PathOf("blocking-file"), "x");
    EXPECT_THROW(ChooseDataFolder((folder_ / "blocking-file" / "QOR").string()), std::runtime_error);
}

// The real check, in a child process that drops the superuser's rights
// (a superuser may write to any folder).
TEST_F(DataFolder, SystemCheckRefusesAFolderWithoutWriteRights)
{
    EXPECT_TRUE(FolderIsWritable(folder_.string()));
    ASSERT_EQ(::chmod(Program("").c_str(), 0555), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0755), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(FolderIsWritable(Program("")) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(Program("").c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
