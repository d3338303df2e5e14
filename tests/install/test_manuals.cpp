// The manuals built beside the program: each PDF exists, has more than ten
// pages, and its text (as pdftotext extracts it) holds every chapter title
// of its Markdown source, in the table of contents and in the chapters; the
// contents link to the pages.
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Output(const std::string &command)
{
    std::string text;
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return text;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, got);
    ::pclose(pipe);
    return text;
}

// Lines joined by single spaces, so that a title wrapped in the PDF matches.
std::string Flattened(const std::string &text)
{
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

std::vector<std::string> ChapterTitles(const std::string &markdownPath)
{
    std::ifstream in(markdownPath);
    std::vector<std::string> titles;
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("# ", 0) == 0)
            titles.push_back(line.substr(2));
    return titles;
}

size_t Occurrences(const std::string &text, const std::string &what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

class Manual : public ::testing::TestWithParam<const char *> {};

} // namespace

TEST_P(Manual, HasMorePagesThanTenAndEveryChapterTitle)
{
    const std::string name = GetParam();
    const std::string pdf = std::string(QOR_RUNTIME_DIR) + "/" + name + ".pdf";
    ASSERT_TRUE(std::filesystem::is_regular_file(pdf)) << pdf;

    const std::string info = Output("pdfinfo '" + pdf + "' 2>&1");
    std::smatch pages;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex("Pages:\\s+(\\d+)"))) << info;
    EXPECT_GT(std::stoi(pages[1]), 10);

    const std::string text = Flattened(Output("pdftotext -enc UTF-8 '" + pdf + "' - 2>&1"));
    const std::vector<std::string> titles =
        ChapterTitles(std::string(QOR_MANUAL_SOURCE_DIR) + "/" + name + ".md");
    ASSERT_GE(titles.size(), 11u);
    // The first is the manual's title, on its first page.
    EXPECT_EQ(text.find(titles.front()), 0u) << text.substr(0, 200);
    for (size_t i = 1; i < titles.size(); ++i)
        EXPECT_GE(Occurrences(text, titles[i]), 2u) << titles[i];
    // Page numbers at the foot: the last page's number stands alone.
    EXPECT_NE(text.find(" " + std::string(pages[1]) + " "), std::string::npos);

    // Every entry of the contents jumps to its page inside the document.
    const std::string bytes = FileBytes(pdf);
    EXPECT_GE(Occurrences(bytes, "/S /GoTo /D ["), titles.size() - 1);
    EXPECT_EQ(Occurrences(bytes, "qor-page"), 0u);
    EXPECT_EQ(Occurrences(bytes, "/S /URI"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Languages, Manual,
                         ::testing::Values("QOREuroMillon", "QOREuroMillon_english", "QOREuroMillon_french"));
