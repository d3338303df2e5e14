#include "model/file_stream.h"

#include "model/exception.h"
#include "model/format.h"
#include "model/kept_copies.h"
#include "model/text_lookup.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t kFileBufferSize = 256 * 1024;
constexpr int kTextSaveUndone = 45140;   // "... %s ... se ha vuelto a poner"
constexpr int kTextSaveCopyKept = 45141; // "... %s ... se conserva en %s"

int64_t SeekFile(std::FILE *file, int64_t offset, SeekOrigin origin)
{
    int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    if (!(origin == SeekOrigin::Current && offset == 0))
        fseeko(file, static_cast<off_t>(offset), whence);
    return static_cast<int64_t>(ftello(file));
}

std::string ResolveLink(const std::string &path)
{
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        auto target = std::filesystem::weakly_canonical(path, error);
        if (!error)
            return target.string();
    }
    return path;
}

} // namespace

TFileStream::TFileStream(const std::string &path, FileMode mode) : path_(path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        throw EFOpenError(FormatText("Cannot open file %s", {path}));
    file_ = std::fopen(path.c_str(), mode == FileMode::OpenRead ? "rb" : "r+b");
    if (!file_)
        throw EFOpenError(FormatText("Cannot open file %s", {path}));
    std::setvbuf(file_, nullptr, _IOFBF, kFileBufferSize);
}

TFileStream::~TFileStream()
{
    if (file_)
        std::fclose(file_);
}

size_t TFileStream::Read(void *buffer, size_t count)
{
    return std::fread(buffer, 1, count, file_);
}

size_t TFileStream::Write(const void *buffer, size_t count)
{
    return std::fwrite(buffer, 1, count, file_);
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin)
{
    return SeekFile(file_, offset, origin);
}

namespace {

// Descriptor named by a path of the standard streams: "-", /dev/stdout,
// /dev/stderr, /dev/fd/N, /proc/self/fd/N; -1 for any other path.
int StandardDescriptor(const std::string &path)
{
    if (path == "-" || path == "/dev/stdout")
        return STDOUT_FILENO;
    if (path == "/dev/stderr")
        return STDERR_FILENO;
    for (const char *prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        const std::string start(prefix);
        if (path.rfind(start, 0) == 0 && path.size() > start.size() &&
            path.find_first_not_of("0123456789", start.size()) == std::string::npos)
            return std::atoi(path.c_str() + start.size());
    }
    return -1;
}

std::string CannotCreate(const std::string &path)
{
    return FormatText("Cannot create file %s", {path});
}

} // namespace

TSafeFileStream::TSafeFileStream(const std::string &path)
    : path_(StandardDescriptor(path) >= 0 ? path : ResolveLink(path))
{
    if (OpenDirect(path))
        return;
    std::string templ = path_ + ".tmp-XXXXXX";
    int fd = ::mkstemp(templ.data());
    if (fd < 0) {
        const bool folderRefuses = errno == EACCES || errno == EPERM;
        if (folderRefuses && OpenInPlace())
            return;
        throw EFCreateError(CannotCreate(path));
    }
    tempPath_ = templ;

    // The new file keeps the permissions of the one it replaces, or gets the
    // ordinary ones a newly created file would have.
    struct stat info {};
    mode_t mode;
    if (::stat(path_.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);

    file_ = ::fdopen(fd, "w+b");
    if (!file_) {
        ::close(fd);
        ::unlink(tempPath_.c_str());
        throw EFCreateError(CannotCreate(path));
    }
    std::setvbuf(file_, nullptr, _IOFBF, kFileBufferSize);
}

// Renaming a file over a pipe or a device would take the reader's bytes away
// (and, run by root, replace /dev/null): such targets take the bytes as they come.
bool TSafeFileStream::OpenDirect(const std::string &asGiven)
{
    int fd = -1;
    if (int standard = StandardDescriptor(asGiven); standard >= 0) {
        fd = ::fcntl(standard, F_DUPFD_CLOEXEC, 0);
    } else {
        struct stat info {};
        if (::stat(path_.c_str(), &info) != 0 || S_ISREG(info.st_mode))
            return false;
        if (S_ISDIR(info.st_mode))
            throw EFCreateError(CannotCreate(asGiven));
        fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    }
    if (fd < 0)
        throw EFCreateError(CannotCreate(asGiven));
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        throw EFCreateError(CannotCreate(asGiven));
    }
    mode_ = Mode::Direct;
    return true;
}

// The folder takes no new file but the target may be written: the new
// content is prepared beside the kept copies; Commit() overwrites the target.
bool TSafeFileStream::OpenInPlace()
{
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || ::access(path_.c_str(), W_OK) != 0)
        return false;
    std::string prepared;
    int fd = kept_copies::CreatePreparedFile(path_, prepared);
    if (fd < 0)
        return false;
    file_ = ::fdopen(fd, "w+b");
    if (!file_) {
        ::close(fd);
        ::unlink(prepared.c_str());
        return false;
    }
    tempPath_ = prepared;
    mode_ = Mode::InPlace;
    std::setvbuf(file_, nullptr, _IOFBF, kFileBufferSize);
    return true;
}

