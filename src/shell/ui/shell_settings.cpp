#include "shell/ui/shell_settings.h"

#include "widgets/dialog_service.h"

#include "framework/parametres.h"
#include "framework/program_path.h"
#include "framework/qor_app.h"
#include "framework/user_prompt.h"
#include "model/ticket_tables.h"

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

QString ShellFilePath(const char *fileName)
{
    return QString::fromStdString(ProgramFolderPath(fileName));
}

void SetProgramFolderForTests(const QString &folder)
{
    SetProgramFilePath(QDir(folder).filePath(QStringLiteral("qor-euromillon")).toStdString());
    QORApp().AppFile = ProgramFilePath();
}

void PutTicketCountryInForce(bool france)
{
    PonerPais(france ? pbFrancia : pbEspana);
}

int BetsPerTicketInForce()
{
    return EnVigor().Formato.ApuestasPorBoleto;
}

void InstallUserPrompts()
{
    UserPrompts().AskYesNo = [](const std::string &caption, const std::string &text) {
        return DialogService::Ask(nullptr, QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::Question, QString::fromStdString(caption)) == QMessageBox::Yes;
    };
    UserPrompts().ShowError = [](const std::string &, const std::string &text) {
        DialogService::ShowMessage(nullptr, QString::fromStdString(text), QMessageBox::Critical);
    };
}

void LoadApplicationResources(QWidget *)
{
    InstallUserPrompts();
    QORApp().LoadAppResources();
}

void SaveApplicationResources(QWidget *)
{
    InstallUserPrompts();
    QORApp().SaveAppResources();
}
