#include "report/report_test_support.h"
#include "support/hex_bytes.h"
#include "support/temp_folder.h"

#include "framework/localize.h"
#include "model/exception.h"
#include "model/memory_stream.h"
#include "report/report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

std::string Saved(const TfrReport &report)
{
    TMemoryStream stream;
    report.SaveToStream(stream);
    return stream.Bytes();
}

// Loads bytes into a report that holds the sample; returns the error text or "".
std::string LoadError(const std::string &bytes, TfrReport &report)
{
    TMemoryStream stream(bytes);
    try {
        report.LoadFromStream(stream);
    } catch (const Exception &error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST(ReportFile, EmptyReportBytes)
{
    TfrReport report;
    EXPECT_EQ(ToHex(Saved(report)), "51 46 52 46 02 01 01 00");
}

TEST(ReportFile, OnePageBytes)
{
    TfrReport report;
    TfrPage &page = report.AddPage();
    page.SetPaper(kPaperCustom, 1610, 1040);
    page.SetMargins({25, 25, 25, 25});
    page.Add(MakeCheckBox("C", -1, 300, 10, 14, "[C]"));
    EXPECT_EQ(ToHex(Saved(report)),
              "51 46 52 46 02 01 01 "                                        // "QFRF", version 1, pages
              "01 03 00 01 03 4A 06 03 10 04 "                               // page: custom, 1610 x 1040
              "02 00 02 00 02 19 02 19 02 19 02 19 "                         // portrait, bin 0, margins 25
              "01 01 07 0F 54 66 72 43 68 65 63 6B 42 6F 78 56 69 65 77 "    // objects: TfrCheckBoxView
              "06 01 43 02 FF 03 2C 01 02 0A 02 0E 02 00 06 03 5B 43 5D 00 " // "C", bounds, frame, "[C]"
              "00 00 00");
}

TEST(ReportFile, SavedAndLoadedBackObjectForObject)
{
    TfrReport report;
    FillSampleReport(report);
    TfrReport loaded;
    TMemoryStream stream(Saved(report));
    loaded.LoadFromStream(stream);
    ASSERT_EQ(loaded.PageCount(), 2);
    EXPECT_TRUE(loaded.SameContent(report));
    for (int p = 0; p < 2; ++p) {
        ASSERT_EQ(loaded.Page(p).Objects().size(), report.Page(p).Objects().size());
        for (size_t i = 0; i < report.Page(p).Objects().size(); ++i)
            EXPECT_EQ(loaded.Page(p).Objects()[i], report.Page(p).Objects()[i]) << p << " " << i;
    }
    EXPECT_EQ(loaded.Page(1).WidthTenths(), 2970); // A4 landscape
    EXPECT_EQ(loaded.Page(0).Bin(), 7);
}

TEST(ReportFile, EveryTruncationFailsAndLeavesTheReport)
{
    TfrReport source;
    FillSampleReport(source);
    const std::string bytes = Saved(source);
    TfrReport report;
    FillSampleReport(report);
    for (size_t length = 0; length < bytes.size(); ++length) {
        std::string error = LoadError(bytes.substr(0, length), report);
        EXPECT_FALSE(error.empty()) << length;
        EXPECT_EQ(report.PageCount(), 2) << length;
    }
    EXPECT_EQ(LoadError(bytes, report), "");
}

TEST(ReportFile, ForeignAndNewerFilesAreRefused)
{
    TfrReport report;
    EXPECT_EQ(LoadError("EMA0", report), GetText(40003));
    EXPECT_EQ(LoadError("", report), GetText(40003));
    EXPECT_EQ(LoadError(FromHex("51 46 52 46 02 02 01 00"), report), GetText(40004));
    EXPECT_EQ(LoadError(FromHex("51 46 52 46 02 00 01 00"), report), GetText(45300));
    EXPECT_EQ(LoadError(FromHex("51 46 52 46 06 00"), report), kInvalidPropertyValue);
}

TEST(ReportFile, ValuesOutOfRangeAreDamage)
{
    auto page = [](const std::string &fields) {
        return FromHex("51 46 52 46 02 01 01 01 " + fields + " 01 00 00 00");
    };
    TfrReport report;
    EXPECT_EQ(LoadError(page("02 05 02 0A 02 0A 02 00 02 00 02 00 02 00 02 00 02 00"), report),
              GetText(45300))
        << "paper code";
    EXPECT_EQ(LoadError(page("03 00 01 02 00 02 0A 02 00 02 00 02 00 02 00 02 00 02 00"), report),
              GetText(45300))
        << "height 0";
    EXPECT_EQ(LoadError(page("03 00 01 02 0A 02 0A 02 02 02 00 02 00 02 00 02 00 02 00"), report),
              GetText(45300))
        << "orientation";
    EXPECT_EQ(LoadError(page("03 00 01 02 64 02 64 02 00 02 00 02 20 02 00 02 20 02 00"), report),
              GetText(45300))
        << "margins wider than the page";
    EXPECT_EQ(LoadError(page("02 09 03 35 08 03 9A 0B 02 00 02 00 02 00 02 00 02 00 02 00"), report),
              GetText(45300))
        << "A4 of a wrong size";
    EXPECT_EQ(LoadError(page("02 09 03 34 08 03 9A 0B 02 00 02 00 02 00 02 00 02 00 02 00"), report), "");
    EXPECT_EQ(LoadError(page("02 09 03 34 08 03 9A 0B 02 00 02 00 02 00 02 00 02 00 02 00").substr(0, 10) +
                            "garbage",
                        report),
              kInvalidPropertyValue);
}

TEST(ReportFile, HostileObjectsAreDamage)
{
    // A page with one object whose fields follow.
    auto object = [](const std::string &fields) {
        return FromHex(
            "51 46 52 46 02 01 01 01 02 09 03 34 08 03 9A 0B 02 00 02 00 02 00 02 00 02 00 02 00 01 01 " +
            fields + " 00 00 00 00");
    };
    const std::string bounds = "06 01 43 02 00 02 00 02 0A 02 0A 02 00 ";
    TfrReport report;
    EXPECT_EQ(LoadError(object("07 05 54 66 72 58 59 " + bounds), report), GetText(45300)) << "unknown class";
    EXPECT_EQ(LoadError(object("07 0F 54 66 72 43 68 65 63 6B 42 6F 78 56 69 65 77 06 01 43 02 00 02 00 02 "
                               "FF 02 0A 02 00 06 00"),
                        report),
              GetText(45300))
        << "negative width";
    EXPECT_EQ(
        LoadError(object("07 0E 54 66 72 50 69 63 74 75 72 65 56 69 65 77 " + bounds + "0A FF FF FF 7F 00"),
                  report),
        kStreamReadError)
        << "picture longer than the file";
    EXPECT_EQ(LoadError(object("07 0B 54 66 72 42 61 6E 64 56 69 65 77 " + bounds + "02 03 06 00"), report),
              GetText(45300))
        << "band kind";
    EXPECT_EQ(LoadError(object("07 0B 54 66 72 4D 65 6D 6F 56 69 65 77 " + bounds +
                               "06 00 06 00 02 00 08 08 02 00 02 00"),
                        report),
              GetText(45300))
        << "font size 0";
    EXPECT_EQ(LoadError(object("07 0B 54 66 72 4D 65 6D 6F 56 69 65 77 " + bounds +
                               "06 00 06 00 02 08 02 00 08 02 00 02 00"),
                        report),
              kInvalidPropertyValue)
        << "an integer for bold";
    // A later revision's extra field at the end of an object is skipped.
    EXPECT_EQ(LoadError(object("07 0F 54 66 72 43 68 65 63 6B 42 6F 78 56 69 65 77 " + bounds +
                               "06 00 01 02 05 00"),
                        report),
              "");
    EXPECT_EQ(report.Page(0).Objects().size(), 1u);
}

TEST(ReportFile, RandomCorruptionsNeverCrash)
{
    TfrReport source;
    FillSampleReport(source);
    const std::string bytes = Saved(source);
    std::mt19937 random(13);
    TfrReport report;
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = bytes;
        int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c)
            damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
        if (!LoadError(damaged, report).empty())
            ++refused;
    }
    EXPECT_GT(refused, 0);
}

TEST(ReportFile, FileSavedSafelyAndFileNameSet)
{
    const TTempFolder temp("qor-report-file");
    const std::filesystem::path folder = temp.Root();
    const std::string path = (folder / "plantilla.frf").string();
    TfrReport report;
    FillSampleReport(report);
    report.SaveToFile(path);
    EXPECT_EQ(report.FileName(), path);
    TfrReport loaded;
    loaded.LoadFromFile(path);
    EXPECT_TRUE(loaded.SameContent(report));
    EXPECT_EQ(loaded.FileName(), path);
    EXPECT_THROW(loaded.LoadFromFile((folder / "missing.frf").string()), EFOpenError);
    EXPECT_EQ(loaded.FileName(), path);
}
