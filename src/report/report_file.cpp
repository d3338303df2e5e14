// The template file: "QFRF", then typed values (see docs/frf-format.md).

#include "report/report.h"

#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/stream.h"
#include "model/value_stream.h"
#include "report/report_errors.h"
#include "report/report_units.h"

#include <cstring>

namespace {

constexpr char kSignature[4] = {'Q', 'F', 'R', 'F'};
constexpr int32_t kVersion = 1;
constexpr int32_t kLargestCoordinate = 1000000;
constexpr int32_t kLargestFontSize = 1000;

[[noreturn]] void Damaged()
{
    throw EReadError(GetText(kTextTemplateDamaged));
}

int32_t GetInRange(TReader &reader, int32_t lowest, int32_t highest)
{
    int32_t value = reader.GetInteger();
    if (value < lowest || value > highest)
        Damaged();
    return value;
}

// Pictures go as a vaBinary value: tag, 4-byte length, raw bytes. The typed
// writer has no binary operation, so the bytes are put on the stream
// directly between two flushes, as a nested object would.
void PutBinary(TWriter &writer, TStream &stream, const std::string &bytes)
{
    writer.Flush();
    uint8_t header[5] = {vaBinary};
    uint32_t length = static_cast<uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i)
        header[1 + i] = static_cast<uint8_t>(length >> (8 * i));
    stream.WriteBuffer(header, sizeof header);
    stream.WriteBuffer(bytes.data(), bytes.size());
}

std::string GetBinary(TReader &reader, TStream &stream)
{
    if (reader.PeekTag() != vaBinary)
        throw EReadError(kInvalidPropertyValue);
    reader.Flush();
    uint8_t header[5];
    stream.ReadBuffer(header, sizeof header);
    uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length |= static_cast<uint32_t>(header[1 + i]) << (8 * i);
    // Never trust the length: it must fit in what the stream still holds.
    if (length > static_cast<uint64_t>(stream.Size() - stream.Position()))
        throw EReadError(kStreamReadError);
    std::string bytes(length, '\0');
    stream.ReadBuffer(bytes.data(), length);
    reader.Flush();
    return bytes;
}

void PutView(TWriter &writer, TStream &stream, const TfrView &view)
{
    writer.PutListStart();
    writer.PutIdent(view.ClassName());
    writer.PutString(view.Name);
    writer.PutInteger(view.Left);
    writer.PutInteger(view.Top);
    writer.PutInteger(view.Width);
    writer.PutInteger(view.Height);
    writer.PutInteger(view.Frame);
    switch (view.Kind) {
    case TfrViewKind::Band:
        writer.PutInteger(static_cast<int32_t>(view.BandKind));
        writer.PutString(view.DataSet);
        break;
    case TfrViewKind::Memo:
        writer.PutString(view.Memo);
        writer.PutString(view.Font.Family);
        writer.PutInteger(view.Font.Size);
        writer.PutBoolean(view.Font.Bold);
        writer.PutBoolean(view.Font.Italic);
        writer.PutInteger(view.Alignment);
        writer.PutInteger(view.Flags);
        break;
    case TfrViewKind::CheckBox:
        writer.PutString(view.Memo);
        break;
    case TfrViewKind::Picture:
        PutBinary(writer, stream, view.Picture);
        break;
    }
    writer.PutListEnd();
}

TfrViewKind KindOfClass(const std::string &className)
{
    for (TfrViewKind kind :
         {TfrViewKind::Band, TfrViewKind::Memo, TfrViewKind::CheckBox, TfrViewKind::Picture}) {
        TfrView probe;
        probe.Kind = kind;
        if (className == probe.ClassName())
            return kind;
    }
    Damaged();
}

bool GetStrictBoolean(TReader &reader)
{
    TValueTag tag = reader.PeekTag();
    if (tag != vaTrue && tag != vaFalse)
        throw EReadError(kInvalidPropertyValue);
    return reader.GetBoolean();
}

