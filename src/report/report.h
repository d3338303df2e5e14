#pragma once

#include "report/prepared_report.h"
#include "report/report_dataset.h"
#include "report/report_page.h"
#include "report/report_value.h"
#include "report/text_measure.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TStream;

// Asked while preparing for every "[NAME]" of a memo or check-box expression:
// the name as the template writes it (without brackets) and a value slot that
// starts empty. A name the handler leaves empty is tried against the engine's
// own variables ("PAGE#": the prepared page number, from 1) and otherwise
// expands to the empty text.
using TfrGetValueEvent = std::function<void(const std::string &name, TfrValue &value)>;

// A report template: pages of bands, memos, check boxes and pictures, the
// caller's variable handler and user datasets. Preparation turns it into
// prepared pages (see Prepare); the Qt painter shows, prints and exports them.
class TfrReport {
public:
    TfrReport();
    ~TfrReport();
    TfrReport(const TfrReport &) = delete;
    TfrReport &operator=(const TfrReport &) = delete;

    // Removes every page; datasets, handler and file name stay.
    void Clear();
    // Appends an A4 portrait page without margins or objects.
    TfrPage &AddPage();
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Raises EListError for a page that does not exist.
    TfrPage &Page(int index);
    const TfrPage &Page(int index) const;
    const std::vector<TfrPage> &Pages() const { return pages_; }

    // The file the designer saves to; set by LoadFromFile and SaveToFile.
    const std::string &FileName() const { return fileName_; }
    void SetFileName(const std::string &path) { fileName_ = path; }

    // The template file (layout in docs/frf-format.md). Loading replaces the
    // pages only when the whole file reads well: EFOpenError for a file that
    // cannot be opened; EReadError 40003 for a file that is not a template,
    // 40004 for a newer version, 45300 for values out of their ranges, and
    // the value stream's errors for a cut or garbled stream.
    void LoadFromFile(const std::string &path);
    void LoadFromStream(TStream &stream);
    // Saving goes through the safe save: a failed save leaves the old file.
    void SaveToFile(const std::string &path);
    void SaveToStream(TStream &stream) const;

    TfrGetValueEvent OnGetValue;

    // Creates a dataset owned by the report, or returns the one of that name
    // (names compared without regard to case); valid for the report's life.
    TfrUserDataset &CreateDataset(const std::string &name);
    TfrUserDataset *FindDataset(const std::string &name);

    // Prepares every page (see report_preparer.h). Raises EReportError 45301
    // past kMaxPreparedPages pages (a dataset that never ends) and whatever
    // the handlers raise.
    TfrPreparedReport Prepare(const TfrTextMeasure &measure = EstimatedTextMeasure());

    // Asks the handler for a variable, then the engine's own; empty when unanswered.
    TfrValue GetValue(const std::string &name, int pageNumber);

    bool SameContent(const TfrReport &other) const { return pages_ == other.pages_; }

private:
    std::vector<TfrPage> pages_;
    std::vector<std::unique_ptr<TfrUserDataset>> datasets_;
    std::string fileName_;
};
