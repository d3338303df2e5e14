#pragma once

#include "model/bet_mask.h"
#include "model/euromillon_apuesta.h"
#include "model/notify_event.h"
#include "model/update_bracket.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TStream;

// Called before the working bet is stored at a position; raising an error
// from it cancels the store.
using TBeforeStoreEvent = std::function<void(void *sender, int position)>;
// True when a bet is known to pass OnBeforeStore as it stands.
using TBetMaskCheck = std::function<bool(BetMask bet)>;
// Told how many bytes of how many were read; may raise to stop the load.
// Whether a load insists on the combination's own edition or takes the file's.
enum class TEditionOnLoad { Require, Adopt };
using TLoadProgress = std::function<void(int64_t done, int64_t total)>;

// A combination: a named, ordered list of bets, kept as one 8-byte mask each.
// Bets are read and written one at a time through the working bet it owns
// (Bet, Insert, Store); other parts of the program that only read or append
// many bets use Mask, Masks and AppendMasks, which leave the working bet alone.
//
// Every change sets Modified and is told to OnChange (sender: the
// combination) once per outermost update bracket.
class TEuroMillonApuestas {
public:
    explicit TEuroMillonApuestas(TGameEdition edition = TGameEdition::Classic);
    // Runs Clear, so OnChange hears of it one last time when the combination
    // held anything: an owner whose handler cannot run while it is being
    // destroyed empties OnChange first.
    ~TEuroMillonApuestas();
    TEuroMillonApuestas(const TEuroMillonApuestas &) = delete;
    TEuroMillonApuestas &operator=(const TEuroMillonApuestas &) = delete;

    int Count() const { return static_cast<int>(masks_.size()); }
    // The game its bets belong to; the working bet follows it.
    TGameEdition Edition() const { return edition_; }
    // Only while the combination holds no bet: raises EListError otherwise,
    // as bets of one game are no bets of the other.
    void SetEdition(TGameEdition edition);
    // Position of the bet last loaded into or stored from the working bet; -1 for none.
    int Current() const { return current_; }
    // A plain bet; its changes are told to no one.
    TEuroMillonApuesta &WorkingBet() { return workingBet_; }

    // Makes the position current and loads its bet into the working bet, also
    // when it was current already; returns the working bet. Raises as SetCurrent.
    TEuroMillonApuesta &Bet(int position);
    // Nothing when the position is current already. Raises EListError "Index
    // out of range "TEuroMillonApuestas"" for a position at or past Count; a
    // negative position means none.
    void SetCurrent(int position);

    // Calls OnBeforeStore(position), then inserts the working bet at the
    // position (appends when it is negative or not below Count); the new bet
    // becomes current. Returns its position.
    int Insert(int position);
    // Overwrites the bet at the position with the working bet (after
    // OnBeforeStore) and makes it current; a position outside the list
    // appends, as Insert(Count).
    int Store(int position);
    // Raises EListError "List index out of bounds (%d)" for a position that
    // does not exist; nothing changes then. Deleting the current bet leaves
    // none current (the working bet keeps its values).
    void Delete(int position);
    // Deletes positions first..last as Delete would, last first, telling one
    // change. Raises as Delete, before deleting anything, when the range is
    // empty or not inside the list.
    void DeleteRange(int first, int last);
    // Deletes every bet and empties Name; FileName stays. One change.
    void Clear();
    // Copies the source's bets first..last (clipped to the source) to
    // position, position+1, ... (Count appends), each through OnBeforeStore
    // (unless PassesBeforeStore vouches for all of them). Returns how many
    // were copied; one change. The source's current bet ends at last.
    int InsertRange(TEuroMillonApuestas &source, int first, int last, int position);

    // Scanning from the last bet back: the first position whose bet shares at
    // least numberCount numbers and starCount stars with bet; -1 for none.
    int FindCovering(const TEuroMillonApuesta &bet, int numberCount, int starCount) const;
    int FindCovering(BetMask bet, int numberCount, int starCount) const;
    // The same with numbers and stars in common counted together.
    int FindCoveringTotal(const TEuroMillonApuesta &bet, int valueCount) const;
    int FindCoveringTotal(BetMask bet, int valueCount) const;

    // Read-only access and bulk append, without the working bet.
    BetMask Mask(int position) const { return masks_[static_cast<size_t>(position)]; }
    const std::vector<BetMask> &Masks() const { return masks_; }
    // Appends bets as they stand, without OnBeforeStore; Current and the
    // working bet stay. A mask holding more than 5 numbers or 2 stars keeps
    // its lowest ones, as the working bet would. One change.
    void AppendMasks(const BetMask *masks, size_t count);
    void Reserve(size_t count) { masks_.reserve(count); }
    // Appends the source's bets and leaves the source without any; when this
    // combination holds none, the storage itself moves, so a whole game's
    // bets are never held twice. Raises EListError 45804 for a source of the
    // other game, changing nothing. One change.
    void TakeBets(TEuroMillonApuestas &source);

    const std::string &Name() const { return name_; }
    // A different name (exact comparison) is a change; OnNameChange follows.
    void SetName(const std::string &name);
    const std::string &FileName() const { return fileName_; }
    // Not a change; OnNameChange follows.
    void SetFileName(const std::string &fileName);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Raises EUpdateError "Disable disorder "TEuroMillonApuestas"" when no
    // bracket is open.
    void BeginUpdate();
    void EndUpdate();

    // The signature ("EMA0" classic, "EMA2" today's game), the name, then the
    // bet list. Tells no change; afterwards the
    // current bet is the one before and the working bet holds it (the last
    // bet when none was current).
    void SaveToStream(TStream &stream);
    // Replaces name and bets from the stream. Raises EReadError 40003 "No es
    // un formato de archivo válido", changing nothing, when the stream does
    // not start with a combination signature, and EReadError 45801 (the file
    // is of the other game), also changing nothing, when onLoad is Require
    // and the file's edition is not the combination's; Adopt takes the
    // file's edition instead. Errors of the value stream pass through, the
    // name and the bets read so far staying. One change either way. Values
    // that a bet cannot hold are dropped.
    void LoadFromStream(TStream &stream, TEditionOnLoad onLoad = TEditionOnLoad::Require);
    // Replaces the file only once it is written whole: a failed save leaves
    // the previous file as it was. Then FileName is the path and Modified false.
    void SaveToFile(const std::string &path);
    // Raises EFOpenError "Cannot open file %s" and the errors of
    // LoadFromStream; FileName and Modified change only on success. progress
    // hears of the bytes read as the load goes; an error it raises ends the
    // load as a read error would.
    void LoadFromFile(const std::string &path, const TLoadProgress &progress = {},
                      TEditionOnLoad onLoad = TEditionOnLoad::Require);
    // Takes the source's name, file name, edition and bets (the source is
    // left empty) and makes them this combination's, unmodified. One change.
    void Adopt(TEuroMillonApuestas &source);

    TNotifyEvent OnChange;
    TBeforeStoreEvent OnBeforeStore;
    // Optional: a bet it accepts is stored without OnBeforeStore while
    // loading and copying ranges, so that millions of bets need no working
    // bet each. OnBeforeStore still decides (and words the error) for the rest.
    TBetMaskCheck PassesBeforeStore;
    TNotifyEvent OnNameChange;

private:
    void Changed();
    void StoreMask(int position, bool insert);
    void LoadWorkingBet(int position);

    TGameEdition edition_;
    TEuroMillonApuesta workingBet_;
    std::vector<BetMask> masks_;
    int current_ = -1;
    TUpdateBrackets updates_;
    bool modified_ = false;
    std::string name_;
    std::string fileName_;
};
