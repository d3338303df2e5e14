#include "framework/parametres.h"
#include "framework/program_path.h"
#include "framework/qor_app.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

// One run of the program: a fresh parameter store and application object
// over the files of the test folder.
struct ProgramRun {
    TParametres params;
    TQORApp app{params};
};

class QORAppFiles : public FrameworkFolderTest {
protected:
    std::string Main() const { return PathOf("qor-euromillon.zrk"); }
    std::string Backup() const { return PathOf("qor-euromillon_Seg.zrk"); }

    // A run that loads, sets the country and closes.
    void CloseWithCountry(const std::string &country)
    {
        ProgramRun run;
        run.app.LoadAppResources();
        run.params.SetValor("PRM_COUNTRY_TICKET", country);
        run.params.SetSaveList({"PRM_COUNTRY_TICKET"}, true);
        run.app.SaveAppResources();
    }

    std::string CountryAtStart()
    {
        ProgramRun run;
        run.app.LoadAppResources();
        return run.params.ReadString("PRM_COUNTRY_TICKET", "default");
    }
};

TEST_F(QORAppFiles, PathsLieBesideTheProgramFile)
{
    ProgramRun run;
    EXPECT_EQ(run.app.AppName, "QOR-EuroMillon v3");
    EXPECT_EQ(run.app.AppFile, PathOf("qor-euromillon"));
    EXPECT_EQ(run.app.ResourceFilePath(), Main());
    EXPECT_EQ(run.app.BackupFilePath(), Backup());
    EXPECT_EQ(ProgramFolder(), folder_.string());
    EXPECT_EQ(ProgramFolderPath("Sorteos"), PathOf("Sorteos"));
    EXPECT_EQ(&QORApp(), &QORApp());

    SetProgramFilePath("");
    EXPECT_EQ(fs::path(ProgramFilePath()).filename(), "test_framework");
}

TEST_F(QORAppFiles, FirstRunLoadsNothingAndWritesOnlyTheMainFile)
{
    EXPECT_EQ(CountryAtStart(), "default");
    CloseWithCountry("FR");
    EXPECT_TRUE(fs::exists(Main()));
    EXPECT_FALSE(fs::exists(Backup()));
    EXPECT_TRUE(errors_.empty());
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(CountryAtStart(), "FR");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(QORAppFiles, EachCloseKeepsThePreviousFileAsBackup)
{
    CloseWithCountry("FR");
    std::string first = FileBytes(Main());
    CloseWithCountry("ES");
    EXPECT_EQ(FileBytes(Backup()), first);
    EXPECT_EQ(CountryAtStart(), "ES");
    std::string second = FileBytes(Main());
    CloseWithCountry("XX");
    EXPECT_EQ(FileBytes(Backup()), second);
    EXPECT_EQ(CountryAtStart(), "XX");
    EXPECT_TRUE(errors_.empty());
}

TEST_F(QORAppFiles, DamagedMainFileFallsBackSilentlyToTheBackup)
{
    CloseWithCountry("FR");
    CloseWithCountry("ES");
    WriteFileBytes(Main(), "garbage");
    EXPECT_EQ(CountryAtStart(), "FR");
    EXPECT_TRUE(errors_.empty());
}

TEST_F(QORAppFiles, CloseAfterARecoveryKeepsTheGoodBackup)
{
    CloseWithCountry("FR");
    CloseWithCountry("ES");
    const std::string goodBackup = FileBytes(Backup());
    WriteFileBytes(Main(), "garbage");
    CloseWithCountry("IT"); // starts on the backup's settings
    EXPECT_EQ(FileBytes(Backup()), goodBackup);
    EXPECT_EQ(CountryAtStart(), "IT");
    // From then on the rotation is as usual.
    CloseWithCountry("PT");
    EXPECT_EQ(CountryAtStart(), "PT");
    WriteFileBytes(Main(), "garbage");
    EXPECT_EQ(CountryAtStart(), "IT");
}

TEST_F(QORAppFiles, ResourceFileNamesReplaceTheProgramsExtension)
{
    ProgramRun run;
    run.app.AppFile = PathOf("Euro.exe");
    EXPECT_EQ(run.app.ResourceFilePath(), PathOf("Euro.zrk"));
    EXPECT_EQ(run.app.BackupFilePath(), PathOf("Euro_Seg.zrk"));
    run.app.AppFile = PathOf("qor-euromillon");
    EXPECT_EQ(run.app.ResourceFilePath(), Main());
    EXPECT_EQ(run.app.BackupFilePath(), Backup());
}

TEST_F(QORAppFiles, DamagedMainFileWithoutBackupGivesDefaults)
{
    WriteFileBytes(Main(), "\x06\x0CTRecursosQOR\x01\x01");
    EXPECT_EQ(CountryAtStart(), "default");
    EXPECT_TRUE(errors_.empty());
}

TEST_F(QORAppFiles, BothDamagedShowOneErrorWithTheBackupsFault)
{
    WriteFileBytes(Main(), "\x06\x03XYZ");
    WriteFileBytes(Backup(), "\x06\x0CTRecursosQOR\x01\x01\x07");
    EXPECT_EQ(CountryAtStart(), "default");
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "QOR-EuroMillon v3|Imposible recuperar los recursos de la copia de seguridad\n"
                          "Mensaje de error:\nStream read error");
}

