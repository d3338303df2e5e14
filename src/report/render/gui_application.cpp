#include "report/render/gui_application.h"

#include <QGuiApplication>

void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qor-euromillon";
    static char *argv[] = {name, nullptr};
    // A tool speaks through its own messages only: Qt's warnings about the
    // session it runs in (no runtime folder, no fonts folder) are dropped.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            qFatal("%s", qPrintable(message));
    });
    // Never destroyed: it must outlive every font and painter of the process,
    // static ones included.
    new QGuiApplication(argc, argv);
}
