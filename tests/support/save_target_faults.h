#pragma once

// Hostile targets and endings for the writers of files, one call per writer
// and per fault. Each function returns the problems it saw, empty when the
// writer behaved, so that both the GoogleTest and the Qt Test programs can
// run the same table of writers:
//
// - FifoTargetProblems: the target is a named pipe; a reader must receive
//   exactly the bytes a save into a plain file gives, and the pipe must still
//   be a pipe afterwards, with nothing left beside it.
// - KilledInPlaceProblems: the folder refuses new files but the file may be
//   written (as root the writer runs as nobody), so the save overwrites it in
//   place; the writer is killed with SIGKILL at each point of the overwrite
//   in turn. Each time a byte-for-byte copy of the old file must wait in the
//   folder of kept copies, found as the next start of a program finds it.
// - LimitedInPlaceProblems: the same folder under file size limits (the
//   program's own SIGXFSZ handling): an error, the old file byte for byte,
//   nothing left behind.

#include "support/file_bytes.h"

#include "model/exception.h"
#include "model/file_stream.h"
#include "model/kept_copies.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace save_targets {

namespace fs = std::filesystem;

using TSave = std::function<void(const std::string &path)>;
// Files that hold the time they were made cannot match byte for byte.
using TSame = std::function<bool(const std::string &saved, const std::string &whole)>;

inline std::string ReadAll(const fs::path &path)
{
    return FileBytes(path);
}

inline void WriteAll(const fs::path &path, const std::string &bytes)
{
    WriteFileBytes(path, bytes);
}

inline std::set<std::string> Names(const fs::path &folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.insert(it->path().filename().string());
    return names;
}

inline bool Same(const TSame &same, const std::string &saved, const std::string &whole)
{
    return same ? same(saved, whole) : saved == whole;
}

// A fresh folder, removed with everything in it.
struct TTempFolder {
    fs::path path;
    TTempFolder()
    {
        std::string templ = (fs::temp_directory_path() / "qor-save-target-XXXXXX").string();
        if (::mkdtemp(templ.data()))
            path = templ;
        ::chmod(path.c_str(), 0755); // the writer may run as another user
    }
    ~TTempFolder()
    {
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(path, error); !error && it != fs::end(it);
             it.increment(error))
            if (it->is_directory(error))
                ::chmod(it->path().c_str(), 0755);
        ::chmod(path.c_str(), 0755);
        fs::remove_all(path, error);
    }
};

constexpr uid_t kNobody = 65534;

