#include "generator/genera_comb.h"

#include "framework/localize.h"
#include "model/bet_errors.h"
#include "model/euromillon_apuestas.h"
#include "model/exception.h"
#include "model/file_stream.h"
#include "model/format.h"
#include "model/game_constants.h"
#include "model/memory_stream.h"
#include "model/simple_bets.h"
#include "model/stream.h"
#include "model/value_stream.h"

#include <cstring>
#include <optional>

namespace {

constexpr char kClassicSignature[4] = {'E', 'M', 'C', '0'};
constexpr char kCurrentSignature[4] = {'E', 'M', 'C', '2'};
constexpr int32_t kFileVersion = 2;
constexpr int32_t kMostOptimizeSeconds = 86400;

// Named values after the conditions, a later addition that version-2
// readers stop short of. Unknown names are skipped with their value.
constexpr const char *kExtraOptimizeSeconds = "OptimizarSegundos";

const char *SignatureOf(TGameEdition edition)
{
    return edition == TGameEdition::Current ? kCurrentSignature : kClassicSignature;
}

// The edition a signature names; nothing when it is no generation file's.
std::optional<TGameEdition> EditionOfSignature(const char *signature)
{
    for (TGameEdition edition : {TGameEdition::Classic, TGameEdition::Current})
        if (std::memcmp(signature, SignatureOf(edition), sizeof kClassicSignature) == 0)
            return edition;
    return std::nullopt;
}

} // namespace

TEuroMillonGeneraComb::TEuroMillonGeneraComb(TGameEdition edition)
    : edition_(edition), apuestas_(std::make_unique<TEuroMillonApuestas>(edition)),
      seleccion_(std::make_unique<TEuroMillonApuestaMult>(edition)),
      condiciones_(std::make_unique<TEuroMillonCondicionGrupos>(this)),
      throttle_(std::make_unique<TProgressThrottle>())
{
}

TEuroMillonGeneraComb::~TEuroMillonGeneraComb()
{
    Clear();
}

void TEuroMillonGeneraComb::SetEdition(TGameEdition edition)
{
    if (edition == edition_)
        return;
    apuestas_->Clear();
    apuestas_->SetEdition(edition);
    seleccion_->SetEdition(edition);
    edition_ = edition;
}

void TEuroMillonGeneraComb::SetTipoReduccion(uint8_t tipo)
{
    if (tipo != tipoReduccion_)
        tipoReduccion_ = tipo;
}

void TEuroMillonGeneraComb::SetReduccionGlobal(int32_t level)
{
    if (level >= 1 && level <= 7)
        reduccionGlobal_ = level;
}

void TEuroMillonGeneraComb::SetReduccionB1(int32_t level)
{
    if (level >= 1 && level <= 5)
        reduccionB1_ = level;
}

void TEuroMillonGeneraComb::SetReduccionB2(int32_t level)
{
    if (level >= 1 && level <= 2)
        reduccionB2_ = level;
}

void TEuroMillonGeneraComb::SetOptimizarSegundos(int32_t seconds)
{
    if (seconds >= 0 && seconds <= kMostOptimizeSeconds)
        optimizarSegundos_ = seconds;
}

bool TEuroMillonGeneraComb::ReduccionAplica() const
{
    if (tipoReduccion_ == kReduccionGlobal)
        return reduccionGlobal_ < 7;
    if (tipoReduccion_ == kReduccionBloques)
        return reduccionB1_ < 5 || reduccionB2_ < 2;
    return false;
}

int64_t TEuroMillonGeneraComb::ApuestasPosibles() const
{
    return CountSimpleBets(*seleccion_);
}

void TEuroMillonGeneraComb::Clear()
{
    reduccionB1_ = 5;
    reduccionB2_ = 2;
    condiciones_->Clear();
    apuestas_->Clear();
    seleccion_->Clear();
}

bool TEuroMillonGeneraComb::CumpleCondiciones(const TEuroMillonApuesta &bet)
{
    return condiciones_->CumpleCondiciones(bet);
}

