#include "framework/parametres.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Saved(TParametres &prm)
{
    TMemoryStream stream;
    prm.SaveToStream(&stream);
    return stream.Bytes();
}

std::string Ident(const std::string &name)
{
    return "\x07" + Counted(name);
}

// Loads bytes into prm and returns the error message, or "" when it loaded.
std::string Load(TParametres &prm, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    try {
        prm.LoadFromStream(&stream);
    } catch (const Exception &error) {
        return error.Message();
    }
    return "";
}

} // namespace

TEST(ParamStream, CountryTicketExampleBytes)
{
    TParametres prm;
    prm.SetValor("PRM_COUNTRY_TICKET", "ES");
    prm.SetSaveList({"PRM_COUNTRY_TICKET"}, true);
    std::string expected = ParamSignatureBytes() + "\x01" + Ident("PRM_COUNTRY_TICKET") +
                           "\x06\x02"
                           "ES" +
                           std::string(1, '\0');
    EXPECT_EQ(ToHex(Saved(prm)), ToHex(expected));
    EXPECT_EQ(ToHex(ParamSignatureBytes()), "06 0E 51 4F 52 50 61 72 61 6D 53 74 72 65 61 6D");
}

TEST(ParamStream, OnlySavedEntriesAreWrittenUnderTheirFirstSpelling)
{
    TParametres prm;
    EXPECT_EQ(prm.ReadInteger("PRM_PRINTBOL_IANGULO", 1), 1);
    EXPECT_EQ(ToHex(Saved(prm)), ToHex(ParamSignatureBytes() + std::string("\x01\x00", 2)));

    prm.SetValor("prm_x", "t");
    prm.SetSave("PRM_X", true);
    EXPECT_EQ(ToHex(Saved(prm)),
              ToHex(ParamSignatureBytes() + "\x01" + Ident("prm_x") + "\x06\x01t" + std::string(1, '\0')));
}

TEST(ParamStream, SaveHandlerDecidesWithoutTouchingTheMark)
{
    TParametres prm;
    prm.SetValor("PRM_A", true);
    prm.SetValor("PRM_B", false);
    prm.SetSave("PRM_A", true);
    prm.OnSavePRM = [](TParametres &, const std::string &name, const Variant &, bool &save) {
        save = name == "PRM_B";
    };
    EXPECT_EQ(ToHex(Saved(prm)),
              ToHex(ParamSignatureBytes() + "\x01" + Ident("PRM_B") + "\x08" + std::string(1, '\0')));
    EXPECT_TRUE(prm.Entry(0).Save);
    EXPECT_FALSE(prm.Entry(1).Save);
}

TEST(ParamStream, EveryKindRoundTrips)
{
    TParametres prm;
    prm.SetValor("PRM_EMPTY", Variant());
    prm.SetValor("PRM_NULL", Variant::Null());
    prm.SetValor("PRM_SMALL", Variant::Smallint(-300));
    prm.SetValor("PRM_INT", 70000);
    prm.SetValor("PRM_BYTE", Variant::Byte(200));
    prm.SetValor("PRM_SINGLE", 0.5f);
    prm.SetValor("PRM_DOUBLE", 0.1);
    prm.SetValor("PRM_CURR", Variant::Currency(-123456789));
    prm.SetValor("PRM_DATE", Variant::DateTime(45000.25));
    prm.SetValor("PRM_TRUE", true);
    prm.SetValor("PRM_FALSE", false);
    prm.SetValor("PRM_TEXT", "Año €");
    prm.SetValor("PRM_LONG", std::string(300, 'x'));
    prm.SetValor("PRM_OTHER", Variant::Int64(1LL << 40));
    for (int i = 0; i < prm.Count(); ++i)
        prm.SetSave(prm.Entry(i).Name, true);

    TParametres back;
    ASSERT_EQ(Load(back, Saved(prm)), "");
    ASSERT_EQ(back.Count(), prm.Count());
    EXPECT_TRUE(back.Entry(0).Value.IsNull());
    EXPECT_TRUE(back.Entry(1).Value.IsNull());
    EXPECT_EQ(back.Entry(2).Value, Variant(-300)); // 16-bit reads back as 32-bit
    EXPECT_EQ(back.Entry(3).Value, Variant(70000));
    EXPECT_EQ(back.Entry(4).Value, Variant(200));
    EXPECT_EQ(back.Entry(5).Value, Variant(0.5)); // single reads back as double
    EXPECT_EQ(back.Entry(6).Value, Variant(0.1));
    EXPECT_EQ(back.Entry(7).Value, Variant::Currency(-123456789));
    EXPECT_EQ(back.Entry(8).Value, Variant::DateTime(45000.25));
    EXPECT_EQ(back.Entry(9).Value, Variant(true));
    EXPECT_EQ(back.Entry(10).Value, Variant(false));
    EXPECT_EQ(back.Entry(11).Value, Variant("Año €"));
    EXPECT_EQ(back.Entry(12).Value, Variant(std::string(300, 'x')));
    EXPECT_EQ(back.Entry(13).Value, Variant("1099511627776"));
    for (int i = 0; i < back.Count(); ++i)
        EXPECT_TRUE(back.Entry(i).Save) << back.Entry(i).Name;
}

