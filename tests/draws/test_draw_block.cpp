#include "draws/draw.h"
#include "draws_test_support.h"
#include "framework/localize.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

namespace {

// Draw number 12 of 19 March 2004, raised 1,234.50, 617.25 for prizes, no
// winners, every prize 0, winning 3 14 22 35 48 and stars 2 9.
TSorteoEuroMillonInfo ExampleDraw()
{
    TSorteoEuroMillonInfo info = MakeDraw(38065, {3, 14, 22, 35, 48}, {2, 9}, 12);
    info.Recaudacion = 12345000;
    info.ImportePremios = 6172500;
    return info;
}

std::string ExampleBlockHex()
{
    std::string hex =
        "01 02 0C 11 00 00 00 00 20 96 E2 40 10 A8 5E BC 00 00 00 00 00 10 54 2F 5E 00 00 00 00 00 01";
    for (int i = 0; i < 12; ++i)
        hex += " 02 00";
    hex += " 00 01";
    for (int i = 0; i < 12; ++i)
        hex += " 10 00 00 00 00 00 00 00 00";
    hex += " 00 01 02 03 02 0E 02 16 02 23 02 30 00 01 02 02 02 09 00 00";
    return hex;
}

std::string BlockBytes(const TSorteoEuroMillonInfo &info)
{
    TSorteoEuroMillon draw;
    draw.SetInfo(info);
    TMemoryStream stream;
    {
        TWriter writer(stream);
        draw.WriteToStream(stream, writer);
    }
    return stream.Bytes();
}

std::string DrawFile(const std::string &block)
{
    return std::string("EMS0") + block;
}

} // namespace

TEST(DrawBlock, MatchesTheDocumentedBytes)
{
    EXPECT_EQ(ToHex(BlockBytes(ExampleDraw())), ExampleBlockHex());
}

TEST(DrawBlock, ReadsBackEveryFieldAndLeavesTheStreamAfterTheBlock)
{
    TSorteoEuroMillonInfo info = ExampleDraw();
    info.Acertantes[1] = 1;
    info.Acertantes[12] = 1191381;
    info.PremioCategoria[1] = CurrencyFromUnits(28772008);
    info.PremioCategoria[12] = 86000;
    info.FechaSorteo = 38065.5; // a draw keeps its time; only the archive cuts it
    info.NumeroSorteo = -70000;
    TMemoryStream stream(BlockBytes(info) + "\x06\x02ok");
    TSorteoEuroMillon draw;
    TReader reader(stream);
    draw.ReadFromStream(stream, reader);
    EXPECT_EQ(reader.GetString(), "ok");
    TSorteoEuroMillonInfo back;
    draw.GetInfo(back);
    EXPECT_EQ(back, info);
}

TEST(DrawObject, SetInfoSetDatosAndClear)
{
    TSorteoEuroMillon draw;
    int changes = 0;
    draw.OnChange = [&](void *sender) {
        EXPECT_EQ(sender, &draw);
        ++changes;
    };
    TSorteoEuroMillonInfo info = MakeDraw(38065, {3, 3, 60, 14, 22, 35, 48, 49}, {10, 2, 9, 5}, 12);
    draw.SetInfo(info);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(draw.ApuestaGanadora().AsText(), "03.14.22.35.48-02.09");

    TSorteoEuroMillonInfo other = MakeDraw(38072, {1, 2, 3, 4, 5}, {1, 2}, 13);
    draw.SetDatos(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(draw.NumeroSorteo, 13);
    EXPECT_EQ(draw.ApuestaGanadora().AsText(), "03.14.22.35.48-02.09"); // left as it was

    draw.Clear();
    EXPECT_EQ(changes, 2);
    TSorteoEuroMillonInfo cleared;
    draw.GetInfo(cleared);
    EXPECT_EQ(cleared, TSorteoEuroMillonInfo{});
}

TEST(DrawFile, LoadsDroppingWhatTheBetCannotHold)
{
    TTempFolder folder;
    // Six numbers (the sixth beyond the capacity) and a star 10.
    std::string block = BlockBytes(ExampleDraw());
    std::string numbers = "01 02 03 02 0E 02 16 02 23 02 30 00";
    std::string bytes = ToHex(block);
    bytes.replace(bytes.find(numbers), numbers.size(), "01 02 03 02 0E 02 16 02 23 02 30 02 05 00");
    bytes.replace(bytes.rfind("01 02 02 02 09 00"), 17, "01 02 0A 02 02 02 09 00");
    std::string raw;
    for (size_t i = 0; i < bytes.size(); i += 3)
        raw += static_cast<char>(std::stoi(bytes.substr(i, 2), nullptr, 16));
    WriteFileBytes(folder.Path("a.ems"), DrawFile(raw));

    TSorteoEuroMillon draw;
    int changes = 0;
    draw.OnChange = [&](void *) { ++changes; };
    draw.LoadFromFile(folder.Path("a.ems"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(draw.ApuestaGanadora().AsText(), "03.14.22.35.48-02.09");
    EXPECT_EQ(draw.NumeroSorteo, 12);
    EXPECT_EQ(draw.FechaSorteo, 38065);
}

TEST(DrawFile, WrongSignatureTruncationAndGarbageRaiseTheirErrors)
{
    TTempFolder folder;
    std::string file = DrawFile(BlockBytes(ExampleDraw()));
    TSorteoEuroMillon draw;
    int changes = 0;
    draw.OnChange = [&](void *) { ++changes; };

    WriteFileBytes(folder.Path("x.ems"), "EMS1" + file.substr(4));
    try {
        draw.LoadFromFile(folder.Path("x.ems"));
        FAIL() << "no error";
    } catch (const EDrawFormatError &error) {
        EXPECT_EQ(error.Message(), "No es un formato de archivo válido");
    }
    for (size_t length = 0; length < file.size(); ++length) {
        TMemoryStream prefix(file.substr(0, length));
        if (length < 4)
            EXPECT_THROW(draw.LoadFromStream(prefix), EDrawFormatError) << length;
        else
            EXPECT_THROW(draw.LoadFromStream(prefix), EReadError) << length;
    }
    std::string garbage = file;
    garbage[5] = '\x05'; // a float where the number should be
    WriteFileBytes(folder.Path("x.ems"), garbage);
    EXPECT_THROW(draw.LoadFromFile(folder.Path("x.ems")), EReadError);
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(draw.LoadFromFile(folder.Path("missing.ems")), EFOpenError);
}

TEST(DrawFile, DatesThatAreNoDayAreRefused)
{
    for (double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300}) {
        TSorteoEuroMillonInfo info = ExampleDraw();
        info.FechaSorteo = bad;
        TMemoryStream stream(BlockBytes(info));
        TReader reader(stream);
        TSorteoEuroMillon draw;
        EXPECT_THROW(draw.ReadFromStream(stream, reader), EReadError);
    }
}
