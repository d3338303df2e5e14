// Combination files (.aem) of either game: whatever loads must save and load
// back the same, in the game the file named.
#include "fuzz_harness.h"

#include "model/bet_mask.h"
#include "model/euromillon_apuestas.h"
#include "model/memory_stream.h"

namespace {

std::string Saved(TEuroMillonApuestas &combination)
{
    return StreamBytes([&](TStream &stream) { combination.SaveToStream(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    std::vector<std::string> seeds;
    TEuroMillonApuestas combination;
    seeds.push_back(Saved(combination));
    combination.SetName("abc");
    combination.WorkingBet().FromMask(NumberBit(3) | NumberBit(15) | NumberBit(27) | NumberBit(41) |
                                      NumberBit(50) | StarBit(2) | StarBit(9));
    combination.Store(-1);
    seeds.push_back(Saved(combination));
    combination.SetName(std::string(300, 'n'));
    for (int i = 1; i <= 8; ++i) {
        combination.WorkingBet().FromMask(NumberBit(i) | NumberBit(i + 10) | NumberBit(i + 20) |
                                          NumberBit(i + 30) | NumberBit(i + 40) | StarBit(i) | StarBit(9));
        combination.Store(-1);
    }
    seeds.push_back(Saved(combination));

    TEuroMillonApuestas current(TGameEdition::Current);
    current.SetName("hoy");
    current.WorkingBet().FromMask(NumberBit(2) | NumberBit(12) | NumberBit(20) | NumberBit(38) |
                                  NumberBit(45) | StarBit(10) | StarBit(12));
    current.Store(-1);
    seeds.push_back(Saved(current));
    return seeds;
}

void FuzzOne(std::string_view data)
{
    int changes = 0; // outlives the combination, whose destruction tells a last change
    TEuroMillonApuestas combination;
    combination.OnChange = [&](void *) { ++changes; };
    TMemoryStream stream(data);
    try {
        combination.LoadFromStream(stream, TEditionOnLoad::Adopt);
    } catch (const Exception &) {
        // The name and the bets read before the fault stay.
    }
    FuzzCheck(changes <= 1, "a load told more than one change");

    // What was read, complete or not, is a combination that saves and reads back whole.
    std::string bytes = Saved(combination);
    TEuroMillonApuestas back(combination.Edition());
    TMemoryStream again(bytes);
    back.LoadFromStream(again);
    FuzzCheck(back.Count() == combination.Count(), "saved and loaded again, the bet count changed");
    FuzzCheck(Saved(back) == bytes, "saved and loaded again, the bytes changed");
    const BetMask starBits = GameRules(combination.Edition()).StarBits;
    for (BetMask bet : combination.Masks())
        FuzzCheck((bet & ~(kNumberBits | starBits)) == 0, "a bet holds a star its game does not have");

    // The other game's reader refuses the file whole.
    const TGameEdition other =
        combination.Edition() == TGameEdition::Classic ? TGameEdition::Current : TGameEdition::Classic;
    TEuroMillonApuestas refusing(other);
    TMemoryStream otherGameStream(bytes);
    try {
        refusing.LoadFromStream(otherGameStream);
        FuzzCheck(false, "a file of one game loaded as the other");
    } catch (const EReadError &) {
        FuzzCheck(refusing.Count() == 0 && refusing.Edition() == other,
                  "a refused file changed the combination");
    }
}
