#include "shell/ui/manual_file.h"

#include "shell/ui/shell_settings.h"

#include <QFileInfo>

QString ManualFilePath(const QString &languageFilePath)
{
    static const QLatin1String prefix("QOREuroMillonv3_");
    const QString name = QFileInfo(languageFilePath).completeBaseName();
    if (name.startsWith(prefix) && name.size() > prefix.size() &&
        QFileInfo(languageFilePath).fileName() != QLatin1String(kSpanishLanguageFile)) {
        const QString language = name.mid(prefix.size());
        const QString own = ShellFilePath(qPrintable(QStringLiteral("QOREuroMillon_%1.pdf").arg(language)));
        if (QFileInfo::exists(own))
            return own;
    }
    return ShellFilePath(kManualFile);
}
