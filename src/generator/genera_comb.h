#pragma once

#include "generator/condicion_grupos.h"
#include "model/euromillon_apuesta.h"
#include "model/euromillon_apuestas.h"
#include "model/game_rules.h"
#include "model/notify_event.h"
#include "model/progress_throttle.h"

#include <cstdint>
#include <memory>
#include <string>

class TReader;
class TStream;

// Everything one generation needs and produces: the selection, the kind and
// level of reduction, the group conditions, the counters of the run and the
// bets it kept. The settings belong to one edition of the game (the
// selection's stars and the kept bets follow it). They travel in a
// generation file: "EMC0" for the classic game, "EMC2" for today's, then the
// same typed values (version 2). A file whose settings ask for the
// optimized reduction carries, after the conditions, one more list of named
// values (name as a string, then its value); readers that stop after the
// conditions never see it, and a file without it is written as before.
class TEuroMillonGeneraComb {
public:
    static constexpr uint8_t kSinReduccion = 0;
    static constexpr uint8_t kReduccionGlobal = 1;
    static constexpr uint8_t kReduccionBloques = 2;

    explicit TEuroMillonGeneraComb(TGameEdition edition = TGameEdition::Classic);
    ~TEuroMillonGeneraComb();
    TEuroMillonGeneraComb(const TEuroMillonGeneraComb &) = delete;
    TEuroMillonGeneraComb &operator=(const TEuroMillonGeneraComb &) = delete;

    // The bets kept by the last run, in the order they were kept.
    TEuroMillonApuestas &Apuestas() { return *apuestas_; }
    const TEuroMillonApuestas &Apuestas() const { return *apuestas_; }
    TEuroMillonApuestaMult &Seleccion() { return *seleccion_; }
    const TEuroMillonApuestaMult &Seleccion() const { return *seleccion_; }
    TEuroMillonCondicionGrupos &Condiciones() { return *condiciones_; }
    const TEuroMillonCondicionGrupos &Condiciones() const { return *condiciones_; }

    TGameEdition Edition() const { return edition_; }
    // Moves the settings to the edition: the kept bets are emptied and the
    // selection drops the stars the edition lacks; the conditions stay.
    void SetEdition(TGameEdition edition);

    int32_t Generadas() const { return generadas_; }
    int32_t Validas() const { return validas_; }
    bool Procesando() const { return procesando_; }
    bool Cancelado() const { return cancelado_; }
    // The progress handler sets it to stop the run before its next candidate.
    void SetCancelado(bool cancelado) { cancelado_ = cancelado; }

    uint8_t TipoReduccion() const { return tipoReduccion_; }
    int32_t ReduccionGlobal() const { return reduccionGlobal_; }
    int32_t ReduccionB1() const { return reduccionB1_; }
    int32_t ReduccionB2() const { return reduccionB2_; }
    void SetTipoReduccion(uint8_t tipo);
    // Each ignores a level outside its range: 1-7, 1-5, 1-2.
    void SetReduccionGlobal(int32_t level);
    void SetReduccionB1(int32_t level);
    void SetReduccionB2(int32_t level);
    // Whether a run thins the candidates: global below 7, or blocks below 5 or 2.
    bool ReduccionAplica() const;

    // Seconds the optimized reduction may spend after the greedy run to find
    // fewer bets with the same guarantee; 0 (the default) keeps the greedy
    // reduction. The setter ignores a value outside 0 to 86400.
    int32_t OptimizarSegundos() const { return optimizarSegundos_; }
    void SetOptimizarSegundos(int32_t seconds);

    // Possible bets of the selection: C(numbers, 5) x C(stars, 2).
    int64_t ApuestasPosibles() const;

    // Block levels back to 5 and 2; conditions, kept bets and selection
    // emptied. The kind and the global level stay.
    void Clear();

    bool CumpleCondiciones(const TEuroMillonApuesta &bet);
    // True when no kept bet shares enough with the bet (newest kept first).
    bool CumpleReduccion(const TEuroMillonApuesta &bet) const;

    // One run over every simple bet of the selection: returns the count of
    // kept bets, or 0 when the run was cancelled or another is under way.
    // Errors pass to the caller once Procesando is clear again and the last
    // report was given; the bets kept so far stay.
    int32_t Generar();

    // Writes the generation file layout at the stream's position.
    void GuardarEnStream(TStream &stream) const;
    // Replaces the settings by those read. Raises EReadError 40003 "No es un
    // formato de archivo válido" (neither "EMC0" nor "EMC2"), 45801 (the file
    // is of the other edition and onLoad is Require) or 40004 "La versión
    // del archivo es superior a la actual, no se puede abrir" (version above
    // 2) with nothing changed; Adopt takes the file's edition. A damaged
    // stream after the version raises the value stream's error, the settings
    // keeping what was read and being otherwise cleared. Kept bets and
    // counters are never read.
    void LeerDeStream(TStream &stream, TEditionOnLoad onLoad = TEditionOnLoad::Require);
    // Through a temporary file renamed over the target once written whole.
    void SaveToFile(const std::string &path) const;
    // Raises EFOpenError "Cannot open file %s" and the errors of LeerDeStream.
    void LoadFromFile(const std::string &path, TEditionOnLoad onLoad = TEditionOnLoad::Require);
    // Copies edition, selection, reduction and conditions through a memory
    // stream.
    void AssignSettings(const TEuroMillonGeneraComb &source);

    // Called with this object as sender during a run (at most every 250 ms,
    // the first candidate included) and once unthrottled at its end.
    TNotifyEvent OnProgress;

    // The clock the run's reports are throttled by; tests set their own.
    void SetTickSource(TTickSource clock, uint32_t sampleEvery = 1024);

private:
    void ReportProgress();
    void LeerExtras(TReader &reader);

    TGameEdition edition_;
    std::unique_ptr<TEuroMillonApuestas> apuestas_;
    int32_t generadas_ = 0;
    bool cancelado_ = false;
    int32_t reduccionB1_ = 5;
    int32_t reduccionB2_ = 2;
    std::unique_ptr<TEuroMillonApuestaMult> seleccion_;
    std::unique_ptr<TEuroMillonCondicionGrupos> condiciones_;
    bool procesando_ = false;
    int32_t validas_ = 0;
    uint8_t tipoReduccion_ = kSinReduccion;
    int32_t reduccionGlobal_ = 7;
    int32_t optimizarSegundos_ = 0;
    std::unique_ptr<TProgressThrottle> throttle_;
};