TEST_F(QORAppFiles, MissingMainFileLeavesTheBackupUnread)
{
    CloseWithCountry("FR");
    CloseWithCountry("ES");
    fs::remove(Main());
    EXPECT_EQ(CountryAtStart(), "default");
    EXPECT_TRUE(errors_.empty());
}

TEST_F(QORAppFiles, RefusingToGoOnTriesTheBackupAndAsksAgain)
{
    // Both files hold a parameter stream that fails half way.
    CloseWithCountry("FR");
    std::string good = FileBytes(Main());
    std::string faulty = good;
    size_t at = faulty.find("PRM_COUNTRY_TICKET");
    ASSERT_NE(at, std::string::npos);
    faulty[at + 18] = '\x13'; // the value's tag: a kind the parameter stream cannot hold
    WriteFileBytes(Main(), faulty);
    WriteFileBytes(Backup(), faulty);

    answers_ = {false, false};
    EXPECT_EQ(CountryAtStart(), "default");
    EXPECT_EQ(questions_.size(), 2u);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "QOR-EuroMillon v3|Imposible recuperar los recursos de la copia de seguridad\n"
                          "Mensaje de error:\nOperation aborted");

    // Refused for the main file, accepted for the backup: no error box.
    errors_.clear();
    questions_.clear();
    answers_ = {false, true};
    CountryAtStart();
    EXPECT_EQ(questions_.size(), 2u);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(QORAppFiles, FailedSaveIsShownAndKeepsThePreviousFile)
{
    CloseWithCountry("FR");
    std::string previous = FileBytes(Main());
    {
        ProgramRun run;
        run.app.LoadAppResources();
        run.params.OnSavePRM = [](TParametres &, const std::string &, const Variant &, bool &) {
            throw Exception("disk full");
        };
        run.app.SaveAppResources();
    }
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], "QOR-EuroMillon v3|Error guardando recursos aplicación:\ndisk full");
    EXPECT_EQ(FileBytes(Main()), previous);
    EXPECT_EQ(CountryAtStart(), "FR");

    errors_.clear();
    ProgramRun nowhere;
    nowhere.app.AppFile = PathOf("absent-folder/qor");
    nowhere.app.SaveAppResources();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(
        errors_[0].rfind("QOR-EuroMillon v3|Error guardando recursos aplicación:\nCannot create file ", 0),
        0u);
}

TEST_F(QORAppFiles, ValuesOfEveryKindSurviveARestart)
{
    {
        ProgramRun run;
        auto &p = run.params;
        p.SetValor("PRM_SHOWLIKE_Boleto", true);
        p.SetValor("PRM_LANGUAGE_DLL_FILENAME", "/opt/qor/Inglés.lng");
        p.SetValor("PRM_PREMIOS_Desde", Variant::DateTime(45000.5));
        p.SetValor("PRM_PRINTBOL_MM_DESFY", -70000);
        p.SetValor("PRM_SINGLE", 0.25f);
        p.SetValor("PRM_DOUBLE", 1.0 / 3);
        p.SetValor("PRM_CURRENCY", Variant::Currency(25000));
        p.SetValor("PRM_NULL", "");
        p.SetValor("PRM_NULL", Variant::Null());
        for (int i = 0; i < p.Count(); ++i)
            p.SetSave(p.Entry(i).Name, true);
        run.app.SaveAppResources();
    }
    ProgramRun run;
    run.app.LoadAppResources();
    auto &p = run.params;
    EXPECT_TRUE(p.ReadBoolean("PRM_SHOWLIKE_Boleto", false));
    EXPECT_EQ(p.ReadString("PRM_LANGUAGE_DLL_FILENAME", ""), "/opt/qor/Inglés.lng");
    EXPECT_EQ(p.ReadDateTime("PRM_PREMIOS_Desde", 0), 45000.5);
    EXPECT_EQ(p.ReadInteger("PRM_PRINTBOL_MM_DESFY", 0), -70000);
    EXPECT_EQ(p.GetValor("PRM_SINGLE"), Variant(0.25));
    EXPECT_EQ(p.GetValor("PRM_DOUBLE"), Variant(1.0 / 3));
    EXPECT_EQ(p.GetValor("PRM_CURRENCY"), Variant::Currency(25000));
    EXPECT_TRUE(p.GetValor("PRM_NULL").IsNull());
    EXPECT_TRUE(p.Entry(p.IndexOf("PRM_NULL")).Save);
}

// The settings are saved many times in a run (soon after each change): the
// backup keeps what the run started from, the file the latest change.
TEST_F(QORAppFiles, SavesDuringARunMakeTheBackupOnce)
{
    CloseWithCountry("ES");
    ProgramRun run;
    run.app.LoadAppResources();
    for (const char *country : {"FR", "PT", "IT"}) {
        run.params.SetValor("PRM_COUNTRY_TICKET", std::string(country));
        run.params.SetSaveList({"PRM_COUNTRY_TICKET"}, true);
        run.app.SaveAppResources();
    }
    EXPECT_EQ(CountryAtStart(), "IT");
    fs::remove(Main());
    fs::rename(Backup(), Main());
    EXPECT_EQ(CountryAtStart(), "ES");
}