bool TEuroMillonGeneraComb::CumpleReduccion(const TEuroMillonApuesta &bet) const
{
    if (tipoReduccion_ == kReduccionGlobal)
        return apuestas_->FindCoveringTotal(bet, reduccionGlobal_) < 0;
    if (tipoReduccion_ == kReduccionBloques && (reduccionB1_ < 5 || reduccionB2_ < 2))
        return apuestas_->FindCovering(bet, reduccionB1_, reduccionB2_) < 0;
    return true;
}

void TEuroMillonGeneraComb::GuardarEnStream(TStream &stream) const
{
    stream.WriteBuffer(SignatureOf(edition_), sizeof kClassicSignature);
    TWriter writer(stream);
    writer.PutInteger(kFileVersion);
    writer.Flush();
    seleccion_->SaveToStream(stream);
    writer.Flush();
    writer.PutInteger(tipoReduccion_);
    writer.PutInteger(reduccionGlobal_);
    writer.PutInteger(reduccionB1_);
    writer.PutInteger(reduccionB2_);
    condiciones_->GuardarEnStream(writer);
    if (optimizarSegundos_ > 0) {
        writer.PutListStart();
        writer.PutString(kExtraOptimizeSeconds);
        writer.PutInteger(optimizarSegundos_);
        writer.PutListEnd();
    }
}

void TEuroMillonGeneraComb::LeerDeStream(TStream &stream, TEditionOnLoad onLoad)
{
    char signature[sizeof kClassicSignature] = {};
    if (stream.Read(signature, sizeof signature) != sizeof signature)
        throw EReadError(GetText(kTextNotAValidFormat));
    const std::optional<TGameEdition> fileEdition = EditionOfSignature(signature);
    if (!fileEdition)
        throw EReadError(GetText(kTextNotAValidFormat));
    // Stars 10 to 12 read as a classic selection would be dropped without a word.
    if (*fileEdition != edition_ && onLoad == TEditionOnLoad::Require)
        throw EReadError(OtherGameFileText(*fileEdition, edition_));
    TReader reader(stream);
    if (reader.GetInteger() > kFileVersion)
        throw EReadError(GetText(kTextNewerFileVersion));
    Clear();
    SetEdition(*fileEdition);
    optimizarSegundos_ = 0;
    reader.Flush();
    seleccion_->LoadFromStream(stream);
    reader.Flush();
    const int32_t tipo = reader.GetInteger();
    if (tipo >= kSinReduccion && tipo <= kReduccionBloques)
        SetTipoReduccion(static_cast<uint8_t>(tipo));
    SetReduccionGlobal(reader.GetInteger());
    SetReduccionB1(reader.GetInteger());
    SetReduccionB2(reader.GetInteger());
    condiciones_->LeerDeStream(reader);
    if (reader.Position() < stream.Size() && reader.PeekTag() == vaList)
        LeerExtras(reader);
}

void TEuroMillonGeneraComb::LeerExtras(TReader &reader)
{
    reader.GetListStart();
    while (!reader.AtListEnd()) {
        const std::string name = reader.GetString();
        if (name == kExtraOptimizeSeconds)
            SetOptimizarSegundos(reader.GetInteger());
        else
            reader.SkipValue();
    }
    reader.GetListEnd();
}

void TEuroMillonGeneraComb::SaveToFile(const std::string &path) const
{
    SaveFileSafely(path, [this](TStream &stream) { GuardarEnStream(stream); });
}

void TEuroMillonGeneraComb::LoadFromFile(const std::string &path, TEditionOnLoad onLoad)
{
    TFileStream stream(path, FileMode::OpenRead);
    LeerDeStream(stream, onLoad);
}

void TEuroMillonGeneraComb::AssignSettings(const TEuroMillonGeneraComb &source)
{
    TMemoryStream stream;
    source.GuardarEnStream(stream);
    stream.SetPosition(0);
    LeerDeStream(stream, TEditionOnLoad::Adopt);
}

void TEuroMillonGeneraComb::SetTickSource(TTickSource clock, uint32_t sampleEvery)
{
    throttle_ = std::make_unique<TProgressThrottle>(std::move(clock), sampleEvery);
}

void TEuroMillonGeneraComb::ReportProgress()
{
    if (OnProgress)
        OnProgress(this);
}
