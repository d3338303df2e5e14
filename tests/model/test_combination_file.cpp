#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/combination_helpers.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"
#include "support/file_bytes.h"
#include "support/hex_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kAbcFile =
    "45 4D 41 30 06 03 61 62 63 01 01 02 03 02 0F 02 1B 02 29 02 32 00 01 02 02 02 09 00 00";

std::string Saved(TEuroMillonApuestas &combination)
{
    TMemoryStream stream;
    combination.SaveToStream(stream);
    return stream.Bytes();
}

// Loads bytes; returns the error text, or "" when the load succeeded.
std::string Load(TEuroMillonApuestas &combination, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    try {
        combination.LoadFromStream(stream);
        return "";
    } catch (const Exception &error) {
        return std::string("!") + error.what();
    }
}

// The combination read bet by bet through a bet object and the value
// reader, as a plain implementation would: the reference for the fast reader.
struct Reference {
    std::vector<BetMask> bets;
    BetMask workingBet = 0;
    std::string error;
};

Reference LoadReference(const std::string &bytes)
{
    Reference result;
    TMemoryStream stream(bytes);
    stream.SetPosition(4);
    TEuroMillonApuesta bet;
    try {
        TReader reader(stream);
        reader.GetString();
        reader.GetListStart();
        while (!reader.AtListEnd()) {
            reader.Flush();
            bet.LoadFromStream(stream);
            result.bets.push_back(bet.ToMask());
            reader.Flush();
        }
        reader.GetListEnd();
    } catch (const EReadError &error) {
        result.error = std::string("!") + error.what();
    }
    result.workingBet = bet.ToMask();
    return result;
}

} // namespace

TEST(CombinationFile, ExactBytesOfTheSmallestFiles)
{
    TEuroMillonApuestas empty;
    EXPECT_EQ(ToHex(Saved(empty)), "45 4D 41 30 06 00 01 00");

    TEuroMillonApuestas abc;
    abc.SetName("abc");
    AddBet(abc, "50.41.27.15.03-09.02");
    EXPECT_EQ(ToHex(Saved(abc)), kAbcFile);

    TEuroMillonApuestas loaded;
    EXPECT_EQ(Load(loaded, FromHex(kAbcFile)), "");
    EXPECT_EQ(loaded.Name(), "abc");
    EXPECT_EQ(BetTexts(loaded), "03.15.27.41.50-02.09");
    EXPECT_EQ(loaded.Current(), 0);
    EXPECT_EQ(loaded.WorkingBet().AsText(), "03.15.27.41.50-02.09");

    EXPECT_EQ(Load(loaded, FromHex("45 4D 41 30 06 00 01 00")), "");
    EXPECT_EQ(loaded.Count(), 0);
    EXPECT_EQ(loaded.Current(), -1);
    EXPECT_EQ(loaded.Name(), "");
}

TEST(CombinationFile, LongNamesAndIncompleteBetsRoundTrip)
{
    TEuroMillonApuestas combination;
    std::string name(299, 'x');
    combination.SetName(name + "ñ");
    AddBet(combination, "01.02.03.04.05-01.02");
    AddBet(combination, "");
    AddBet(combination, "07.08-");
    AddBet(combination, "-03.09");
    std::string bytes = Saved(combination);
    EXPECT_EQ(ToHex(bytes.substr(4, 5)), "0C 2C 01 00 00");
    EXPECT_EQ(ToHex(bytes.substr(bytes.size() - 21)),
              "01 00 01 00 01 02 07 02 08 00 01 00 01 00 01 02 03 02 09 00 00");
    TEuroMillonApuestas loaded;
    EXPECT_EQ(Load(loaded, bytes), "");
    EXPECT_EQ(loaded.Name(), name + "ñ");
    EXPECT_EQ(loaded.Masks(), combination.Masks());
}

