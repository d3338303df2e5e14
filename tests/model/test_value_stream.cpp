#include "model/exception.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"
#include "support/hex_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

template <typename Fn> std::string Written(Fn &&fn)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        fn(writer);
    }
    return stream.Bytes();
}

template <typename Fn> std::string WrittenHex(Fn &&fn)
{
    return ToHex(Written(fn));
}

void ExpectReadError(const std::string &bytes, const char *message, void (*read)(TReader &))
{
    TMemoryStream stream(bytes);
    TReader reader(stream);
    try {
        read(reader);
        FAIL() << "no error for " << ToHex(bytes);
    } catch (const EReadError &error) {
        EXPECT_STREQ(error.what(), message) << ToHex(bytes);
    }
}

} // namespace

TEST(ValueStreamWriter, IntegersTakeTheNarrowestTag)
{
    struct Case {
        int32_t value;
        const char *bytes;
    } cases[] = {{0, "02 00"},
                 {127, "02 7F"},
                 {128, "03 80 00"},
                 {-128, "02 80"},
                 {-129, "03 7F FF"},
                 {32767, "03 FF 7F"},
                 {32768, "04 00 80 00 00"},
                 {-32768, "03 00 80"},
                 {-32769, "04 FF 7F FF FF"},
                 {std::numeric_limits<int32_t>::min(), "04 00 00 00 80"}};
    for (const Case &c : cases) {
        std::string bytes = Written([&](TWriter &w) { w.PutInteger(c.value); });
        EXPECT_EQ(ToHex(bytes), c.bytes) << c.value;
        TMemoryStream stream(bytes);
        TReader reader(stream);
        EXPECT_EQ(reader.GetInteger(), c.value);
    }
}

TEST(ValueStreamWriter, StringsSwitchToLongFormAt256Bytes)
{
    std::string s255(255, 'a'), s256(256, 'b');
    std::string b255 = Written([&](TWriter &w) { w.PutString(s255); });
    ASSERT_EQ(b255.size(), 257u);
    EXPECT_EQ(ToHex(b255.substr(0, 2)), "06 FF");
    std::string b256 = Written([&](TWriter &w) { w.PutString(s256); });
    ASSERT_EQ(b256.size(), 261u);
    EXPECT_EQ(ToHex(b256.substr(0, 5)), "0C 00 01 00 00");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutString(""); }), "06 00");

    TMemoryStream stream(b255 + b256 + std::string("\x06\x00", 2));
    TReader reader(stream);
    EXPECT_EQ(reader.GetString(), s255);
    EXPECT_EQ(reader.GetString(), s256);
    EXPECT_EQ(reader.GetString(), "");
}

TEST(ValueStreamWriter, TextIsWindows1252OnTheStream)
{
    std::string bytes = Written([](TWriter &w) { w.PutString("Año €5 日"); });
    EXPECT_EQ(ToHex(bytes), "06 08 41 F1 6F 20 80 35 20 3F");
    TMemoryStream stream(bytes);
    TReader reader(stream);
    EXPECT_EQ(reader.GetString(), "Año €5 ?");
}

TEST(ValueStreamWriter, IdentsAndBooleans)
{
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutIdent("NULL"); }), "00");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutListEnd(); }), "00");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutIdent("true"); }), "09");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutIdent("FALSE"); }), "08");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutIdent("Nil"); }), "0D");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutIdent("ab"); }), "07 02 61 62");
    EXPECT_EQ(WrittenHex([](TWriter &w) {
                  w.PutBoolean(true);
                  w.PutBoolean(false);
              }),
              "09 08");
    EXPECT_EQ(WrittenHex([](TWriter &w) {
                  w.PutListStart();
                  w.PutListEnd();
              }),
              "01 00");

    std::string longName = Written([](TWriter &w) { w.PutIdent(std::string(300, 'x')); });
    ASSERT_EQ(longName.size(), 257u);
    EXPECT_EQ(ToHex(longName.substr(0, 2)), "07 FF");

    TMemoryStream stream(Written([](TWriter &w) {
        w.PutIdent("ab");
        w.PutIdent("null");
        w.PutIdent("TRUE");
        w.PutIdent("false");
        w.PutIdent("NIL");
    }));
    TReader reader(stream);
    EXPECT_EQ(reader.GetIdent(), "ab");
    EXPECT_EQ(reader.GetIdent(), "Null");
    EXPECT_EQ(reader.GetIdent(), "True");
    EXPECT_EQ(reader.GetIdent(), "False");
    EXPECT_EQ(reader.GetIdent(), "nil");
}

