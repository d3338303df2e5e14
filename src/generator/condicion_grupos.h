#pragma once

#include "generator/condicion_grupo.h"
#include "generator/condition_filter.h"

#include <cstdint>
#include <string>
#include <vector>

class TEuroMillonApuesta;
class TEuroMillonGeneraComb;
class TReader;
class TWriter;

// The group conditions of a generation, in ascending order of their unique
// identifiers (1 or more). A bet passes the list when every active condition
// holds; every condition is evaluated and counted for every bet judged.
class TEuroMillonCondicionGrupos {
public:
    explicit TEuroMillonCondicionGrupos(TEuroMillonGeneraComb *owner = nullptr) : owner_(owner) {}
    TEuroMillonCondicionGrupos(const TEuroMillonCondicionGrupos &) = delete;
    TEuroMillonCondicionGrupos &operator=(const TEuroMillonCondicionGrupos &) = delete;

    TEuroMillonGeneraComb *Owner() const { return owner_; }
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }

    // Copies the condition into a new entry with the smallest identifier no
    // entry uses, placed by identifier; counters 0.
    void Add(const TEuroMillonCondicionGrupo &condicion);
    // Raise EListError "List index out of bounds (%d)" outside the list.
    TEuroMillonCondicionGrupo Condicion(int index) const;
    void Delete(int index);
    int32_t Cumplen(int index) const;
    int32_t Evaluadas(int index) const;
    int32_t ID(int index) const;
    // Raises EListError "Index SetCondicion out of range" outside the list;
    // the identifier and counters stay.
    void SetCondicion(int index, const TEuroMillonCondicionGrupo &condicion);
    void Clear();
    int IndexOfID(int32_t id) const;
    void ResetContadores();

    // The name, or "(Sin nombre)" and the summary when it has none.
    std::string NombreCondicion(int index) const;
    // "B:1 N:3.12.27".
    std::string Resumen(int index) const;

    // The verdict on a bet, counting every condition. Raises EBetError
    // "Bloque not exists" for a condition on a block other than 1 or 2.
    bool CumpleCondiciones(const TEuroMillonApuesta &bet);

    // Replaces the list by the one read; a stream error keeps the entries read
    // before it.
    void LeerDeStream(TReader &reader);
    void GuardarEnStream(TWriter &writer) const;

    // The conditions in the form the generation run evaluates. Raises
    // EBetError "Bloque not exists" as CumpleCondiciones would.
    std::vector<TMaskCondition> MaskConditions() const;
    // Sets the counters from a run: the filter's per-condition passes and
    // the number of bets every condition judged.
    void SetCounts(const TConditionFilter &filter, int64_t judged);

private:
    const TEuroMillonCondicionGrupoEx &Entry(int index) const;

    TEuroMillonGeneraComb *owner_;
    std::vector<TEuroMillonCondicionGrupoEx> entries_;
};

// Evaluates one condition on a bet's values of its block, the tests in the
// order count, sum, even, odd.
bool CondicionCumple(const TEuroMillonCondicionGrupo &condicion, const TEuroMillonNumeros &blockValues);
