#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include <stdlib.h>

// A fresh folder under the system's temporary folder, removed with all it
// holds afterwards. Its name is unique, so runs of the same test in other
// build trees never meet.
class TTempFolder {
public:
    explicit TTempFolder(const std::string &prefix = "qor-test")
    {
        std::string templ = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!::mkdtemp(templ.data()))
            throw std::runtime_error("cannot create a temporary folder " + templ);
        path_ = templ;
    }
    ~TTempFolder()
    {
        // A test may have left the folder read-only.
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, error);
        std::filesystem::remove_all(path_, error);
    }
    TTempFolder(const TTempFolder &) = delete;
    TTempFolder &operator=(const TTempFolder &) = delete;

    const std::string &Root() const { return path_; }
    std::string Path(const std::string &name) const { return (std::filesystem::path(path_) / name).string(); }

private:
    std::string path_;
};
