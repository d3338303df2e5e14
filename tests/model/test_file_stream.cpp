#include "model/exception.h"
#include "model/file_stream.h"
#include "model/kept_copies.h"
#include "support/save_target_faults.h"

#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class SafeFileStreamTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }

    size_t FilesInFolder() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    TTempFolder temp_{"qor-file-stream"};
    fs::path folder_ = temp_.Root();
};

} // namespace

TEST_F(SafeFileStreamTest, CommitReplacesTheFileAndLeavesNoTemporary)
{
    std::string path = PathOf("a.bin");
    WriteFileBytes(path, "old contents");
    SaveFileSafely(path, [](TStream &stream) { stream.WriteBuffer("new", 3); });
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeFileStreamTest, AnErrorBeforeCommitLeavesTheOldFile)
{
    std::string path = PathOf("a.bin");
    WriteFileBytes(path, "old contents");
    EXPECT_THROW(SaveFileSafely(path,
                                [](TStream &stream) {
                                    stream.WriteBuffer("partial", 7);
                                    throw EWriteError(kStreamWriteError);
                                }),
                 EWriteError);
    EXPECT_EQ(FileBytes(path), "old contents");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeFileStreamTest, ADiskThatFillsUpLeavesTheOldFileByteForByte)
{
    std::string path = PathOf("big.bin");
    std::string old(100000, 'o');
    WriteFileBytes(path, old);
    // In a child process, limit file size so writing fails midway as on a
    // full disk; the child reports whether the save raised an error.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IgnoreFileSizeSignal();
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        int status = 0;
        try {
            SaveFileSafely(path, [](TStream &stream) {
                std::string chunk(1000, 'n');
                for (int i = 0; i < 1000; ++i)
                    stream.WriteBuffer(chunk.data(), chunk.size());
            });
            status = 1;
        } catch (const EWriteError &) {
            status = 0;
        } catch (...) {
            status = 2;
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save must raise a write error";
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SafeFileStreamTest, KeepsThePermissionsOfTheReplacedFile)
{
    std::string path = PathOf("a.bin");
    WriteFileBytes(path, "x");
    ::chmod(path.c_str(), 0640);
    SaveFileSafely(path, [](TStream &stream) { stream.WriteBuffer("y", 1); });
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeFileStreamTest, AMissingFolderIsACreateError)
{
    std::string path = PathOf("no/such/folder/a.bin");
    try {
        SaveFileSafely(path, [](TStream &) {});
        FAIL();
    } catch (const EFCreateError &error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + path);
    }
}

TEST_F(SafeFileStreamTest, OpeningMissingFilesAndFoldersIsAnOpenError)
{
    EXPECT_THROW(TFileStream(PathOf("missing"), FileMode::OpenRead), EFOpenError);
    try {
        TFileStream stream(folder_.string(), FileMode::OpenRead);
        FAIL();
    } catch (const EFOpenError &error) {
        EXPECT_EQ(error.Message(), "Cannot open file " + folder_.string());
    }
}

TEST_F(SafeFileStreamTest, ReadsBackWhatWasWritten)
{
    std::string path = PathOf("a.bin");
    SaveFileSafely(path, [](TStream &stream) { stream.WriteBuffer("abcdef", 6); });
    TFileStream in(path, FileMode::OpenRead);
    EXPECT_EQ(in.Size(), 6);
    char buffer[4] = {};
    in.SetPosition(2);
    in.ReadBuffer(buffer, 3);
    EXPECT_EQ(std::string(buffer, 3), "cde");
    EXPECT_THROW(in.ReadBuffer(buffer, 2), EReadError);
}

TEST_F(SafeFileStreamTest, ADeviceIsWrittenNotReplaced)
{
    SaveFileSafely("/dev/null", [](TStream &stream) { stream.WriteBuffer("gone", 4); });
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(SafeFileStreamTest, AFolderIsRefused)
{
    try {
        SaveFileSafely(folder_.string(), [](TStream &stream) { stream.WriteBuffer("y", 1); });
        FAIL();
    } catch (const EFCreateError &error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + folder_.string());
    }
    EXPECT_TRUE(fs::is_directory(folder_));
}

