#include "shell/ui/shell_settings.h"

#include "shell/ui/dialog_service.h"

#include "framework/parametres.h"
#include <QCoreApplication>

#include <QDir>

bool SettingExists(const char *key)
{
    return Parametres().Exists(key);
}

bool ReadSettingBool(const char *key, bool defaultValue)
{
    return Parametres().ReadBoolean(key, defaultValue);
}

QString ReadSettingText(const char *key, const QString &defaultValue)
{
    return QString::fromStdString(Parametres().ReadString(key, defaultValue.toStdString()));
}

void WriteSetting(const char *key, bool value, bool save)
{
    Parametres().SetValor(key, Variant(value));
    if (save)
        Parametres().SetSaveList({key}, true);
}

void WriteSetting(const char *key, const QString &value, bool save)
{
    Parametres().SetValor(key, Variant(value.toStdString()));
    if (save)
        Parametres().SetSaveList({key}, true);
}

// TEMPORARY until the program folder, the ticket tables and the
// application object land.
namespace {
QString &Folder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ShellFilePath(const char *fileName)
{
    const QString folder = Folder().isEmpty() ? QCoreApplication::applicationDirPath() : Folder();
    return QDir(folder).filePath(QString::fromLatin1(fileName));
}

void SetProgramFolderForTests(const QString &folder)
{
    Folder() = folder;
}

void PutTicketCountryInForce(bool) {}

int BetsPerTicketInForce()
{
    return 5;
}

int32_t TicketOfBet(int32_t position)
{
    return position <= 0 ? 0 : (position - 1) / BetsPerTicketInForce() + 1;
}

void InstallUserPrompts() {}
void LoadApplicationResources(QWidget *) {}
void SaveApplicationResources(QWidget *) {}
