// The manuals built beside the program: each PDF exists, has more than ten
// pages, and its text (as pdftotext extracts it) holds every chapter title
// of its Markdown source, in the table of contents and in the chapters; the
// contents link to the pages. Every chapter that describes a window shows
// its pictures on its own pages (pdfimages -list), and the print offsets are
// described in millimetres, never in tenths.
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
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

namespace {

struct ManualLanguage {
    const char *name;
    const char *offsetLabel;  // the print window's field, as the manual names it
    const char *millimetres;  // the unit spelled out
    const char *exampleValue; // an offset written as the field takes it
};

const ManualLanguage kManualLanguages[] = {
    {"QOREuroMillon", "Desfase x", "milímetros", "1,5 mm"},
    {"QOREuroMillon_english", "Offset x", "millimetres", "1.5 mm"},
    {"QOREuroMillon_french", "Décalage x", "millimètres", "1,5 mm"},
};

void PrintTo(const ManualLanguage &language, std::ostream *out)
{
    *out << language.name;
}

// Chapters that describe windows, each with its pictures: main window and
// menus, combination, delete dialog, today's game, generator, wizard,
// guarantee, draws and prizes, printing, listings and designer, import and
// export.
constexpr size_t kWindowChapters = 11;
// Pictures of the windows in each manual.
constexpr size_t kPictures = 27;

struct Chapter {
    std::string title;
    size_t pictures = 0; // referenced in the Markdown
};

std::vector<Chapter> Chapters(const std::string &markdownPath)
{
    std::ifstream in(markdownPath);
    std::vector<Chapter> chapters;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) == 0)
            chapters.push_back({line.substr(2), 0});
        else if (!chapters.empty() && line.find_first_not_of(' ') != std::string::npos &&
                 line.compare(line.find_first_not_of(' '), 2, "![") == 0)
            ++chapters.back().pictures;
    }
    return chapters;
}

class ManualPictures : public ::testing::TestWithParam<ManualLanguage> {};

} // namespace

TEST_P(ManualPictures, EveryWindowChapterShowsItsPicturesAndOffsetsAreInMillimetres)
{
    const ManualLanguage language = GetParam();
    const std::string pdf = std::string(QOR_RUNTIME_DIR) + "/" + language.name + ".pdf";
    ASSERT_TRUE(std::filesystem::is_regular_file(pdf)) << pdf;
    const std::vector<Chapter> chapters =
        Chapters(std::string(QOR_MANUAL_SOURCE_DIR) + "/" + language.name + ".md");

    size_t windowChapters = 0;
    size_t referenced = 0;
    for (const Chapter &chapter : chapters) {
        windowChapters += chapter.pictures > 0;
        referenced += chapter.pictures;
    }
    EXPECT_EQ(windowChapters, kWindowChapters);
    EXPECT_EQ(referenced, kPictures);

    // The chapter on each page: chapters start on a new page with their title.
    std::vector<std::string> pages;
    {
        std::stringstream all(Output("pdftotext -enc UTF-8 '" + pdf + "' - 2>&1"));
        std::string page;
        while (std::getline(all, page, '\f'))
            pages.push_back(Flattened(page));
    }
    std::vector<int> chapterOfPage(pages.size() + 1, -1);
    int current = -1;
    for (size_t page = 0; page < pages.size(); ++page) {
        for (size_t c = 1; c < chapters.size(); ++c) {
            const std::string &text = pages[page];
            const size_t start = text.find_first_not_of(' ');
            if (start != std::string::npos &&
                text.compare(start, chapters[c].title.size(), chapters[c].title) == 0)
                current = int(c);
        }
        chapterOfPage[page + 1] = current;
    }

    // pdfimages -list: "page num type width height ..." after two header lines.
    std::vector<size_t> shown(chapters.size(), 0);
    size_t images = 0;
    std::stringstream list(Output("pdfimages -list '" + pdf + "' 2>&1"));
    std::string line;
    std::getline(list, line);
    ASSERT_NE(line.find("page"), std::string::npos) << line;
    std::getline(list, line);
    while (std::getline(list, line)) {
        std::stringstream fields(line);
        size_t page = 0, number = 0;
        std::string type;
        if (!(fields >> page >> number >> type) || type != "image")
            continue;
        ++images;
        if (page < chapterOfPage.size() && chapterOfPage[page] >= 0)
            ++shown[size_t(chapterOfPage[page])];
    }
    // Each picture once, on the pages of the chapter that describes its window.
    EXPECT_EQ(images, kPictures);
    for (size_t c = 1; c < chapters.size(); ++c)
        EXPECT_EQ(shown[c], chapters[c].pictures) << chapters[c].title;

    const std::string text = Flattened(Output("pdftotext -enc UTF-8 '" + pdf + "' - 2>&1"));
    EXPECT_NE(text.find(language.offsetLabel), std::string::npos);
    EXPECT_NE(text.find(language.millimetres), std::string::npos);
    EXPECT_NE(text.find(language.exampleValue), std::string::npos);
    for (const char *tenths :
         {"10 es un milímetro", "décimas de milímetro", "décima de milímetro", "tenths of a millimetre",
          "tenth of a millimetre", "10 is one millimetre", "dixièmes de millimètre", "dixième de millimètre",
          "10 correspond à un millimètre"})
        EXPECT_EQ(text.find(tenths), std::string::npos) << tenths;
}

namespace {

std::string ManualName(const ::testing::TestParamInfo<ManualLanguage> &param)
{
    return param.param.name;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Languages, ManualPictures, ::testing::ValuesIn(kManualLanguages), ManualName);
