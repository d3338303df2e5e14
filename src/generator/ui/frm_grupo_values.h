#pragma once

#include "generator/condicion_grupo.h"
#include "model/game_rules.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class TControlEuroMillonApuesta;
class TEuroMillonApuesta;

// The modal editor of one group condition: its block, its group marked on a
// ticket, its bounds, its name and whether it is active. The opener may give
// a reference selection (the generator's), whose absent values are drawn
// greyed; they can still be marked. "Aceptar" checks the values for likely
// mistakes and lets the user confirm them anyway.
//
// A condition on a block other than 1 or 2 (only a damaged generation file
// holds one) is edited as a condition on block 1.
class TFRMGrupoValues : public QDialog {
    Q_OBJECT

public:
    explicit TFRMGrupoValues(QWidget *parent = nullptr);
    ~TFRMGrupoValues() override;

    // The game whose stars the ticket offers (classic until set). Set by the
    // opener right after creation, before CargarCondicion.
    void SetEdition(TGameEdition edition);
    // Not owned; may be null. Set by the opener right after creation.
    void SetSeleccionReferencia(const TEuroMillonApuesta *seleccion);
    void CargarCondicion(const TEuroMillonCondicionGrupo &condicion);
    // The controls as a condition; a bound that is not a decimal integer reads as 0.
    TEuroMillonCondicionGrupo LeerCondicion();

    int BloqueActual() const { return bloqueActual_; }
    // Shows only the marks of the block (1 or 2), removing the other block's.
    void SeleccionarBloque(int bloque);
    TControlEuroMillonApuesta *Boleto() const { return Boleto_; }
    void MarcarTodos();
    void BorrarTodos();
    // The checks of "Aceptar": the error lines (empty when none), joined by
    // line feed and carriage return.
    QString Errores(const TEuroMillonCondicionGrupo &condicion) const;

private:
    void BuildLayout();
    QLayout *BuildTicketSide();
    QLayout *BuildBoundsSide();
    QLayout *BuildButtons();
    void ApplyTexts();
    void Aceptar();
    void UpdateHints();
    bool Greyed(int block, int value) const;

    int bloqueActual_ = 1;
    TEuroMillonCondicionGrupo condicionEditada_;
    const TEuroMillonApuesta *seleccionReferencia_ = nullptr;

    TControlEuroMillonApuesta *Boleto_ = nullptr;
    QLabel *lBloque = nullptr;
    QComboBox *cbBloque = nullptr;
    QCheckBox *cbCondicionActiva = nullptr;
    QLabel *lblNombreCondicion = nullptr;
    QLineEdit *ebNombre = nullptr;
    QLabel *lMinSum = nullptr;
    QLabel *lMaxSum = nullptr;
    QLabel *lAciertosCumplir = nullptr;
    QLabel *lSumaNumerosValidas = nullptr;
    QLabel *lCantNumerosPares = nullptr;
    QLabel *lCantNumerosImpares = nullptr;
    QLabel *lInfo1 = nullptr;
    QLabel *lInfo2 = nullptr;
    QLineEdit *ebAciertosMin = nullptr;
    QLineEdit *ebAciertosMax = nullptr;
    QLineEdit *ebSumMin = nullptr;
    QLineEdit *ebSumMax = nullptr;
    QLineEdit *ebParesMin = nullptr;
    QLineEdit *ebParesMax = nullptr;
    QLineEdit *ebImparesMin = nullptr;
    QLineEdit *ebImparesMax = nullptr;
    QLabel *lblAciertosMin = nullptr;
    QLabel *lblAciertosMax = nullptr;
    QLabel *lblSumaMin = nullptr;
    QLabel *lblSumaMax = nullptr;
    QLabel *lblParesMin = nullptr;
    QLabel *lblParesMax = nullptr;
    QLabel *lblImparesMin = nullptr;
    QLabel *lblImparesMax = nullptr;
    QPushButton *sbMarcarTodos = nullptr;
    QPushButton *sbBorrarTodos = nullptr;
    QPushButton *bbAceptar = nullptr;
    QPushButton *bbCancelar = nullptr;
};
