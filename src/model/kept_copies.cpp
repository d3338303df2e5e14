#include "model/kept_copies.h"

#include "model/exception.h"
#include "model/file_stream.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char *kAppFolder = "QOR-EuroMillon";
constexpr const char *kKeptFolder = "Copias";
constexpr const char *kManifestSuffix = ".manifest";
constexpr const char *kSavingSuffix = ".saving";     // manifest of a copy not yet complete
constexpr const char *kPreparedSuffix = ".prepared"; // new content of a save under way
constexpr size_t kChunk = 64 * 1024;

std::string &OverriddenDataFolder()
{
    static std::string folder;
    return folder;
}

std::function<void(uintmax_t)> &Hook()
{
    static std::function<void(uintmax_t)> hook;
    return hook;
}

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string WithoutSuffix(const std::string &text, const std::string &end)
{
    return text.substr(0, text.size() - end.size());
}

// The kept-copies folder, created when missing; empty when it cannot be.
std::string UsableKeptFolder()
{
    const std::string folder = KeptCopiesFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error) || ::access(folder.c_str(), W_OK | X_OK) != 0)
        return std::string();
    return folder;
}

bool WriteAllTo(int fd, const std::string &text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void SyncFolder(const std::string &folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

// Copies every byte of from into the start of to; false on any short move.
bool kept_copies::CopyInto(int from, int to, uintmax_t &copied, bool overwriting)
{
    std::vector<char> buffer(kChunk);
    copied = 0;
    for (;;) {
        ssize_t n = ::pread(from, buffer.data(), buffer.size(), static_cast<off_t>(copied));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        ssize_t done = 0;
        while (done < n) {
            ssize_t w = ::pwrite(to, buffer.data() + done, static_cast<size_t>(n - done),
                                 static_cast<off_t>(copied + static_cast<uintmax_t>(done)));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false;
            done += w;
        }
        copied += static_cast<uintmax_t>(n);
        if (overwriting)
            OverwriteHook(copied);
    }
}

namespace {

// Locks a file of the folder for a decision about it; -1 when another
// program's save holds it.
int LockForDecision(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ReadManifest(const std::string &path, TKeptCopy &kept)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    bool haveTarget = false;
    bool haveSize = false;
    while (std::getline(in, line)) {
        if (line.rfind("target=", 0) == 0) {
            kept.TargetPath = line.substr(7);
            haveTarget = true;
        } else if (line.rfind("size=", 0) == 0) {
            kept.Size = std::strtoull(line.c_str() + 5, nullptr, 10);
            haveSize = true;
        }
    }
    return haveTarget && haveSize;
}

} // namespace

std::string UserDataFolder()
{
    if (!OverriddenDataFolder().empty())
        return OverriddenDataFolder();
    const char *xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return (fs::path(xdg) / kAppFolder).string();
    std::string home;
    if (const char *env = std::getenv("HOME"); env && env[0])
        home = env;
    else if (const passwd *user = ::getpwuid(::geteuid()); user && user->pw_dir)
        home = user->pw_dir;
    return (fs::path(home) / ".local" / "share" / kAppFolder).string();
}

void SetUserDataFolder(const std::string &folder)
{
    OverriddenDataFolder() = folder;
}

std::string KeptCopiesFolder()
{
    return (fs::path(UserDataFolder()) / kKeptFolder).string();
}

std::vector<TKeptCopy> FindKeptCopies()
{
    std::vector<std::pair<fs::file_time_type, TKeptCopy>> found;
    const std::string folder = KeptCopiesFolder();
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().string());
    std::sort(names.begin(), names.end());
    for (const std::string &path : names) {
        const bool prepared = EndsWith(path, kPreparedSuffix);
        const bool saving = EndsWith(path, kSavingSuffix);
        const bool manifest = EndsWith(path, kManifestSuffix);
        if (!prepared && !saving && !manifest)
            continue;
        int fd = LockForDecision(path);
        if (fd < 0)
            continue;
        if (prepared) {
            ::unlink(path.c_str());
        } else if (saving) {
            // Killed while the copy was made: the file was not touched yet.
            ::unlink(WithoutSuffix(path, kSavingSuffix).c_str());
            ::unlink(path.c_str());
        } else {
            TKeptCopy kept;
            kept.ManifestPath = path;
            kept.CopyPath = WithoutSuffix(path, kManifestSuffix);
            if (!fs::exists(kept.CopyPath, error)) {
                ::unlink(path.c_str()); // the save finished between the two removals
            } else if (ReadManifest(path, kept)) {
                found.emplace_back(fs::last_write_time(path, error), kept);
            }
        }
        ::close(fd);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<TKeptCopy> copies;
    for (auto &entry : found)
        copies.push_back(std::move(entry.second));
    return copies;
}

void RestoreKeptCopy(const TKeptCopy &copy)
{
    {
        TFileStream source(copy.CopyPath, FileMode::OpenRead);
        SaveFileSafely(copy.TargetPath, [&](TStream &target) {
            std::vector<char> buffer(kChunk);
            while (size_t n = source.Read(buffer.data(), buffer.size()))
                target.WriteBuffer(buffer.data(), n);
        });
    }
    DiscardKeptCopy(copy);
}

void DiscardKeptCopy(const TKeptCopy &copy)
{
    ::unlink(copy.CopyPath.c_str());
    ::unlink(copy.ManifestPath.c_str());
}

namespace kept_copies {

int CreatePreparedFile(const std::string &target, std::string &path)
{
    const std::string folder = UsableKeptFolder();
    if (folder.empty())
        return -1;
    path = (fs::path(folder) / (fs::path(target).filename().string() + "-XXXXXX" + kPreparedSuffix)).string();
    int fd = ::mkstemps(path.data(), static_cast<int>(std::string(kPreparedSuffix).size()));
    if (fd < 0)
        return -1;
    ::flock(fd, LOCK_EX);
    return fd;
}

int KeepCopyOf(const std::string &target, TKeptCopy &kept)
{
    const std::string folder = UsableKeptFolder();
    if (folder.empty() || target.find('\n') != std::string::npos)
        return -1;
    const fs::path name = fs::path(target).filename();
    const std::string extension = name.extension().string();
    std::string saving =
        (fs::path(folder) / (name.stem().string() + "-XXXXXX" + extension + kSavingSuffix)).string();
    int manifest =
        ::mkstemps(saving.data(), static_cast<int>(extension.size() + std::string(kSavingSuffix).size()));
    if (manifest < 0)
        return -1;
    ::flock(manifest, LOCK_EX);
    // Absolute, so that another program, started elsewhere, finds the file.
    std::error_code error;
    const fs::path absolute = fs::absolute(target, error);
    kept.TargetPath = error ? target : absolute.lexically_normal().string();
    kept.CopyPath = WithoutSuffix(saving, kSavingSuffix);
    kept.ManifestPath = kept.CopyPath + kManifestSuffix;

    bool ok = WriteAllTo(manifest, "target=" + kept.TargetPath + "\n");
    int from = ok ? ::open(target.c_str(), O_RDONLY | O_CLOEXEC) : -1;
    int to = from >= 0 ? ::open(kept.CopyPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600) : -1;
    struct stat info {};
    uintmax_t copied = 0;
    ok = to >= 0 && ::fstat(from, &info) == 0 && CopyInto(from, to, copied, false) &&
         copied == static_cast<uintmax_t>(info.st_size) && ::fsync(to) == 0;
    if (to >= 0)
        ok = ::close(to) == 0 && ok;
    if (from >= 0)
        ::close(from);
    kept.Size = copied;
    ok = ok && WriteAllTo(manifest, "size=" + std::to_string(copied) + "\n") && ::fsync(manifest) == 0 &&
         std::rename(saving.c_str(), kept.ManifestPath.c_str()) == 0;
    if (!ok) {
        ::unlink(kept.CopyPath.c_str());
        ::unlink(saving.c_str());
        ::close(manifest);
        return -1;
    }
    SyncFolder(folder);
    return manifest;
}

void Release(const TKeptCopy &kept, int manifestFd)
{
    ::unlink(kept.CopyPath.c_str());
    ::unlink(kept.ManifestPath.c_str());
    ::close(manifestFd);
}

void SetOverwriteHookForTests(std::function<void(uintmax_t written)> hook)
{
    Hook() = std::move(hook);
}

void OverwriteHook(uintmax_t written)
{
    if (Hook())
        Hook()(written);
}

} // namespace kept_copies