TfrView GetView(TReader &reader, TStream &stream)
{
    reader.GetListStart();
    TfrView view;
    view.Kind = KindOfClass(reader.GetIdent());
    view.Name = reader.GetString();
    view.Left = GetInRange(reader, -kLargestCoordinate, kLargestCoordinate);
    view.Top = GetInRange(reader, -kLargestCoordinate, kLargestCoordinate);
    view.Width = GetInRange(reader, 0, kLargestCoordinate);
    view.Height = GetInRange(reader, 0, kLargestCoordinate);
    view.Frame = GetInRange(reader, 0, frbAll);
    switch (view.Kind) {
    case TfrViewKind::Band:
        view.BandKind = static_cast<TfrBandKind>(GetInRange(reader, 0, 2));
        view.DataSet = reader.GetString();
        break;
    case TfrViewKind::Memo:
        view.Memo = reader.GetString();
        view.Font.Family = reader.GetString();
        view.Font.Size = GetInRange(reader, 1, kLargestFontSize);
        view.Font.Bold = GetStrictBoolean(reader);
        view.Font.Italic = GetStrictBoolean(reader);
        view.Alignment = GetInRange(reader, 0, 31);
        view.Flags = GetInRange(reader, 0, 255);
        break;
    case TfrViewKind::CheckBox:
        view.Memo = reader.GetString();
        break;
    case TfrViewKind::Picture:
        view.Picture = GetBinary(reader, stream);
        break;
    }
    // Values a later revision of the same version adds at the end are skipped.
    while (!reader.AtListEnd())
        reader.SkipValue();
    reader.GetListEnd();
    return view;
}

void PutPage(TWriter &writer, TStream &stream, const TfrPage &page)
{
    writer.PutListStart();
    writer.PutInteger(page.PaperSize());
    writer.PutInteger(page.PaperWidth());
    writer.PutInteger(page.PaperHeight());
    writer.PutInteger(static_cast<int32_t>(page.Orientation()));
    writer.PutInteger(page.Bin());
    writer.PutInteger(page.Margins().Left);
    writer.PutInteger(page.Margins().Top);
    writer.PutInteger(page.Margins().Right);
    writer.PutInteger(page.Margins().Bottom);
    writer.PutListStart();
    for (const TfrView &view : page.Objects())
        PutView(writer, stream, view);
    writer.PutListEnd();
    writer.PutListEnd();
}

TfrPage GetPage(TReader &reader, TStream &stream)
{
    reader.GetListStart();
    TfrPage page;
    int32_t paperSize = reader.GetInteger();
    int32_t width = reader.GetInteger();
    int32_t height = reader.GetInteger();
    try {
        page.SetPaper(paperSize, width, height);
    } catch (const EReportError &) {
        Damaged();
    }
    if (paperSize != kPaperCustom && (width != page.PaperWidth() || height != page.PaperHeight()))
        Damaged();
    page.SetOrientation(static_cast<TfrOrientation>(GetInRange(reader, 0, 1)));
    page.SetBin(reader.GetInteger());
    TfrMargins margins;
    margins.Left = GetInRange(reader, 0, kLargestCoordinate);
    margins.Top = GetInRange(reader, 0, kLargestCoordinate);
    margins.Right = GetInRange(reader, 0, kLargestCoordinate);
    margins.Bottom = GetInRange(reader, 0, kLargestCoordinate);
    if (margins.Left + margins.Right >= page.WidthUnits() ||
        margins.Top + margins.Bottom >= page.HeightUnits())
        Damaged();
    page.SetMargins(margins);
    reader.GetListStart();
    while (!reader.AtListEnd())
        page.Objects().push_back(GetView(reader, stream));
    reader.GetListEnd();
    while (!reader.AtListEnd())
        reader.SkipValue();
    reader.GetListEnd();
    return page;
}

} // namespace

void TfrReport::SaveToStream(TStream &stream) const
{
    stream.WriteBuffer(kSignature, sizeof kSignature);
    TWriter writer(stream);
    writer.PutInteger(kVersion);
    writer.PutListStart();
    for (const TfrPage &page : pages_)
        PutPage(writer, stream, page);
    writer.PutListEnd();
}

void TfrReport::LoadFromStream(TStream &stream)
{
    char signature[sizeof kSignature] = {};
    if (stream.Read(signature, sizeof signature) != sizeof signature ||
        std::memcmp(signature, kSignature, sizeof signature) != 0)
        throw EReadError(GetText(kTextNotAValidFormat));

    std::vector<TfrPage> pages;
    TReader reader(stream);
    int32_t version = reader.GetInteger();
    if (version > kVersion)
        throw EReadError(GetText(kTextNewerFileVersion));
    if (version < 1)
        Damaged();
    reader.GetListStart();
    while (!reader.AtListEnd())
        pages.push_back(GetPage(reader, stream));
    reader.GetListEnd();
    pages_ = std::move(pages);
}