TEST(ValueStreamWriter, FixedWidthValues)
{
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutCurrency(20000); }), "10 20 4E 00 00 00 00 00 00");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutDate(2.0); }), "11 00 00 00 00 00 00 00 40");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutSingle(1.0f); }), "0F 00 00 80 3F");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutExtended(1.0); }), "05 00 00 00 00 00 00 00 80 FF 3F");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutExtended(-2.5); }), "05 00 00 00 00 00 00 00 A0 00 C0");
    EXPECT_EQ(WrittenHex([](TWriter &w) { w.PutExtended(0.0); }), "05 00 00 00 00 00 00 00 00 00 00");
}

TEST(ValueStreamReader, ExtendedRoundTripsEveryKindOfDouble)
{
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             0.1,
                             -123456.789,
                             3.141592653589793,
                             45678.75, // a date-time: 21 January 2025, 18:00
                             38030.0,
                             1e300,
                             -1e-300,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             4.9406564584124654e-320,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        TMemoryStream stream(Written([&](TWriter &w) { w.PutExtended(value); }));
        TReader reader(stream);
        double back = reader.GetExtended();
        EXPECT_EQ(std::signbit(back), std::signbit(value)) << value;
        EXPECT_EQ(back, value) << value;
    }
    TMemoryStream nan(Written([](TWriter &w) { w.PutExtended(std::nan("")); }));
    TReader reader(nan);
    EXPECT_TRUE(std::isnan(reader.GetExtended()));
}