TSafeFileStream::~TSafeFileStream()
{
    Discard();
}

// Until Commit() the target has not been touched: only the temporary or
// prepared file goes.
void TSafeFileStream::Discard()
{
    if (!file_)
        return;
    std::fclose(file_);
    file_ = nullptr;
    if (mode_ != Mode::Direct)
        ::unlink(tempPath_.c_str());
}

size_t TSafeFileStream::Read(void *buffer, size_t count)
{
    return file_ && mode_ != Mode::Direct ? std::fread(buffer, 1, count, file_) : 0;
}

size_t TSafeFileStream::Write(const void *buffer, size_t count)
{
    if (!file_)
        return 0;
    size_t written = std::fwrite(buffer, 1, count, file_);
    if (written != count)
        failed_ = true;
    written_ += static_cast<int64_t>(written);
    return written;
}

// Streamed bytes cannot be gone back to: the position is what was sent.
int64_t TSafeFileStream::Seek(int64_t offset, SeekOrigin origin)
{
    if (!file_)
        return 0;
    if (mode_ == Mode::Direct)
        return written_;
    return SeekFile(file_, offset, origin);
}

void TSafeFileStream::Commit()
{
    if (!file_)
        throw EWriteError(kStreamWriteError);
    if (mode_ == Mode::InPlace) {
        CommitInPlace();
        return;
    }
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
    if (mode_ == Mode::Direct) {
        // Pipes and devices cannot be synced; what counts is that every byte went out.
        ok = std::fclose(file_) == 0 && ok;
        file_ = nullptr;
        if (!ok)
            throw EWriteError(kStreamWriteError);
        return;
    }
    ok = ok && ::fsync(::fileno(file_)) == 0;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (!ok) {
        ::unlink(tempPath_.c_str());
        throw EWriteError(kStreamWriteError);
    }
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        ::unlink(tempPath_.c_str());
        throw EFCreateError(CannotCreate(path_));
    }
}

// The whole new content is ready; a durable copy of the old bytes is made
// before the first byte of the target changes, and removed only once the new
// bytes are on disk.
void TSafeFileStream::CommitInPlace()
{
    struct stat prepared {};
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_) &&
              ::fstat(::fileno(file_), &prepared) == 0;
    const uintmax_t newSize = static_cast<uintmax_t>(prepared.st_size);
    // A size limit the new content cannot pass is known now, not half way.
    rlimit limit{};
    if (ok && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        newSize > static_cast<uintmax_t>(limit.rlim_cur))
        ok = false;
    if (!ok) {
        Discard();
        throw EWriteError(kStreamWriteError);
    }
    TKeptCopy kept;
    const int manifest = kept_copies::KeepCopyOf(path_, kept);
    if (manifest < 0) {
        Discard();
        throw EFCreateError(CannotCreate(path_));
    }
    const int source = ::fileno(file_);
    const int target = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    if (target < 0) {
        Discard();
        kept_copies::Release(kept, manifest);
        throw EFCreateError(CannotCreate(path_));
    }
    uintmax_t copied = 0;
    kept_copies::OverwriteHook(0);
    bool written = kept_copies::CopyInto(source, target, copied, true) && copied == newSize &&
                   ::ftruncate(target, static_cast<off_t>(newSize)) == 0;
    if (written) {
        kept_copies::OverwriteHook(newSize);
        written = ::fsync(target) == 0;
    }
    bool restored = false;
    if (!written) {
        const int old = ::open(kept.CopyPath.c_str(), O_RDONLY | O_CLOEXEC);
        uintmax_t back = 0;
        restored = old >= 0 && kept_copies::CopyInto(old, target, back, false) && back == kept.Size &&
                   ::ftruncate(target, static_cast<off_t>(kept.Size)) == 0 && ::fsync(target) == 0;
        if (old >= 0)
            ::close(old);
    }
    if (::close(target) != 0 && written)
        written = false;
    Discard();
    if (written || restored)
        kept_copies::Release(kept, manifest);
    else
        ::close(manifest); // the copy stays for the user (reported at the next start)
    if (written)
        return;
    if (restored)
        throw EWriteError(FormatText(GetText(kTextSaveUndone), {path_}));
    throw EWriteError(FormatText(GetText(kTextSaveCopyKept), {path_, kept.CopyPath}));
}

TScratchFile::TScratchFile()
{
    std::error_code error;
    std::string templ = (fs::temp_directory_path(error) / "qor-scratch-XXXXXX").string();
    int fd = ::mkstemp(templ.data());
    if (fd < 0)
        throw EFCreateError(CannotCreate(templ));
    ::close(fd);
    path_ = templ;
}

TScratchFile::~TScratchFile()
{
    ::unlink(path_.c_str());
}

void CopyFileInto(const std::string &path, TStream &stream)
{
    TFileStream source(path, FileMode::OpenRead);
    std::vector<char> buffer(kFileBufferSize);
    while (size_t n = source.Read(buffer.data(), buffer.size()))
        stream.WriteBuffer(buffer.data(), n);
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