TEST(CombinationFile, SavingChangesNothingButReloadsTheWorkingBet)
{
    TEuroMillonApuestas combination;
    AddBet(combination, "01.02.03.04.05-01.02");
    AddBet(combination, "06.07.08.09.10-03.04");
    AddBet(combination, "11.12.13.14.15-05.06");
    combination.SetModified(false);
    int changes = 0;
    combination.OnChange = [&](void *) { ++changes; };

    combination.Delete(2); // no current bet now
    combination.SetModified(false);
    Saved(combination);
    EXPECT_EQ(combination.Current(), -1);
    EXPECT_EQ(combination.WorkingBet().AsText(), "06.07.08.09.10-03.04");

    combination.SetCurrent(0);
    combination.WorkingBet().Block(1).Clear(); // an edit not stored
    Saved(combination);
    EXPECT_EQ(combination.Current(), 0);
    EXPECT_EQ(combination.WorkingBet().AsText(), "01.02.03.04.05-01.02");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(combination.Modified());
}

TEST(CombinationFile, ValuesABetCannotHoldAreDropped)
{
    // First bet: six numbers, the first five in file order stay (50 is the
    // sixth); then 0, 51, repeats, 16- and 32-bit forms; then an empty bet.
    std::string bytes =
        FromHex("45 4D 41 30 06 00 01"
                " 01 02 0A 02 14 02 1E 02 28 02 05 02 32 00 01 02 02 02 01 00"
                " 01 02 00 02 33 03 11 00 04 03 00 00 00 02 03 00 01 02 0A 02 09 02 09 02 01 00"
                " 01 00 01 00"
                " 00");
    TEuroMillonApuestas combination;
    EXPECT_EQ(Load(combination, bytes), "");
    EXPECT_EQ(BetTexts(combination), "05.10.20.30.40-01.02 03.17-01.09 ");
    EXPECT_EQ(combination.Current(), 2);
    EXPECT_EQ(combination.WorkingBet().AsText(), "");
}

TEST(CombinationFile, ForeignSignatureChangesNothing)
{
    TEuroMillonApuestas combination;
    EXPECT_EQ(Load(combination, "EMC0\x06\x00\x01\x00"), "!No es un formato de archivo válido");
}

TEST(CombinationFile, EveryCutOfAValidFileFailsKeepingWhatWasRead)
{
    TEuroMillonApuestas original;
    original.SetName("cuts");
    AddBet(original, "01.02.03.04.05-01.02");
    AddBet(original, "06.07-08");
    AddBet(original, "10.20.30.40.50-03.04");
    std::string full = Saved(original);
    std::string signatureError = "!" + GetText(kTextNotAValidFormat);

    for (size_t length = 0; length < full.size(); ++length) {
        TEuroMillonApuestas combination;
        combination.SetName("before");
        AddBet(combination, "44.45.46.47.48-08.09");
        int changes = 0;
        combination.OnChange = [&](void *) { ++changes; };
        std::string error = Load(combination, full.substr(0, length));
        if (length < 4) {
            EXPECT_EQ(error, signatureError) << length;
            EXPECT_EQ(combination.Name(), "before");
            EXPECT_EQ(combination.Count(), 1);
            EXPECT_EQ(changes, 0);
            continue;
        }
        EXPECT_EQ(error, "!Stream read error") << length;
        EXPECT_EQ(changes, 1) << length;
        EXPECT_EQ(combination.Name(), length >= 10 ? "cuts" : "") << length;
        Reference reference = LoadReference(full.substr(0, length));
        EXPECT_EQ(combination.Masks(), reference.bets) << length;
        combination.BeginUpdate(); // the load's bracket was closed
        combination.EndUpdate();
        EXPECT_THROW(combination.EndUpdate(), EUpdateError);
    }
}

