#pragma once

#include "draws_ui_support.h"

#include "draws/draw_rules.h"
#include "framework/parametres.h"

#include <QDir>
#include <QFile>
#include <QString>

// Helpers of the draw windows' tests of today's game.

inline void WriteCurrentArchive(const std::vector<TSorteoEuroMillonInfo> &draws)
{
    TSorteosEuroMillon sorteos(TGameEdition::Current);
    for (const TSorteoEuroMillonInfo &info : draws)
        sorteos.AddSorteo(info);
    sorteos.SaveToFile(ArchivoSorteos(TGameEdition::Current));
}

// A draw of today's game whose category c pays c units.
inline TSorteoEuroMillonInfo CurrentDraw(double fecha, TEuroMillonNumeros numeros,
                                         TEuroMillonNumeros estrellas)
{
    TSorteoEuroMillonInfo info = Draw(fecha, std::move(numeros), std::move(estrellas));
    info.PremioCategoria[1] = CurrencyFromUnits(1);
    info.PremioCategoria[13] = CurrencyFromUnits(13);
    return info;
}

// The shipped histories copied into the program folder's "Historial", as an
// installation has them.
inline bool InstallHistories(const QString &programFolder)
{
    const QString source = QStringLiteral(QOR_HISTORY_DIR);
    QDir(programFolder).mkpath(QStringLiteral("Historial"));
    for (const std::string &path : HistoryFiles(source.toStdString())) {
        const QString name = QFileInfo(QString::fromStdString(path)).fileName();
        if (!QFile::copy(QString::fromStdString(path), programFolder + QStringLiteral("/Historial/") + name))
            return false;
    }
    return true;
}

// The prizes window's range from desde to hasta, as a run stores it.
inline void SetRangeParameters(double desde, double hasta)
{
    Parametres().SetValor("PRM_PREMIOS_Desde", Variant::DateTime(desde));
    Parametres().SetValor("PRM_PREMIOS_Hasta", Variant::DateTime(hasta));
    Parametres().SetValor("PRM_PREMIOS_HastaChecked", Variant(true));
}