TEST(ValueStreamReader, ExtendedBeyondDoubleRangeIsRounded)
{
    // 1 + 2^-63: more precision than a double holds, rounds to 1.
    TMemoryStream fine(std::string("\x05\x01\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 11));
    EXPECT_EQ(TReader(fine).GetExtended(), 1.0);
    // 2^16000 overflows to infinity; 2^-16000 underflows to zero.
    TMemoryStream huge(std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x80\x7F\x7E", 11));
    EXPECT_TRUE(std::isinf(TReader(huge).GetExtended()));
    TMemoryStream tiny(std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x80\x7F\x01", 11));
    EXPECT_EQ(TReader(tiny).GetExtended(), 0.0);
}

TEST(ValueStreamReader, IntegerValuesServeWiderReads)
{
    std::string five = Written([](TWriter &w) { w.PutInteger(5); });
    TMemoryStream a(five + five + five + five);
    TReader reader(a);
    EXPECT_EQ(reader.GetCurrency(), 50000);
    EXPECT_EQ(reader.GetDate(), 5.0);
    EXPECT_EQ(reader.GetExtended(), 5.0);
    EXPECT_EQ(reader.GetSingle(), 5.0f);
}

TEST(ValueStreamReader, WrongTagsAreInvalidPropertyValues)
{
    ExpectReadError("\x06\x01x", kInvalidPropertyValue, [](TReader &r) { r.GetInteger(); });
    ExpectReadError(std::string("\x11\0\0\0\0\0\0\0\0", 9), kInvalidPropertyValue,
                    [](TReader &r) { r.GetInteger(); });
    ExpectReadError("\x02\x01", kInvalidPropertyValue, [](TReader &r) { r.GetString(); });
    ExpectReadError("\x02\x01", kInvalidPropertyValue, [](TReader &r) { r.GetListStart(); });
    ExpectReadError("\x01", kInvalidPropertyValue, [](TReader &r) { r.GetListEnd(); });
    ExpectReadError("\x06\x00", kInvalidPropertyValue, [](TReader &r) { r.GetIdent(); });
    ExpectReadError("\x06\x00", kInvalidPropertyValue, [](TReader &r) { r.GetDate(); });
    ExpectReadError("\x13\x00", kInvalidPropertyValue, [](TReader &r) { r.GetCurrency(); });
    ExpectReadError("\x0C\xFF\xFF\xFF\xFF", kInvalidPropertyValue, [](TReader &r) { r.GetString(); });
}

TEST(ValueStreamReader, ShortStreamsAreReadErrors)
{
    ExpectReadError("", kStreamReadError, [](TReader &r) { r.GetInteger(); });
    ExpectReadError("\x03\x01", kStreamReadError, [](TReader &r) { r.GetInteger(); });
    ExpectReadError("\x06\x05"
                    "abc",
                    kStreamReadError, [](TReader &r) { r.GetString(); });
    ExpectReadError("\x01\x02\x07", kStreamReadError, [](TReader &r) {
        r.GetListStart();
        r.GetInteger();
        r.GetListEnd();
    });
    // A long string claiming 2 GB in a tiny stream fails quickly, without
    // reserving the claimed size.
    ExpectReadError("\x0C\xFF\xFF\xFF\x7F"
                    "abc",
                    kStreamReadError, [](TReader &r) { r.GetString(); });
    ExpectReadError("\x05\x00\x00", kStreamReadError, [](TReader &r) { r.GetExtended(); });
}

TEST(ValueStreamReader, BooleanConsumesOnlyTheTag)
{
    TMemoryStream stream(std::string("\x02\x07\x09", 3));
    TReader reader(stream);
    EXPECT_FALSE(reader.GetBoolean());
    EXPECT_EQ(reader.PeekTag(), 0x07);
    EXPECT_EQ(reader.Position(), 1);
}

TEST(ValueStreamReader, ListsOfUnknownLength)
{
    std::string bytes = Written([](TWriter &w) {
        w.PutListStart();
        for (int i = 1; i <= 3; ++i)
            w.PutInteger(i * 100);
        w.PutListEnd();
    });
    TMemoryStream stream(bytes);
    TReader reader(stream);
    reader.GetListStart();
    int sum = 0;
    while (!reader.AtListEnd())
        sum += reader.GetInteger();
    reader.GetListEnd();
    EXPECT_EQ(sum, 600);
}

TEST(ValueStreamReader, SkipValueSkipsNestedStructures)
{
    std::string bytes = Written([](TWriter &w) {
        w.PutListStart();
        w.PutString(std::string(300, 'z'));
        w.PutListStart();
        w.PutExtended(2.0);
        w.PutCurrency(1);
        w.PutListEnd();
        w.PutListEnd();
        w.PutInteger(42);
    });
    TMemoryStream stream(bytes);
    TReader reader(stream);
    reader.SkipValue();
    EXPECT_EQ(reader.GetInteger(), 42);

    ExpectReadError(std::string(10000, '\x01'), kStreamReadError, [](TReader &r) { r.SkipValue(); });
}

TEST(ValueStreamNesting, SubObjectReadsBetweenOuterValues)
{
    // The outer object writes, flushes, lets a sub-object write through its own
    // writer, flushes again and goes on; reading mirrors it.
    TMemoryStream stream;
    {
        TWriter outer(stream);
        outer.PutString("outer");
        for (int i = 0; i < 600; ++i)
            outer.PutInteger(i);
        outer.Flush();
        {
            TWriter inner(stream);
            inner.PutListStart();
            inner.PutInteger(70000);
            inner.PutListEnd();
        }
        outer.Flush();
        outer.PutString("after");
    }
    stream.SetPosition(0);
    TReader outer(stream);
    EXPECT_EQ(outer.GetString(), "outer");
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(outer.GetInteger(), i);
    outer.Flush();
    {
        TReader inner(stream);
        inner.GetListStart();
        EXPECT_EQ(inner.GetInteger(), 70000);
        inner.GetListEnd();
    }
    outer.Flush();
    EXPECT_EQ(outer.GetString(), "after");
}

TEST(ValueStreamReader, ReleaseLeavesUnconsumedBytesOnTheStream)
{
    TMemoryStream stream(std::string("\x02\x01\x02\x02\x02\x03", 6));
    {
        TReader reader(stream);
        EXPECT_EQ(reader.GetInteger(), 1);
        EXPECT_EQ(reader.Position(), 2);
    }
    EXPECT_EQ(stream.Position(), 2);
    TReader next(stream);
    EXPECT_EQ(next.GetInteger(), 2);
}

namespace {

// A stream that accepts only a few bytes, like a full disk.
class FullStream : public TMemoryStream {
public:
    explicit FullStream(size_t room) : room_(room) {}
    size_t Write(const void *buffer, size_t count) override
    {
        size_t n = std::min(count, room_);
        room_ -= n;
        return TMemoryStream::Write(buffer, n);
    }

private:
    size_t room_;
};

} // namespace

TEST(ValueStreamWriter, AFullStreamIsAWriteError)
{
    FullStream stream(10);
    try {
        TWriter writer(stream);
        writer.PutString(std::string(2000, 'x'));
        FAIL() << "the buffer overflow must reach the stream";
    } catch (const EWriteError &error) {
        EXPECT_STREQ(error.what(), kStreamWriteError);
    }

    FullStream small(1);
    EXPECT_THROW(
        {
            TWriter writer(small);
            writer.PutInteger(1);
        },
        EWriteError);
}
