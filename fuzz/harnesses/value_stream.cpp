// The typed value stream: the first byte n, then n operation bytes, then the
// stream. The operations run in turn on the stream until it is used up or
// refused; every value read is written again and must read back the same.
#include "fuzz_harness.h"

#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <cmath>
#include <cstring>
#include <strings.h>
#include <variant>

namespace {

using Value = std::variant<std::monostate, int32_t, std::string, bool, double, int64_t, float>;

enum Op : uint8_t {
    kListStart,
    kListEnd,
    kAtListEnd,
    kInteger,
    kString,
    kIdent,
    kBoolean,
    kDate,
    kCurrency,
    kExtended,
    kSingle,
    kSkip,
    kPeek,
    kFlush,
    kOpCount
};

Value Read(TReader &reader, Op op)
{
    switch (op) {
    case kListStart:
        reader.GetListStart();
        return {};
    case kListEnd:
        reader.GetListEnd();
        return {};
    case kAtListEnd:
        return reader.AtListEnd();
    case kInteger:
        return reader.GetInteger();
    case kString:
        return reader.GetString();
    case kIdent:
        return reader.GetIdent();
    case kBoolean:
        return reader.GetBoolean();
    case kDate:
        return reader.GetDate();
    case kCurrency:
        return reader.GetCurrency();
    case kExtended:
        return reader.GetExtended();
    case kSingle:
        return reader.GetSingle();
    case kSkip:
        reader.SkipValue();
        return {};
    case kPeek:
        return static_cast<int32_t>(reader.PeekTag());
    default:
        reader.Flush();
        return {};
    }
}

void Write(TWriter &writer, Op op, const Value &value)
{
    switch (op) {
    case kListStart:
        writer.PutListStart();
        break;
    case kListEnd:
        writer.PutListEnd();
        break;
    case kInteger:
        writer.PutInteger(std::get<int32_t>(value));
        break;
    case kString:
        writer.PutString(std::get<std::string>(value));
        break;
    case kIdent:
        writer.PutIdent(std::get<std::string>(value));
        break;
    case kBoolean:
        writer.PutBoolean(std::get<bool>(value));
        break;
    case kDate:
        writer.PutDate(std::get<double>(value));
        break;
    case kCurrency:
        writer.PutCurrency(std::get<int64_t>(value));
        break;
    case kExtended:
        writer.PutExtended(std::get<double>(value));
        break;
    case kSingle:
        writer.PutSingle(std::get<float>(value));
        break;
    default:
        break; // nothing of its own on the stream
    }
}

bool Same(const Value &a, const Value &b)
{
    if (auto x = std::get_if<double>(&a), y = std::get_if<double>(&b); x && y)
        return (std::isnan(*x) && std::isnan(*y)) || std::memcmp(x, y, sizeof *x) == 0;
    if (auto x = std::get_if<float>(&a), y = std::get_if<float>(&b); x && y)
        return (std::isnan(*x) && std::isnan(*y)) || std::memcmp(x, y, sizeof *x) == 0;
    return a == b;
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.PutListStart();
        writer.PutInteger(-129);
        writer.PutString("Nueva Combinación");
        writer.PutString(std::string(300, 'x'));
        writer.PutIdent("IDNode");
        writer.PutBoolean(true);
        writer.PutDate(38065.5);
        writer.PutCurrency(12345000);
        writer.PutExtended(2.5);
        writer.PutSingle(0.25f);
        writer.PutListEnd();
    }
    std::string ops = {kListStart, kInteger,  kString,   kString, kIdent,  kBoolean,
                       kDate,      kCurrency, kExtended, kSingle, kListEnd};
    std::string skip = {kSkip};
    return {std::string(1, static_cast<char>(ops.size())) + ops + stream.Bytes(),
            std::string(1, '\x01') + skip + stream.Bytes()};
}

void FuzzOne(std::string_view data)
{
    if (data.empty())
        return;
    size_t opCount = std::min<size_t>(static_cast<uint8_t>(data[0]), data.size() - 1);
    std::string_view ops = data.substr(1, opCount);
    if (ops.empty())
        ops = std::string_view("\x0b", 1); // skip values
    TMemoryStream stream(data.substr(1 + opCount));

    std::vector<std::pair<Op, Value>> done;
    try {
        TReader reader(stream);
        for (size_t i = 0; i < 4096; ++i) {
            Op op = static_cast<Op>(static_cast<uint8_t>(ops[i % ops.size()]) % kOpCount);
            done.emplace_back(op, Read(reader, op));
        }
    } catch (const Exception &) {
        // Refused where it stopped; what was read before must still round-trip.
    }

    TMemoryStream copy;
    {
        TWriter writer(copy);
        for (const auto &[op, value] : done)
            Write(writer, op, value);
    }
    copy.SetPosition(0);
    TReader again(copy);
    for (const auto &[op, value] : done) {
        if (op == kAtListEnd || op == kPeek || op == kSkip || op == kFlush)
            continue; // they read nothing of their own
        Value back = Read(again, op);
        // The idents Null, True, False and nil come back in their own spelling.
        if (op == kIdent)
            FuzzCheck(strcasecmp(std::get<std::string>(back).c_str(), std::get<std::string>(value).c_str()) ==
                          0,
                      "an ident read, written and read again changed");
        else
            FuzzCheck(Same(back, value), "a value read, written and read again changed");
    }
}
