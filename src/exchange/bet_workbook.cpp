#include "exchange/bet_workbook.h"

#include "exchange/exchange_text_ids.h"
#include "framework/localize.h"
#include "model/exception.h"
#include "model/file_stream.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/game_rules.h"
#include "model/progress_throttle.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

constexpr size_t kLongestSheetName = 30;
constexpr const char *kDefaultSheetName = "QOREuromillon";

bool KeepsInSheetName(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// In constant memory mode the library keeps the rows in a scratch file and
// ignores its write errors: a full disk would give a workbook cut short that
// reports success. Every row, the last one too (which the library would keep
// until the workbook closes), must have reached it.
void RowsWereStored(lxw_worksheet *sheet)
{
    lxw_worksheet_write_single_row(sheet);
    FILE *rows = sheet->optimize_tmpfile;
    if (rows && (std::fflush(rows) != 0 || std::ferror(rows)))
        throw EWriteError(kStreamWriteError);
}

// A workbook abandoned half-way is freed without writing its container.
struct WorkbookDiscarder {
    void operator()(lxw_workbook *workbook) const { lxw_workbook_free(workbook); }
};
using WorkbookPtr = std::unique_ptr<lxw_workbook, WorkbookDiscarder>;

void Check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        throw EWriteError(lxw_strerror(error));
}

// One row: the numbers ascending, then the stars ascending.
void WriteBetRow(lxw_worksheet *sheet, lxw_row_t row, BetMask bet)
{
    lxw_col_t column = 0;
    for (int value = 1; value <= kHighestValue[kBlockNumbers]; ++value) {
        if (bet & NumberBit(value))
            Check(worksheet_write_number(sheet, row, column++, value, nullptr));
    }
    column = static_cast<lxw_col_t>(kValuesPerBet[kBlockNumbers]);
    // Every star a mask may hold: a classic bet never holds 10 to 12.
    for (int value = 1; value <= kMostStars; ++value) {
        if (bet & StarBit(value))
            Check(worksheet_write_number(sheet, row, column++, value, nullptr));
    }
}

} // namespace

std::string SheetNameFor(const std::string &combinationName)
{
    std::string name;
    for (char c : combinationName) {
        if (KeepsInSheetName(c))
            name += c;
    }
    if (name.empty())
        name = kDefaultSheetName;
    return name.substr(0, kLongestSheetName);
}

void WriteBetWorkbook(const std::string &path, const std::string &sheetName, const std::vector<BetMask> &bets,
                      const TExchangeProgress &progress)
{
    if (bets.size() > kMaxSheetRows)
        throw EWriteError(
            FormatText(GetText(kTxtTooManyBetsForSheet),
                       {static_cast<long long>(kMaxSheetRows), static_cast<long long>(bets.size())}));
    // The library writes by name: into the file the safe stream prepares the
    // new content in (beside the target, or beside the kept copies when the
    // target is written in place), or, for a pipe or standard output, into a
    // scratch file whose bytes are then streamed.
    TSafeFileStream target(path);
    std::unique_ptr<TScratchFile> streamed;
    if (target.TemporaryPath().empty())
        streamed = std::make_unique<TScratchFile>();
    const std::string bookPath = streamed ? streamed->Path() : target.TemporaryPath();
    std::string scratch = std::filesystem::path(bookPath).parent_path().string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch.empty() ? nullptr : scratch.data();
    {
        lxw_workbook *raw = workbook_new_opt(bookPath.c_str(), &options);
        if (!raw)
            throw EFCreateError(FormatText("Cannot create file %s", {path}));
        WorkbookPtr workbook(raw);
        lxw_worksheet *sheet = workbook_add_worksheet(raw, sheetName.c_str());
        if (!sheet)
            throw EWriteError(FormatText("Cannot create file %s", {path}));
        TProgressThrottle throttle(SystemTickCount, 4096);
        for (size_t i = 0; i < bets.size(); ++i) {
            WriteBetRow(sheet, static_cast<lxw_row_t>(i), bets[i]);
            if (progress && throttle.Due()) {
                progress(i, bets.size());
                throttle.Reported();
            }
        }
        if (progress)
            progress(bets.size(), bets.size());
        RowsWereStored(sheet);
        lxw_error closed = workbook_close(workbook.release());
        if (closed == LXW_ERROR_CREATING_XLSX_FILE)
            throw EFCreateError(FormatText("Cannot create file %s", {path}));
        Check(closed);
    }
    if (streamed)
        CopyFileInto(bookPath, target);
    target.Commit();
}

std::string FreeNumberedPath(const std::string &folder, const std::string &stem, const std::string &extension)
{
    namespace fs = std::filesystem;
    for (int n = 1;; ++n) {
        const fs::path candidate = fs::path(folder) / (stem + "_" + std::to_string(n) + "." + extension);
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error)))
            return candidate.string();
    }
}
