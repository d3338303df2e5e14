#pragma once

#include "support/file_bytes.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

// A zip made at test time with libzip: (name, content) entries, deflated.
inline std::string MakeZip(const std::vector<std::pair<std::string, std::string>> &entries)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("qor-test-" + std::to_string(::getpid()) + ".zip");
    int error = 0;
    zip_t *zip = zip_open(path.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("zip_open failed");
    for (const auto &[name, content] : entries) {
        zip_source_t *source = zip_source_buffer(zip, content.data(), content.size(), 0);
        if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0)
            throw std::runtime_error("zip_file_add failed");
    }
    if (zip_close(zip) != 0) // writes the file; the buffers must live until here
        throw std::runtime_error("zip_close failed");
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::filesystem::remove(path);
    return bytes;
}

// The sixth shipped history as published: euromillions_202002.csv.
inline std::string SixthHistoryPath()
{
    return (std::filesystem::path(QOR_HISTORY_DIR) / "euromillions_202002.csv").string();
}

inline std::string ReadWholeFile(const std::string &path)
{
    return FileBytes(path);
}
