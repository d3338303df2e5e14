#pragma once

#include "model/stream.h"

#include <cstdio>
#include <string>

enum class FileMode { OpenRead, OpenReadWrite };

// A stream over an existing file. Raises EFOpenError "Cannot open file %s"
// when the file cannot be opened (missing, a folder, no permission).
class TFileStream : public TStream {
public:
    TFileStream(const std::string &path, FileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream &) = delete;
    TFileStream &operator=(const TFileStream &) = delete;

    size_t Read(void *buffer, size_t count) override;
    size_t Write(const void *buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    const std::string &Path() const { return path_; }

private:
    std::string path_;
    std::FILE *file_ = nullptr;
};

// Writes a file so that a failed save never destroys the previous one: the
// bytes go to a temporary file in the same folder, which Commit() flushes to
// disk and renames over the target. Destroyed without Commit(), the temporary
// file is removed and the target is left as it was.
//
// Where the folder refuses new files but the target itself may be written,
// the target is written in place instead, after a copy of it was kept in the
// user's temporary folder; a write that fails or is dropped puts the copy
// back. Raises EFCreateError "Cannot create file %s" when neither way is
// open; Commit() raises EWriteError when flushing or renaming fails.
class TSafeFileStream : public TStream {
public:
    explicit TSafeFileStream(const std::string &path);
    ~TSafeFileStream() override;
    TSafeFileStream(const TSafeFileStream &) = delete;
    TSafeFileStream &operator=(const TSafeFileStream &) = delete;

    size_t Read(void *buffer, size_t count) override;
    size_t Write(const void *buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    void Commit();

    const std::string &Path() const { return path_; }
    const std::string &TemporaryPath() const { return tempPath_; }

    // True when the target is being written in place.
    bool InPlace() const { return !keptCopy_.empty(); }

private:
    bool OpenInPlace();
    void Discard();
    void PutKeptCopyBack();

    std::string path_;
    std::string tempPath_;
    std::string keptCopy_; // in-place writing: the old file's copy
    std::FILE *file_ = nullptr;
    bool failed_ = false;
};

// Creates or replaces a file through TSafeFileStream: write() fills the stream,
// then the file is committed. An error from write() leaves the old file.
template <typename WriteFn>
void SaveFileSafely(const std::string &path, WriteFn &&write)
{
    TSafeFileStream stream(path);
    write(static_cast<TStream &>(stream));
    stream.Commit();
}
