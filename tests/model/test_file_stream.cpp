#include "model/exception.h"
#include "model/file_stream.h"

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
        std::signal(SIGXFSZ, SIG_IGN);
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
    struct stat info{};
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

namespace {

// Runs body in a child process that cannot create files in folder but may
// write the files it owns there: as root the child becomes nobody, otherwise
// the folder is made read-only. Returns the child's exit status.
int RunWhereTheFolderRefusesNewFiles(const fs::path &folder, const std::string &ownedFile,
                                     const std::function<int()> &body)
{
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (root) {
        ::chown(ownedFile.c_str(), kNobody, kNobody);
        ::chmod(folder.c_str(), 0755);
    } else {
        ::chmod(folder.c_str(), 0555);
    }
    pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(90);
        int status = 90;
        try {
            status = body();
        } catch (...) {
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

size_t KeptCopiesIn(const fs::path &folder)
{
    size_t count = 0;
    for (const auto &entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().rfind("qor-kept-", 0) == 0;
    return count;
}

} // namespace

TEST_F(SafeFileStreamTest, AFolderThatRefusesNewFilesIsWrittenInPlace)
{
    const std::string path = PathOf("a.bin");
    WriteFileBytes(path, "old contents");
    const size_t keptBefore = KeptCopiesIn(fs::temp_directory_path());

    // A good save replaces the bytes and leaves no copy behind.
    EXPECT_EQ(RunWhereTheFolderRefusesNewFiles(folder_, path, [&] {
                  SaveFileSafely(path, [](TStream &stream) { stream.WriteBuffer("new", 3); });
                  return 0;
              }),
              0);
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_EQ(FilesInFolder(), 1u);

    // A save that fails half way (after a megabyte went out) puts the old bytes back.
    WriteFileBytes(path, "old contents");
    EXPECT_EQ(RunWhereTheFolderRefusesNewFiles(folder_, path, [&] {
                  try {
                      SaveFileSafely(path, [](TStream &stream) {
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
    EXPECT_EQ(FileBytes(path), "old contents");
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_EQ(KeptCopiesIn(fs::temp_directory_path()), keptBefore);
}

TEST_F(SafeFileStreamTest, AFolderThatRefusesNewFilesStillRefusesANewFile)
{
    const std::string existing = PathOf("a.bin");
    WriteFileBytes(existing, "x");
    const std::string path = PathOf("new.bin");
    EXPECT_EQ(RunWhereTheFolderRefusesNewFiles(folder_, existing, [&] {
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
