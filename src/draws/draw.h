#pragma once

#include "draws/draw_info.h"
#include "model/euromillon_apuesta.h"
#include "model/game_rules.h"
#include "model/notify_event.h"

#include <memory>
#include <string>

class TStream;
class TReader;
class TWriter;

// One draw as an object: the record's fields, and the winning numbers as a
// simple bet (5 numbers of 1-50, 2 stars of 1 to the edition's highest) that
// drops what it cannot hold. Loads and saves the draw block; reads draw files
// ("EMS0" classic, "EMS2" today's game).
//
// The draw block of today's game holds as many winners and prizes as the
// draw's date gives it categories (CategoriasSorteo: 12 before 10 May 2011,
// 13 from then on); the classic block always 12, as it always had.
class TSorteoEuroMillon {
public:
    explicit TSorteoEuroMillon(TGameEdition edition = TGameEdition::Classic);
    ~TSorteoEuroMillon();
    TSorteoEuroMillon(const TSorteoEuroMillon &) = delete;
    TSorteoEuroMillon &operator=(const TSorteoEuroMillon &) = delete;

    // Every field 0, both blocks empty; OnChange is not called.
    void Clear();
    // Takes every field, the winning bet through its FromRecord; calls OnChange.
    void SetInfo(const TSorteoEuroMillonInfo &info);
    // Takes every field but the winning bet; calls OnChange.
    void SetDatos(const TSorteoEuroMillonInfo &info);
    void GetInfo(TSorteoEuroMillonInfo &info) const;

    TGameEdition Edition() const { return edition_; }
    // The categories of this draw, by its edition and date.
    int Categorias() const;

    TEuroMillonApuesta &ApuestaGanadora() { return *apuestaGanadora_; }
    const TEuroMillonApuesta &ApuestaGanadora() const { return *apuestaGanadora_; }

    // One draw block at the reader's position; the date is kept as read.
    // Raises EReadError "Invalid property value" for a wrong value or a date
    // that is not one, "Stream read error" when the stream ends early.
    // Does not call OnChange.
    void ReadFromStream(TStream &stream, TReader &reader);
    void WriteToStream(TStream &stream, TWriter &writer) const;

    // Reads a draw file: the edition's signature and one draw block. Raises
    // EDrawEditionError (45801) for a draw file of the other edition,
    // EDrawFormatError (40003) for another signature or a file shorter than 4 bytes,
    // EFOpenError when it cannot be opened, and the reader's errors; calls
    // OnChange after a successful read.
    void LoadFromFile(const std::string &path);
    // The same from the stream's position.
    void LoadFromStream(TStream &stream);

    int32_t NumeroSorteo = 0;
    double FechaSorteo = 0;
    Currency Recaudacion = 0;
    Currency ImportePremios = 0;
    TPorCategoria<int32_t, kMaxCategorias> Acertantes;
    TPorCategoria<Currency, kMaxCategorias> PremioCategoria;

    // Called with the draw as sender after SetInfo, SetDatos and LoadFromFile.
    TNotifyEvent OnChange;

private:
    void Changed();

    TGameEdition edition_;
    std::unique_ptr<TEuroMillonApuesta> apuestaGanadora_;
};

inline constexpr char kDrawFileSignature[4] = {'E', 'M', 'S', '0'};
inline constexpr char kArchiveFileSignature[4] = {'E', 'M', 'S', '1'};
// The same files of today's game: the classic digit plus 2.
inline constexpr char kDrawFileSignatureActual[4] = {'E', 'M', 'S', '2'};
inline constexpr char kArchiveFileSignatureActual[4] = {'E', 'M', 'S', '3'};

using TFileSignature = char[4];
const TFileSignature &DrawFileSignature(TGameEdition edition);
const TFileSignature &ArchiveFileSignature(TGameEdition edition);

// Reads 4 bytes and raises EDrawFormatError (40003) unless they are the
// signature.
void ReadSignature(TStream &stream, const char (&signature)[4]);
// Reads 4 bytes that must be the signature of the edition (draw file or
// archive as archive says): the signature of the other edition raises
// EDrawEditionError (45801, naming both editions), anything else
// EDrawFormatError (40003).
void ReadEditionSignature(TStream &stream, TGameEdition edition, bool archive);