TEST(ParamStream, NullValueIsOneTagAndTheNextEntryStillReads)
{
    TParametres prm;
    prm.SetValor("PRM_N", "");
    prm.SetValor("PRM_N", Variant::Null());
    prm.SetValor("PRM_B", true);
    prm.SetSaveList({"PRM_N", "PRM_B"}, true);
    std::string bytes = Saved(prm);
    EXPECT_EQ(ToHex(bytes), ToHex(ParamSignatureBytes() + "\x01" + Ident("PRM_N") + std::string(1, '\0') +
                                  Ident("PRM_B") + "\x09" + std::string(1, '\0')));
    TParametres back;
    ASSERT_EQ(Load(back, bytes), "");
    EXPECT_TRUE(back.Entry(0).Value.IsNull());
    EXPECT_EQ(back.Entry(1).Value, Variant(true));
}

TEST(ParamStream, IdentValueReadsAsNull)
{
    TParametres prm;
    prm.SetValor("PRM_I", 3);
    ASSERT_EQ(
        Load(prm, ParamSignatureBytes() + "\x01" + Ident("PRM_I") + Ident("Whatever") + std::string(1, '\0')),
        "");
    EXPECT_TRUE(prm.Entry(0).Value.IsNull());
    EXPECT_EQ(prm.Entry(0).OldValue, Variant(3));
}

TEST(ParamStream, ValueOfAnUnknownKindStopsTheLoad)
{
    TParametres prm;
    std::string bytes = ParamSignatureBytes() + "\x01" + Ident("PRM_A") + "\x02\x05" + Ident("PRM_L") +
                        std::string("\x01\x00", 2) + Ident("PRM_C") + "\x02\x07" + std::string(1, '\0');
    EXPECT_EQ(Load(prm, bytes), "ERROR Reading Properties of Component :\nInvalid Value of Parametre PRM_L");
    ASSERT_EQ(prm.Count(), 1);
    EXPECT_EQ(prm.Entry(0).Value, Variant(5));
    EXPECT_TRUE(prm.Entry(0).Save);

    TParametres wide;
    EXPECT_EQ(
        Load(wide, ParamSignatureBytes() + "\x01" + Ident("PRM_W") + std::string("\x12\x01\0\0\0A\0", 7)),
        "Invalid property value");
}

TEST(ParamStream, SignatureChecks)
{
    TParametres prm;
    EXPECT_EQ(Load(prm, ParamSignatureBytes()), "");
    EXPECT_EQ(Load(prm, ParamSignatureBytes() + std::string(1, '\0')), ""); // no list: nothing read
    EXPECT_EQ(
        Load(prm, "\x06\x0EqorParamStream\x01"),
        "Invalid Stream Format.This Stream doesn't contain a valid TParametres(Const : QORParamStream not "
        "found, found qorParamStream");
    EXPECT_EQ(Load(prm, "\x06\x05QORPa"), "Invalid Stream Format.This Stream doesn't contain a valid "
                                          "TParametres(Const : QORParamStream not found, found QORPa");
    EXPECT_EQ(Load(prm, "\x06\x0EQORP"),
              "Invalid Stream Format Error. Can't Load a TParametres from a Stream\n"
              "Error Class: EReadError\nError message: Stream read error");
    EXPECT_EQ(Load(prm, "\x02\x01"), "Invalid Stream Format Error. Can't Load a TParametres from a Stream\n"
                                     "Error Class: EReadError\nError message: Invalid property value");
    EXPECT_EQ(prm.Count(), 0);
    prm.SaveToStream(nullptr);
    prm.LoadFromStream(nullptr);
}

TEST(ParamStream, LoadingMergesIntoTheStore)
{
    TParametres prm;
    prm.SetValor("PRM_KEEP", "k");
    prm.SetValor("PRM_SHARED", 1);
    TParametres other;
    other.SetValor("prm_shared", 2);
    other.SetValor("PRM_NEW", 3);
    other.SetSaveList({"prm_shared", "PRM_NEW"}, true);
    ASSERT_EQ(Load(prm, Saved(other)), "");
    ASSERT_EQ(prm.Count(), 3);
    EXPECT_EQ(prm.Entry(0).Value, Variant("k"));
    EXPECT_FALSE(prm.Entry(0).Save);
    EXPECT_EQ(prm.Entry(1).Name, "PRM_SHARED");
    EXPECT_EQ(prm.Entry(1).Value, Variant(2));
    EXPECT_TRUE(prm.Entry(1).Save);
    EXPECT_EQ(prm.Entry(2).Value, Variant(3));
}