TEST(CombinationFile, HostileStreamsFailWithoutHangingOrHugeAllocations)
{
    struct Case {
        std::string bytes;
        const char *error;
    } cases[] = {
        {FromHex("45 4D 41 30 0C FF FF FF 7F 61"), "!Stream read error"},
        {FromHex("45 4D 41 30 0C 00 00 00 80"), "!Invalid property value"},
        {FromHex("45 4D 41 30 02 05"), "!Invalid property value"},
        {FromHex("45 4D 41 30 06 00 02"), "!Invalid property value"},
        {FromHex("45 4D 41 30 06 00 01 01 06 00 00"), "!Invalid property value"},
        {FromHex("45 4D 41 30 06 00 01 01 00 02"), "!Invalid property value"},
        {FromHex("45 4D 41 30 06 00 01 01 00 01 00 05"), "!Invalid property value"},
        {FromHex("45 4D 41 30 06 00 01 01 00 01 00 01"), "!Stream read error"},
    };
    for (const Case &c : cases) {
        TEuroMillonApuestas combination;
        EXPECT_EQ(Load(combination, c.bytes), c.error) << ToHex(c.bytes);
    }

    // A list that never ends: a megabyte of bets and no closing byte.
    std::string endless = FromHex("45 4D 41 30 06 00 01");
    std::string bet = FromHex("01 02 03 02 0F 02 1B 02 29 02 32 00 01 02 02 02 09 00");
    while (endless.size() < (1u << 20))
        endless += bet;
    TEuroMillonApuestas combination;
    EXPECT_EQ(Load(combination, endless), "!Stream read error");
    EXPECT_EQ(combination.Count(), static_cast<int>((endless.size() - 7) / bet.size()));
}

TEST(CombinationFile, FastReaderAgreesWithABetByBetReader)
{
    // Random bet lists mixing every integer width, refused values, empty
    // bets, wrong tags and cuts; the combination must read exactly what the
    // plain bet-by-bet reader reads and fail the same way.
    std::mt19937 random(2024);
    auto byte = [&](int limit) { return static_cast<char>(random() % static_cast<unsigned>(limit)); };
    for (int trial = 0; trial < 400; ++trial) {
        std::string bytes = FromHex("45 4D 41 30 06 01 7A 01");
        int bets = static_cast<int>(random() % 6);
        for (int b = 0; b < bets; ++b) {
            for (int block = 0; block < 2; ++block) {
                bytes += random() % 40 == 0 ? '\x06' : '\x01';
                int values = static_cast<int>(random() % 8);
                for (int v = 0; v < values; ++v) {
                    switch (random() % 10) {
                    case 0:
                        bytes += '\x03';
                        bytes += byte(60);
                        bytes += random() % 4 == 0 ? '\xFF' : '\x00';
                        break;
                    case 1:
                        bytes += '\x04';
                        bytes += byte(60);
                        bytes += std::string(3, random() % 4 == 0 ? '\xFF' : '\x00');
                        break;
                    case 2:
                        bytes += random() % 8 == 0 ? '\x05' : '\x02';
                        bytes += static_cast<char>(random() % 256);
                        break;
                    default:
                        bytes += '\x02';
                        bytes += static_cast<char>(1 + random() % (block == 0 ? 50 : 9));
                    }
                }
                bytes += '\x00';
            }
        }
        bytes += '\x00';
        if (random() % 3 == 0)
            bytes.resize(8 + random() % (bytes.size() - 7));

        Reference reference = LoadReference(bytes);
        TEuroMillonApuestas combination;
        std::string error = Load(combination, bytes);
        EXPECT_EQ(error, reference.error) << ToHex(bytes);
        EXPECT_EQ(combination.Masks(), reference.bets) << ToHex(bytes);
        EXPECT_EQ(combination.WorkingBet().ToMask(), reference.workingBet) << ToHex(bytes);
    }
}

