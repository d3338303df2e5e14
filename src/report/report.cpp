#include "report/report.h"

#include "model/file_stream.h"
#include "report/report_errors.h"
#include "report/report_preparer.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameNameIgnoringCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

TfrReport::TfrReport() = default;
TfrReport::~TfrReport() = default;

void TfrReport::Clear()
{
    pages_.clear();
}

TfrPage &TfrReport::AddPage()
{
    pages_.emplace_back();
    return pages_.back();
}

TfrPage &TfrReport::Page(int index)
{
    if (index < 0 || index >= PageCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return pages_[static_cast<size_t>(index)];
}

const TfrPage &TfrReport::Page(int index) const
{
    return const_cast<TfrReport *>(this)->Page(index);
}

void TfrReport::LoadFromFile(const std::string &path)
{
    TFileStream stream(path, FileMode::OpenRead);
    LoadFromStream(stream);
    fileName_ = path;
}

void TfrReport::SaveToFile(const std::string &path)
{
    SaveFileSafely(path, [&](TStream &stream) { SaveToStream(stream); });
    fileName_ = path;
}

TfrUserDataset &TfrReport::CreateDataset(const std::string &name)
{
    if (TfrUserDataset *existing = FindDataset(name))
        return *existing;
    datasets_.push_back(std::make_unique<TfrUserDataset>(name));
    return *datasets_.back();
}

TfrUserDataset *TfrReport::FindDataset(const std::string &name)
{
    for (auto &dataset : datasets_) {
        if (SameNameIgnoringCase(dataset->Name(), name))
            return dataset.get();
    }
    return nullptr;
}

TfrValue TfrReport::GetValue(const std::string &name, int pageNumber)
{
    TfrValue value;
    if (OnGetValue)
        OnGetValue(name, value);
    if (value.IsEmpty() && SameNameIgnoringCase(name, "PAGE#"))
        value = TfrValue(pageNumber);
    return value;
}

TfrPreparedReport TfrReport::Prepare(const TfrTextMeasure &measure)
{
    TfrReportPreparer preparer(*this, measure);
    return preparer.Run();
}
