// The combination file: the signature ("EMA0" for the classic game, "EMA2"
// for today's), the name, then the bets as integer lists.

#include "model/bet_errors.h"
#include "model/bet_list_codec.h"
#include "model/euromillon_apuestas.h"
#include "model/file_stream.h"
#include "model/format.h"
#include "model/progress_stream.h"
#include "model/stream.h"
#include "model/text_lookup.h"
#include "model/update_bracket.h"
#include "model/value_stream.h"

#include <cstring>

namespace {

constexpr char kClassicSignature[4] = {'E', 'M', 'A', '0'};
constexpr char kCurrentSignature[4] = {'E', 'M', 'A', '2'};

const char *SignatureOf(TGameEdition edition)
{
    return edition == TGameEdition::Current ? kCurrentSignature : kClassicSignature;
}
constexpr int64_t kCommonBetBytes = 18;

} // namespace

void TEuroMillonApuestas::SaveToStream(TStream &stream)
{
    // Saving changes nothing but the working bet, which ends holding the bet
    // current before (or the last one when none was).
    int remembered = current_;
    auto restore = [&] {
        if (!masks_.empty())
            LoadWorkingBet(remembered >= 0 ? remembered : Count() - 1);
        current_ = remembered;
    };
    try {
        stream.WriteBuffer(SignatureOf(edition_), sizeof kClassicSignature);
        TWriter writer(stream);
        writer.PutString(name_);
        writer.PutListStart();
        writer.Flush();
        WriteBetMasks(stream, masks_.data(), masks_.size());
        writer.PutListEnd();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TEuroMillonApuestas::LoadFromStream(TStream &stream, TEditionOnLoad onLoad)
{
    char signature[sizeof kClassicSignature] = {};
    if (stream.Read(signature, sizeof signature) != sizeof signature)
        throw EReadError(GetText(kTextNotAValidFormat));
    TGameEdition fileEdition;
    if (std::memcmp(signature, kClassicSignature, sizeof signature) == 0)
        fileEdition = TGameEdition::Classic;
    else if (std::memcmp(signature, kCurrentSignature, sizeof signature) == 0)
        fileEdition = TGameEdition::Current;
    else
        throw EReadError(GetText(kTextNotAValidFormat));
    if (fileEdition != edition_ && onLoad == TEditionOnLoad::Require)
        throw EReadError(OtherGameFileText(fileEdition, edition_));

    WithinUpdate(*this, [&] {
        Clear();
        SetEdition(fileEdition);
        TReader reader(stream);
        SetName(reader.GetString());
        reader.GetListStart();
        reader.Flush();
        {
            TBetListParser parser(stream, GameRules(edition_).HighestStar);
            masks_.reserve(static_cast<size_t>(parser.RemainingHint() / kCommonBetBytes));
            BetMask previous = workingBet_.ToMask(); // what the working bet holds
            bool storing = false;
            try {
                while (!parser.AtListEnd()) {
                    BetMask mask = parser.ReadBet();
                    if (OnBeforeStore && !(PassesBeforeStore && PassesBeforeStore(mask))) {
                        storing = true;
                        workingBet_.FromMask(mask);
                        previous = mask;
                        OnBeforeStore(this, Count());
                        storing = false;
                    }
                    masks_.push_back(mask);
                    previous = mask;
                    current_ = Count() - 1;
                    Changed();
                }
            } catch (...) {
                if (!storing)
                    workingBet_.FromMask(parser.PartialBet(previous));
                throw;
            }
            if (!OnBeforeStore && !masks_.empty())
                workingBet_.FromMask(previous);
        }
        reader.Flush();
        reader.GetListEnd();
    });
}

void TEuroMillonApuestas::SaveToFile(const std::string &path)
{
    SaveFileSafely(path, [this](TStream &stream) { SaveToStream(stream); });
    SetFileName(path);
    modified_ = false;
}

void TEuroMillonApuestas::LoadFromFile(const std::string &path, const TLoadProgress &progress,
                                       TEditionOnLoad onLoad)
{
    {
        TFileStream file(path, FileMode::OpenRead);
        if (progress) {
            TProgressStream stream(file, progress);
            LoadFromStream(stream, onLoad);
        } else {
            LoadFromStream(file, onLoad);
        }
    }
    SetFileName(path);
    modified_ = false;
}

void TEuroMillonApuestas::Adopt(TEuroMillonApuestas &source)
{
    if (&source == this)
        return;
    WithinUpdate(*this, [&] {
        masks_.clear();
        SetEdition(source.edition_);
        masks_.swap(source.masks_);
        std::vector<BetMask>().swap(source.masks_);
        current_ = -1;
        SetName(source.name_);
        Changed();
        source.current_ = -1;
        source.name_.clear();
    });
    SetFileName(source.fileName_);
    modified_ = false;
}
