#pragma once

#include "draws/draw_info.h"
#include "model/game_rules.h"

#include <string>
#include <vector>

class TSorteoEuroMillon;
class TStream;

// Every known draw of one edition, newest first, at most one per calendar
// day, each dated as a whole day (time dropped). Kept in the archive file:
// the signature ("EMS1" classic, "EMS3" today's game), then a list of draw
// blocks, newest first. A block of today's game holds the categories its
// date gives it (12 before 10 May 2011, 13 from then on).
class TSorteosEuroMillon {
public:
    explicit TSorteosEuroMillon(TGameEdition edition = TGameEdition::Classic) : edition_(edition) {}
    ~TSorteosEuroMillon();
    TSorteosEuroMillon(const TSorteosEuroMillon &) = delete;
    TSorteosEuroMillon &operator=(const TSorteosEuroMillon &) = delete;

    TGameEdition Edition() const { return edition_; }
    int Count() const { return static_cast<int>(sorteos_.size()); }
    // A copy of the draw at index (0 is the newest). Raises EListError
    // "List index out of bounds (%d)" for an index outside 0..Count-1.
    void GetSorteo(int index, TSorteoEuroMillonInfo &info) const;
    // The same without the copy.
    const TSorteoEuroMillonInfo &Sorteo(int index) const;
    // Position of the draw of that date's day, or -1.
    int IndexOfFecha(double fecha) const;

    // Adds the draw dated as its whole day, or overwrites the draw already
    // held for that day (the order does not change then). A category the
    // draw does not have (2+0 before 10 May 2011 or in the classic game) is
    // kept at 0. Raises
    // EDrawDateError "Invalid date" for a date that is not one, and
    // EDrawGameDateError for a day the edition does not take (before 13
    // February 2004; in the classic game after 6 May 2011).
    void AddSorteo(const TSorteoEuroMillonInfo &info);
    void AddSorteo(const TSorteoEuroMillon &sorteo);
    // The same for every draw in turn, in n log n whatever their order.
    // Returns how many found their day held already (by the archive or an
    // earlier one of them). A draw with an invalid date raises
    // EDrawDateError, one of a day the edition does not take
    // EDrawGameDateError, those before it being added.
    int AddSorteos(const std::vector<TSorteoEuroMillonInfo> &draws);
    // Overwrites the draw at index with the record, dated as its whole day,
    // only when both are of the same day. Raises EListError for a bad index
    // (and, as AddSorteo, EDrawGameDateError).
    void ReplaceSorteo(int index, const TSorteoEuroMillonInfo &info);
    // Raises EListError for a bad index.
    void DeleteSorteo(int index);
    void Clear();
    // Keeps the draws from the day of desde to the day of hasta, both
    // included; desde after hasta empties the archive.
    void KeepRange(double desde, double hasta);

    // Replaces the content with the archive file's draws, leaving out those
    // of days the edition does not take. Nothing happens
    // when no file exists at path or the archive is busy. Raises
    // EDrawEditionError (45801) for an archive of the other edition
    // and EDrawFormatError (40003) for a file that is not an archive (the
    // content is then already emptied) and the reader's errors for a damaged one (the
    // draws read before it stay); EFOpenError when it cannot be opened.
    void LoadFromFile(const std::string &path);
    // The same from the stream's position (also while busy it does nothing).
    void LoadFromStream(TStream &stream);
    // Writes the archive file, creating its folder (one level) when missing.
    // The file is replaced only once completely written, so a failing save
    // leaves the previous file as it was. Nothing happens while busy. Raises
    // EFCreateError or EWriteError when the file cannot be written.
    void SaveToFile(const std::string &path);
    void SaveToStream(TStream &stream);

    // True while a load, a save or Clear runs.
    bool Busy() const { return busy_; }

private:
    void Merge(std::vector<TSorteoEuroMillonInfo> &&added);
    void ReadArchive(TStream &stream);
    void WriteArchive(TStream &stream) const;

    TGameEdition edition_;
    std::vector<TSorteoEuroMillonInfo> sorteos_;
    bool busy_ = false;
};