TEST(CombinationFile, RandomBytesReadAsTheBetByBetReaderReadsThem)
{
    std::mt19937 random(99);
    for (int trial = 0; trial < 300; ++trial) {
        std::string bytes = FromHex("45 4D 41 30 06 00 01");
        size_t length = random() % 120;
        for (size_t i = 0; i < length; ++i)
            bytes += static_cast<char>(random() % (i % 3 == 0 ? 8 : 256));
        Reference reference = LoadReference(bytes);
        TEuroMillonApuestas combination;
        EXPECT_EQ(Load(combination, bytes), reference.error) << ToHex(bytes);
        EXPECT_EQ(combination.Masks(), reference.bets) << ToHex(bytes);
    }
}

TEST(CombinationFile, ErrorFromTheStoreCheckAbortsTheLoad)
{
    TEuroMillonApuestas source;
    source.SetName("checked");
    AddBet(source, "01.02.03.04.05-01.02");
    AddBet(source, "06.07-08");
    AddBet(source, "10.20.30.40.50-03.04");
    std::string bytes = Saved(source);

    TEuroMillonApuestas combination;
    std::vector<int> positions;
    combination.OnBeforeStore = [&](void *sender, int position) {
        positions.push_back(position);
        auto &self = *static_cast<TEuroMillonApuestas *>(sender);
        if (self.WorkingBet().Block(1).Count() != 5)
            throw std::runtime_error("La apuesta no tiene marcados los 5 números necesarios");
    };
    TMemoryStream stream(bytes);
    EXPECT_THROW(combination.LoadFromStream(stream), std::runtime_error);
    EXPECT_EQ(positions, (std::vector<int>{0, 1}));
    EXPECT_EQ(combination.Name(), "checked");
    EXPECT_EQ(BetTexts(combination), "01.02.03.04.05-01.02");
    EXPECT_EQ(combination.WorkingBet().AsText(), "06.07-08");
}

TEST(CombinationFile, TheQuickCheckSparesOnlyTheBetsItVouchesFor)
{
    TEuroMillonApuestas source;
    AddBet(source, "01.02.03.04.05-01.02");
    AddBet(source, "10.20.30.40.50-03.04");
    AddBet(source, "06.07-08");
    std::string bytes = Saved(source);

    TEuroMillonApuestas combination;
    std::vector<int> positions;
    combination.OnBeforeStore = [&](void *, int position) {
        positions.push_back(position);
        throw std::runtime_error("incomplete");
    };
    combination.PassesBeforeStore = [](BetMask bet) {
        return CountNumbers(bet) == 5 && CountStars(bet) == 2;
    };
    TMemoryStream stream(bytes);
    EXPECT_THROW(combination.LoadFromStream(stream), std::runtime_error);
    EXPECT_EQ(positions, (std::vector<int>{2}));
    EXPECT_EQ(BetTexts(combination), "01.02.03.04.05-01.02 10.20.30.40.50-03.04");

    // Copying a range: the full check runs for every bet once one is not vouched for.
    positions.clear();
    TEuroMillonApuestas target;
    target.OnBeforeStore = [&](void *, int position) { positions.push_back(position); };
    target.PassesBeforeStore = combination.PassesBeforeStore;
    EXPECT_EQ(target.InsertRange(source, 0, 1, 0), 2);
    EXPECT_TRUE(positions.empty());
    EXPECT_EQ(target.InsertRange(source, 0, 2, 0), 3);
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 2}));
}

