#pragma once

#include "draws/ui/frm_euromillon_sorteo.h"
#include "model/euromillon_apuesta.h"
#include "widgets/control_euromillon_apuesta.h"

#include <QPushButton>
#include <QTest>

// The draw editor's winning bet, set on its ticket control as the user marks it.
inline void SetBet(TFRMEuroMillonSorteo &editor, TEuroMillonNumeros numeros, TEuroMillonNumeros estrellas)
{
    TEuroMillonApuestaMultiple record;
    record.Numeros = std::move(numeros);
    record.Estrellas = std::move(estrellas);
    editor.ControlApuesta().ShownBet().FromRecord(record);
}

inline void ClickAccept(TFRMEuroMillonSorteo &editor)
{
    QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("bbAceptar")), Qt::LeftButton);
}