// Runs body in a child that cannot create files in folder but may write the
// files given (and create files in the folders given): as root the child
// becomes nobody and owns them; otherwise folder is made read-only. Returns
// the child's exit code, or 128 + the signal that ended it.
inline int RunWhereTheFolderRefusesNewFiles(const fs::path &folder, const std::vector<fs::path> &owned,
                                            const std::function<int()> &body)
{
    const bool root = ::geteuid() == 0;
    if (root) {
        for (const fs::path &path : owned) {
            ::chown(path.c_str(), kNobody, kNobody);
            std::error_code error;
            for (auto it = fs::recursive_directory_iterator(path, error); !error && it != fs::end(it);
                 it.increment(error))
                ::chown(it->path().c_str(), kNobody, kNobody);
        }
        ::chmod(folder.c_str(), 0755);
    } else {
        ::chmod(folder.c_str(), 0555);
    }
    pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(90);
        int code = 90;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

inline std::string FifoProblems(const std::string &fileName, const TSave &save, const TSame &same = {})
{
    TTempFolder temp;
    fs::create_directory(temp.path / "whole");
    save((temp.path / "whole" / fileName).string());
    const std::string whole = ReadAll(temp.path / "whole" / fileName);

    const fs::path fifo = temp.path / fileName;
    if (::mkfifo(fifo.c_str(), 0600) != 0)
        return "no FIFO could be made";
    std::string received;
    std::thread reader([&] { received = ReadAll(fifo); });
    std::string problems;
    try {
        save(fifo.string());
    } catch (const std::exception &error) {
        problems += std::string(" the save failed: ") + error.what() + ";";
    }
    // A writer that never opened the pipe must not leave the reader waiting.
    int unblock = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (unblock >= 0)
        ::close(unblock);
    reader.join();
    struct stat info {};
    if (::lstat(fifo.c_str(), &info) != 0 || !S_ISFIFO(info.st_mode))
        problems += " the FIFO is no longer a FIFO;";
    if (!Same(same, received, whole))
        problems += " the reader got " + std::to_string(received.size()) + " bytes, not the " +
                    std::to_string(whole.size()) + " of the file;";
    if (Names(temp.path) != std::set<std::string>{fileName, "whole"})
        problems += " files were left beside the FIFO;";
    return problems.empty() ? problems : fileName + ":" + problems;
}

// The folder layout of the in-place cases: the files' folder, which refuses
// new files, and the user's data folder with the kept copies.
struct TInPlaceSetup {
    TTempFolder temp;
    fs::path files = temp.path / "files";
    fs::path data = temp.path / "data";
    fs::path target;
    std::string old;

    explicit TInPlaceSetup(const std::string &fileName)
    {
        fs::create_directories(files);
        fs::create_directories(data);
        target = files / fileName;
        for (int i = 0; i < 400; ++i)
            old += "line " + std::to_string(i) + " of the previous file, which must survive\n";
        PutOldBack();
    }
    void PutOldBack() const { WriteAll(target, old); }
    int Run(const std::function<int()> &body) const
    {
        return RunWhereTheFolderRefusesNewFiles(files, {target, data}, [&] {
            SetUserDataFolder(data.string());
            return body();
        });
    }
    // What a program finds at its next start.
    std::vector<TKeptCopy> Found() const
    {
        SetUserDataFolder(data.string());
        std::vector<TKeptCopy> found = FindKeptCopies();
        SetUserDataFolder(std::string());
        return found;
    }
};

inline std::string KilledInPlaceProblems(const std::string &fileName, const TSave &save,
                                         const TSame &same = {}, int mostPoints = 8)
{
    TInPlaceSetup setup(fileName);
    std::string problems;
    int points = 0;
    for (int point = 1; point <= mostPoints; ++point) {
        const int code = setup.Run([&] {
            int calls = 0;
            kept_copies::SetOverwriteHookForTests([&](uintmax_t) {
                if (++calls == point)
                    ::raise(SIGKILL);
            });
            save(setup.target.string());
            return 0;
        });
        if (code == 0)
            break; // the save ended before this point: every point was tried
        ++points;
        if (code != 128 + SIGKILL) {
            problems +=
                " point " + std::to_string(point) + ": the writer ended with " + std::to_string(code) + ";";
            break;
        }
        const std::vector<TKeptCopy> found = setup.Found();
        if (found.size() != 1 || found[0].TargetPath != setup.target.string())
            problems += " point " + std::to_string(point) + ": " + std::to_string(found.size()) +
                        " kept copies found for the file;";
        else if (ReadAll(found[0].CopyPath) != setup.old)
            problems += " point " + std::to_string(point) + ": the kept copy differs from the old file;";
        for (const TKeptCopy &kept : found)
            DiscardKeptCopy(kept);
        setup.PutOldBack();
    }
    if (points < 3)
        problems += " only " + std::to_string(points) + " points of the overwrite were reached;";

    // Unhindered, the save overwrites the file and leaves nothing behind.
    if (setup.Run([&] {
            save(setup.target.string());
            return 0;
        }) != 0)
        problems += " an unhindered save in place failed;";
    fs::create_directory(setup.temp.path / "whole");
    save((setup.temp.path / "whole" / fileName).string());
    if (!Same(same, ReadAll(setup.target), ReadAll(setup.temp.path / "whole" / fileName)))
        problems += " the file saved in place differs from a plain save;";
    if (!setup.Found().empty() || !Names(setup.data / "Copias").empty())
        problems += " files were left in the kept-copies folder;";
    if (Names(setup.files) != std::set<std::string>{fileName})
        problems += " files were left beside the file;";
    return problems.empty() ? problems : fileName + ":" + problems;
}

inline std::string LimitedInPlaceProblems(const std::string &fileName, const TSave &save)
{
    TInPlaceSetup setup(fileName);
    fs::create_directory(setup.temp.path / "whole");
    save((setup.temp.path / "whole" / fileName).string());
    const uintmax_t whole = fs::file_size(setup.temp.path / "whole" / fileName);
    std::vector<uintmax_t> limits{0, 1, whole / 3, whole / 2, whole - 1};
    limits.erase(std::unique(limits.begin(), limits.end()), limits.end());
    std::string problems;
    for (uintmax_t limit : limits) {
        const int code = setup.Run([&] {
            IgnoreFileSizeSignal();
            rlimit bound{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
            ::setrlimit(RLIMIT_FSIZE, &bound);
            try {
                save(setup.target.string());
            } catch (const Exception &) {
                return 0;
            }
            return 1;
        });
        const std::string at = " limit " + std::to_string(limit) + " of " + std::to_string(whole) + ":";
        if (code != 0)
            problems += at + (code == 1 ? " reported success;" : " ended with " + std::to_string(code) + ";");
        if (ReadAll(setup.target) != setup.old)
            problems += at + " the old file changed;";
        if (!setup.Found().empty() || !Names(setup.data / "Copias").empty())
            problems += at + " files were left in the kept-copies folder;";
        if (Names(setup.files) != std::set<std::string>{fileName})
            problems += at + " files were left beside the file;";
        setup.PutOldBack();
    }
    return problems.empty() ? problems : fileName + ":" + problems;
}

} // namespace save_targets
