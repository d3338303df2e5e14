#include "shell/ui/command_line_files.h"

#include "shell/ui/frm_main_mdi.h"
#include "widgets/command_guard.h"

#include <QFileInfo>
#include <QUrl>

int OpenCommandLineFiles(TFRMMainMDI &mainWindow, const QStringList &paths)
{
    int opened = 0;
    for (const QString &path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (RunCommand(&mainWindow, [&] { mainWindow.OpenCombinationFile(absolute); }))
            ++opened;
    }
    return opened;
}

QStringList CommandLineFilePaths(const QStringList &arguments)
{
    QStringList paths;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument.isEmpty())
            continue;
        if (argument.startsWith(QLatin1String("file:")))
            paths << QUrl(argument).toLocalFile();
        else
            paths << argument;
    }
    return paths;
}