TEST(ParamStream, ReadingCreatesEvenWhenCreationIsOffButChecksNames)
{
    TParametres prm;
    prm.CreaAutomaticParams = false;
    ASSERT_EQ(Load(prm, ParamSignatureBytes() + "\x01" + Ident("PRM_A") + "\x02\x01" + std::string(1, '\0')),
              "");
    EXPECT_EQ(prm.Count(), 1);
    EXPECT_EQ(
        Load(prm, ParamSignatureBytes() + "\x01" + Ident("BAD NAME") + "\x02\x01" + std::string(1, '\0')),
        "Character \" \" is not a valid char in NomParametre BAD NAME");
    EXPECT_EQ(prm.Count(), 1);
}

TEST(ParamStream, StartsAtTheStreamPositionAndLeavesTheRest)
{
    TParametres prm;
    prm.SetValor("PRM_A", 1);
    prm.SetSave("PRM_A", true);
    TMemoryStream stream;
    stream.Write("xy", 2);
    prm.SaveToStream(&stream);
    stream.Write("z", 1);
    stream.SetPosition(2);
    TParametres back;
    back.LoadFromStream(&stream);
    EXPECT_EQ(back.Entry(0).Value, Variant(1));
    EXPECT_EQ(stream.Position(), stream.Size() - 1);
}

TEST(ParamStream, EveryPrefixAndCorruptionLoadsOrFails)
{
    TParametres prm;
    prm.SetValor("PRM_COUNTRY_TICKET", "ES");
    prm.SetValor("PRM_PREMIOS_Desde", Variant::DateTime(45000));
    prm.SetValor("PRM_PRINTBOL_MM_DESFX", -20);
    prm.SetValor("PRM_SHOWLIKE_Boleto", true);
    for (int i = 0; i < prm.Count(); ++i)
        prm.SetSave(prm.Entry(i).Name, true);
    std::string bytes = Saved(prm);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        TParametres back;
        std::string message = Load(back, bytes.substr(0, cut));
        // Only the signature alone, or with one more byte, counts as a complete stream.
        if (cut > ParamSignatureBytes().size() + 1) {
            EXPECT_FALSE(message.empty()) << cut;
        }
    }
    for (size_t at = 0; at < bytes.size(); ++at)
        for (int value : {0x00, 0x01, 0x07, 0x0C, 0x12, 0x7F, 0xFF}) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(value);
            TParametres back;
            Load(back, damaged);
            for (int i = 0; i < back.Count(); ++i)
                EXPECT_NO_THROW(TParametres::CheckNomParametre(back.Entry(i).Name));
        }
}

// The name "null" would be written as the tag that ends the list and cut off
// every entry after it: such an entry is dropped when read and never written.
TEST(ParamStream, EntryNamedNullIsDroppedAndTheRestSurvives)
{
    for (std::string name : {"null", "NULL", "Null", "nUlL"}) {
        SCOPED_TRACE(name);
        TParametres prm;
        std::string bytes = ParamSignatureBytes() + "\x01" + Ident("PRM_A") + "\x02\x05" + Ident(name) +
                            "\x02\x07" + Ident("PRM_C") + "\x06\x02" + "FR" + std::string(1, '\0');
        ASSERT_EQ(Load(prm, bytes), "");
        EXPECT_FALSE(prm.Exists("null"));
        ASSERT_EQ(prm.Count(), 2);
        EXPECT_EQ(prm.Entry(1).Value, Variant("FR"));

        // Saved and loaded again, every other entry is still there.
        TParametres back;
        ASSERT_EQ(Load(back, Saved(prm)), "");
        EXPECT_EQ(back.Count(), 2);
        EXPECT_EQ(back.ReadString("PRM_C", ""), "FR");
    }
}

TEST(ParamStream, EntryNamedNullMadeInMemoryIsNotWritten)
{
    TParametres prm;
    prm.SetValor("PRM_A", 1);
    prm.SetValor("Null", 2);
    prm.SetValor("PRM_C", 3);
    prm.SetSaveList({"PRM_A", "Null", "PRM_C"}, true);
    EXPECT_EQ(ToHex(Saved(prm)), ToHex(ParamSignatureBytes() + "\x01" + Ident("PRM_A") + "\x02\x01" +
                                       Ident("PRM_C") + "\x02\x03" + std::string(1, '\0')));
    // Names that the writer turns into other bare tags read back by themselves.
    TParametres other;
    other.SetValor("true", 1);
    other.SetValor("nil", 2);
    other.SetSaveList({"true", "nil"}, true);
    TParametres back;
    ASSERT_EQ(Load(back, Saved(other)), "");
    EXPECT_EQ(back.ReadInteger("TRUE", 0), 1);
    EXPECT_EQ(back.ReadInteger("NIL", 0), 2);
}