TEST(SafeFileStreamInPlace, AGoodSaveReplacesTheBytesAndLeavesNothingBehind)
{
    save_targets::TInPlaceSetup setup("a.bin");
    EXPECT_EQ(setup.Run([&] {
        TSafeFileStream stream(setup.target.string());
        if (!stream.InPlace())
            return 2;
        stream.WriteBuffer("new", 3);
        stream.Commit();
        return 0;
    }),
              0);
    EXPECT_EQ(save_targets::ReadAll(setup.target), "new");
    EXPECT_EQ(save_targets::Names(setup.files).size(), 1u);
    EXPECT_TRUE(save_targets::Names(setup.data / "Copias").empty());
}

// An error before Commit never reaches the file: the new content was being
// prepared elsewhere.
TEST(SafeFileStreamInPlace, AnAbandonedSaveNeverTouchesTheFile)
{
    save_targets::TInPlaceSetup setup("a.bin");
    EXPECT_EQ(setup.Run([&] {
        try {
            SaveFileSafely(setup.target.string(), [](TStream &stream) {
                std::string chunk(1 << 20, 'n');
                stream.WriteBuffer(chunk.data(), chunk.size());
                throw EWriteError(kStreamWriteError);
            });
        } catch (const EWriteError &) {
            return 0;
        }
        return 1;
    }),
              0);
    EXPECT_EQ(save_targets::ReadAll(setup.target), setup.old);
    EXPECT_TRUE(save_targets::Names(setup.data / "Copias").empty());
}

// A write that fails during the overwrite (here a size limit that falls once
// the copy is kept) puts the old bytes back and says so; when even that
// fails, the copy stays and the message names it.
TEST(SafeFileStreamInPlace, AFailedOverwritePutsTheOldBytesBackOrKeepsTheCopy)
{
    struct Case {
        rlim_t limit;
        const char *says;
        size_t copiesLeft;
    };
    for (const Case &c : {Case{static_cast<rlim_t>(2000), "se ha vuelto a poner", 0u},
                          Case{static_cast<rlim_t>(8), "se conserva en", 1u}}) {
        save_targets::TInPlaceSetup setup("a.bin");
        const std::string message = setup.old.substr(0, 2000);
        save_targets::WriteAll(setup.target, message); // 2000 bytes of old content
        const std::string old = save_targets::ReadAll(setup.target);
        std::string reportFile = (setup.temp.path / "message.txt").string();
        save_targets::WriteAll(reportFile, "");
        ::chmod(reportFile.c_str(), 0666);
        EXPECT_EQ(setup.Run([&] {
            IgnoreFileSizeSignal();
            kept_copies::SetOverwriteHookForTests([&](uintmax_t written) {
                if (written == 0) {
                    rlimit bound{c.limit, RLIM_INFINITY};
                    ::setrlimit(RLIMIT_FSIZE, &bound);
                }
            });
            try {
                SaveFileSafely(setup.target.string(), [](TStream &stream) {
                    std::string chunk(100000, 'n');
                    stream.WriteBuffer(chunk.data(), chunk.size());
                });
            } catch (const EWriteError &error) {
                rlimit none{RLIM_INFINITY, RLIM_INFINITY};
                ::setrlimit(RLIMIT_FSIZE, &none);
                std::ofstream(reportFile) << error.Message();
                return 0;
            }
            return 1;
        }),
                  0)
            << c.limit;
        const std::string said = save_targets::ReadAll(reportFile);
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_NE(said.find(setup.target.string()), std::string::npos) << said;
        const std::vector<TKeptCopy> found = setup.Found();
        ASSERT_EQ(found.size(), c.copiesLeft);
        if (c.copiesLeft == 0) {
            EXPECT_EQ(save_targets::ReadAll(setup.target), old);
        } else {
            EXPECT_EQ(save_targets::ReadAll(found[0].CopyPath), old);
            EXPECT_NE(said.find(found[0].CopyPath), std::string::npos) << said;
        }
    }
}

TEST(SafeFileStreamInPlace, AFolderThatRefusesNewFilesStillRefusesANewFile)
{
    save_targets::TInPlaceSetup setup("a.bin");
    const std::string path = (setup.files / "new.bin").string();
    EXPECT_EQ(setup.Run([&] {
        try {
            SaveFileSafely(path, [](TStream &stream) { stream.WriteBuffer("y", 1); });
        } catch (const EFCreateError &) {
            return 0;
        }
        return 1;
    }),
              0);
    EXPECT_FALSE(fs::exists(path));
}
