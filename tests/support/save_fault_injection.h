#pragma once

// Fault injection for the writers of files. Each writer of the program gets
// its case by one call:
//
//     ExpectFailedSavesKeepThePreviousFile("x.aem", [&](const std::string &path) { c.SaveToFile(path); });
//
// The save runs in a child process whose file size limit (RLIMIT_FSIZE) cuts
// the write short at each of many points below the full size: every byte for
// small files, then evenly spread points up to the last byte. Each cut save
// must report an error (an Exception), leave the previous file at the path
// byte for byte, and leave no temporary file beside it. An unlimited save
// must then succeed.
//
// ExpectWriteErrorsAtEveryByte does the same in memory for a writer of
// streams: a stream that refuses every byte after the first n must make the
// writer raise EWriteError "Stream write error", never report success.

#include "model/exception.h"
#include "model/file_stream.h"
#include "model/memory_stream.h"
#include "model/stream.h"
#include "support/failing_stream.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace save_fault_injection {

inline std::set<std::string> FolderNames(const std::filesystem::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The cut points: every size below 512 bytes, then 256 more spread to the end.
inline std::vector<uintmax_t> CutPoints(uintmax_t fullSize)
{
    std::vector<uintmax_t> points;
    for (uintmax_t n = 0; n < fullSize && n < 512; ++n)
        points.push_back(n);
    if (fullSize > 512)
        for (uintmax_t i = 0; i <= 256; ++i)
            points.push_back(512 + (fullSize - 1 - 512) * i / 256);
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

// Runs save(path) in a child limited to limit bytes per file; the child's
// exit code: 0 the save raised an Exception, 1 it succeeded, 2 anything else.
inline int SaveInLimitedChild(const std::function<void(const std::string &)> &save, const std::string &path,
                              uintmax_t limit)
{
    pid_t child = ::fork();
    if (child == 0) {
        IgnoreFileSizeSignal(); // the programs' own: a write past the limit fails instead of killing
        rlimit bound{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        ::setrlimit(RLIMIT_FSIZE, &bound);
        int code = 2;
        try {
            save(path);
            code = 1;
        } catch (const Exception &) {
            code = 0;
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace save_fault_injection

// A file the writer stamps with the time of saving cannot match a save made
// earlier byte for byte: such a case passes its own check of the final file.
using TSavedFileCheck = std::function<bool(const std::string &saved, const std::string &whole)>;

inline void ExpectFailedSavesKeepThePreviousFile(const std::string &fileName,
                                                 const std::function<void(const std::string &path)> &save,
                                                 const TSavedFileCheck &sameContent = {})
{
    using namespace save_fault_injection;
    const TTempFolder temp("qor-save-fault");
    const std::filesystem::path folder = temp.Root();
    const std::filesystem::path path = folder / fileName;

    // The full size, from a save in a folder of its own.
    std::filesystem::create_directory(folder / "whole");
    save((folder / "whole" / fileName).string());
    const uintmax_t fullSize = std::filesystem::file_size(folder / "whole" / fileName);

    const std::string previous = "the previous file, which a failed save must leave as it is\n";
    std::ofstream(path, std::ios::binary) << previous;
    const std::set<std::string> before = FolderNames(folder);

    int faults = 0;
    for (uintmax_t limit : CutPoints(fullSize)) {
        int code = SaveInLimitedChild(save, path.string(), limit);
        bool kept = FileBytes(path) == previous;
        bool clean = FolderNames(folder) == before;
        if (code != 0 || !kept || !clean) {
            ADD_FAILURE() << fileName << " cut at " << limit << " of " << fullSize << " bytes: "
                          << (code == 1   ? "reported success"
                              : code == 0 ? "error reported"
                                          : "crashed or foreign error")
                          << (kept ? "" : ", previous file changed") << (clean ? "" : ", files left behind");
            if (++faults == 3)
                break;
            std::ofstream(path, std::ios::binary) << previous;
        }
    }

    EXPECT_EQ(SaveInLimitedChild(save, path.string(), RLIM_INFINITY), 1) << fileName << " without a limit";
    if (sameContent)
        EXPECT_TRUE(sameContent(FileBytes(path), FileBytes(folder / "whole" / fileName))) << fileName;
    else
        EXPECT_EQ(FileBytes(path), FileBytes(folder / "whole" / fileName));
}

inline void ExpectWriteErrorsAtEveryByte(const std::string &what,
                                         const std::function<void(TStream &stream)> &write)
{
    TMemoryStream whole;
    write(whole);
    const size_t fullSize = whole.Data().size();
    ASSERT_GT(fullSize, 0u) << what;
    for (size_t limit : save_fault_injection::CutPoints(fullSize)) {
        TFailingStream stream(limit);
        try {
            write(stream);
            ADD_FAILURE() << what << " cut at " << limit << " of " << fullSize << " bytes reported success";
            return;
        } catch (const EWriteError &error) {
            EXPECT_EQ(error.Message(), kStreamWriteError) << what << " cut at " << limit;
        }
    }
}