TEST(CombinationFile, ProgressIsToldAndMayStopTheLoad)
{
    const TTempFolder temp("qor-model-test");
    const std::string folder = temp.Root();
    std::string path = folder + "/big.aem";
    TEuroMillonApuestas source;
    source.SetName("big");
    std::vector<BetMask> masks(200000, BetOf("01.02.03.04.05-01.02"));
    source.AppendMasks(masks.data(), masks.size());
    source.SaveToFile(path);
    const int64_t size = static_cast<int64_t>(std::filesystem::file_size(path));

    TEuroMillonApuestas loaded;
    int64_t last = 0;
    int reports = 0;
    loaded.LoadFromFile(path, [&](int64_t done, int64_t total) {
        EXPECT_EQ(total, size);
        EXPECT_GE(done, last);
        last = done;
        ++reports;
    });
    EXPECT_EQ(last, size);
    EXPECT_GE(reports, 3);
    EXPECT_EQ(loaded.Count(), 200000);

    // A handler that raises ends the load; file name and bets of a new
    // combination then stay as they were.
    TEuroMillonApuestas stopped;
    EXPECT_THROW(stopped.LoadFromFile(path,
                                      [](int64_t done, int64_t) {
                                          if (done > (1 << 20))
                                              throw std::runtime_error("stop");
                                      }),
                 std::runtime_error);
    EXPECT_EQ(stopped.FileName(), "");

    // Adopting takes everything over, unmodified, and leaves the source empty.
    TEuroMillonApuestas window;
    int changes = 0;
    window.OnChange = [&](void *) { ++changes; };
    AddBet(window, "10.20.30.40.50-03.04");
    changes = 0;
    window.Adopt(loaded);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(window.Count(), 200000);
    EXPECT_EQ(window.Name(), "big");
    EXPECT_EQ(window.FileName(), path);
    EXPECT_FALSE(window.Modified());
    EXPECT_EQ(loaded.Count(), 0);
}

TEST(CombinationFile, FilesRememberTheirPathOnlyWhenReadOrWrittenWhole)
{
    const TTempFolder temp("qor-model-test");
    const std::string folder = temp.Root();
    std::string path = folder + "/semana.aem";
    TEuroMillonApuestas combination;
    combination.SetName("abc");
    AddBet(combination, "03.15.27.41.50-02.09");
    int nameChanges = 0;
    combination.OnNameChange = [&](void *) { ++nameChanges; };
    combination.SaveToFile(path);
    EXPECT_EQ(ToHex(FileBytes(path)), kAbcFile);
    EXPECT_EQ(combination.FileName(), path);
    EXPECT_FALSE(combination.Modified());
    EXPECT_EQ(nameChanges, 1);

    TEuroMillonApuestas loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.FileName(), path);
    EXPECT_FALSE(loaded.Modified());
    EXPECT_EQ(BetTexts(loaded), "03.15.27.41.50-02.09");

    std::ofstream(folder + "/cut.aem", std::ios::binary) << FromHex("45 4D 41 30 06 03 61");
    EXPECT_THROW(loaded.LoadFromFile(folder + "/cut.aem"), EReadError);
    EXPECT_EQ(loaded.FileName(), path);
    EXPECT_TRUE(loaded.Modified());

    try {
        loaded.LoadFromFile(folder + "/missing.aem");
        FAIL();
    } catch (const EFOpenError &error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + folder + "/missing.aem");
    }
    EXPECT_THROW(combination.SaveToFile(folder + "/no-such-folder/x.aem"), EFCreateError);
}

TEST(CombinationFile, FailedSaveLeavesThePreviousFileAsItWas)
{
    const TTempFolder temp("qor-model-test");
    const std::string folder = temp.Root();
    std::string path = folder + "/kept.aem";
    TEuroMillonApuestas small;
    small.SetName("previous");
    AddBet(small, "03.15.27.41.50-02.09");
    small.SaveToFile(path);
    std::string before = FileBytes(path);

    // A child process may write at most 64 KiB per file: saving 100000 bets
    // (1.8 MB) fails in the middle of the bet list.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TEuroMillonApuestas big;
        std::vector<BetMask> masks(100000, BetOf("01.02.03.04.05-01.02"));
        big.AppendMasks(masks.data(), masks.size());
        big.SetModified(false);
        try {
            big.SaveToFile(path);
        } catch (const EWriteError &) {
            ::_exit(big.FileName().empty() && !big.Modified() ? 0 : 3);
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: saved whole, 2: other error, 3: path taken";
    EXPECT_EQ(FileBytes(path), before);
    int files = 0;
    for (auto &entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1) << "the temporary file was left behind";
}
