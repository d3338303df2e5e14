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
// the new content is prepared whole in the folder of kept copies of the
// user's data folder; Commit() then keeps a durable copy of the old file
// there, overwrites the target in place and removes the copy only once the
// new bytes are on disk. A failure it sees puts the old bytes back (and says
// so); a process killed half way leaves the copy for the next start (see
// kept_copies.h).
//
// A target that exists and is not a regular file (a pipe, a device) is
// written directly, never replaced; so is standard output, named "-" or
// /dev/stdout. A folder is refused. Raises EFCreateError "Cannot create file
// %s" when no way is open; Commit() raises EWriteError when the bytes did not
// all arrive.
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
    // The file the new content goes to until Commit(), for writers that can
    // only write by name; empty when the target is written directly.
    const std::string &TemporaryPath() const { return tempPath_; }

    // True when the target is being written in place.
    bool InPlace() const { return mode_ == Mode::InPlace; }
    // True when the bytes go straight to the target (pipe, device, standard output).
    bool Direct() const { return mode_ == Mode::Direct; }

private:
    enum class Mode { Replace, InPlace, Direct };

    bool OpenDirect(const std::string &asGiven);
    bool OpenInPlace();
    void CommitInPlace();
    void Discard();

    std::string path_;
    std::string tempPath_;
    Mode mode_ = Mode::Replace;
    std::FILE *file_ = nullptr;
    bool failed_ = false;
    int64_t written_ = 0; // direct writing: bytes sent
};

// A temporary file of its own in the system's temporary folder, removed with
// the object; for writers that write by name into a target that is streamed.
class TScratchFile {
public:
    TScratchFile();
    ~TScratchFile();
    TScratchFile(const TScratchFile &) = delete;
    TScratchFile &operator=(const TScratchFile &) = delete;
    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

// Sends every byte of the file at path into stream.
void CopyFileInto(const std::string &path, TStream &stream);

// A file size limit makes a write fail like a full disk instead of killing
// the program (SIGXFSZ), so that the old file stays and the user is told.
void IgnoreFileSizeSignal();

// Creates or replaces a file through TSafeFileStream: write() fills the stream,
// then the file is committed. An error from write() leaves the old file.
template <typename WriteFn> void SaveFileSafely(const std::string &path, WriteFn &&write)
{
    TSafeFileStream stream(path);
    write(static_cast<TStream &>(stream));
    stream.Commit();
}
