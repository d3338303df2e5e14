#include "model/file_stream.h"

#include "model/exception.h"
#include "model/format.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t kFileBufferSize = 256 * 1024;

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
    struct stat info{};
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

TSafeFileStream::TSafeFileStream(const std::string &path) : path_(ResolveLink(path))
{
    std::string templ = path_ + ".tmp-XXXXXX";
    int fd = ::mkstemp(templ.data());
    if (fd < 0) {
        const bool folderRefuses = errno == EACCES || errno == EPERM;
        if (folderRefuses && OpenInPlace())
            return;
        throw EFCreateError(FormatText("Cannot create file %s", {path}));
    }
    tempPath_ = templ;

    // The new file keeps the permissions of the one it replaces, or gets the
    // ordinary ones a newly created file would have.
    struct stat info{};
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
        throw EFCreateError(FormatText("Cannot create file %s", {path}));
    }
    std::setvbuf(file_, nullptr, _IOFBF, kFileBufferSize);
}

// The folder takes no new file but the target may be written: keep a copy
// of it in the temporary folder, then write over it.
bool TSafeFileStream::OpenInPlace()
{
    struct stat info{};
    if (::stat(path_.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || ::access(path_.c_str(), W_OK) != 0)
        return false;
    std::error_code error;
    const fs::path tempFolder = fs::temp_directory_path(error);
    if (error)
        return false;
    std::string copy = (tempFolder / "qor-kept-XXXXXX").string();
    int fd = ::mkstemp(copy.data());
    if (fd < 0)
        return false;
    ::close(fd);
    if (!fs::copy_file(path_, copy, fs::copy_options::overwrite_existing, error) || error) {
        ::unlink(copy.c_str());
        return false;
    }
    file_ = std::fopen(path_.c_str(), "wb");
    if (!file_) {
        ::unlink(copy.c_str());
        return false;
    }
    keptCopy_ = copy;
    std::setvbuf(file_, nullptr, _IOFBF, kFileBufferSize);
    return true;
}

// Should the copy not go back, it stays in the temporary folder for the user.
void TSafeFileStream::PutKeptCopyBack()
{
    std::error_code error;
    if (fs::copy_file(keptCopy_, path_, fs::copy_options::overwrite_existing, error) && !error)
        ::unlink(keptCopy_.c_str());
    keptCopy_.clear();
}

TSafeFileStream::~TSafeFileStream()
{
    Discard();
}

void TSafeFileStream::Discard()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        if (InPlace())
            PutKeptCopyBack();
        else
            ::unlink(tempPath_.c_str());
    }
}

size_t TSafeFileStream::Read(void *buffer, size_t count)
{
    return file_ ? std::fread(buffer, 1, count, file_) : 0;
}

size_t TSafeFileStream::Write(const void *buffer, size_t count)
{
    if (!file_)
        return 0;
    size_t written = std::fwrite(buffer, 1, count, file_);
    if (written != count)
        failed_ = true;
    return written;
}

int64_t TSafeFileStream::Seek(int64_t offset, SeekOrigin origin)
{
    return file_ ? SeekFile(file_, offset, origin) : 0;
}

void TSafeFileStream::Commit()
{
    if (!file_)
        throw EWriteError(kStreamWriteError);
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_) && ::fsync(::fileno(file_)) == 0;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (InPlace()) {
        if (!ok) {
            PutKeptCopyBack();
            throw EWriteError(kStreamWriteError);
        }
        ::unlink(keptCopy_.c_str());
        keptCopy_.clear();
        return;
    }
    if (!ok) {
        ::unlink(tempPath_.c_str());
        throw EWriteError(kStreamWriteError);
    }
    if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        ::unlink(tempPath_.c_str());
        throw EFCreateError(FormatText("Cannot create file %s", {path_}));
    }
}
