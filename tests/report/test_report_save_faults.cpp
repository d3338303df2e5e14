// A template save cut short at any point keeps the previous file.
#include "report/report.h"

#include "report_test_support.h"
#include "support/save_fault_injection.h"

#include <gtest/gtest.h>

TEST(ReportSaveFaults, CutSavesKeepThePreviousFile)
{
    TfrReport report;
    FillSampleReport(report);
    ExpectFailedSavesKeepThePreviousFile("template.frf",
                                         [&](const std::string &path) { report.SaveToFile(path); });
}

TEST(ReportSaveFaults, EveryRefusedByteIsAWriteError)
{
    TfrReport report;
    FillSampleReport(report);
    ExpectWriteErrorsAtEveryByte("template", [&](TStream &stream) { report.SaveToStream(stream); });
    EXPECT_EQ(report.PageCount(), 2);
}
