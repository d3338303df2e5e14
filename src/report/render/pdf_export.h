#pragma once

#include "report/prepared_report.h"

#include <functional>
#include <string>

// Writes the prepared pages to a PDF file, each page at the exact size of its
// sheet with no margin, so that a printout at 100 % lands on the form.
// The file is written through the safe save: on any failure the previous file
// (or none) stays and no partial PDF is left. Raises EReportError 45325 for
// a report without pages, EFCreateError when the file cannot be made and
// EWriteError (45321 and the path) when writing fails. progress, when given,
// hears each page index before it is painted.
// Needs no display: makes an offscreen GUI application when none exists.
void ExportPdf(const TfrPreparedReport &report, const std::string &path,
               const std::function<void(int page)> &progress = {});
