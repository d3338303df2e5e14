#pragma once

#include "framework/setting_keys.h"
#include "framework/user_language.h"

#include <QString>

#include <cstdint>

// The files the desktop shell looks for beside the program; its settings
// are declared with the others in framework/setting_keys.h.
inline constexpr const char *kDefaultLanguageFile = "QOREuroMillonv3_default.lng";
inline constexpr const char *kSpanishLanguageFile = "QOREuroMillonv3_espagnol.lng";
inline constexpr const char *kManualFile = "QOREuroMillon.pdf";

// Parameter store access in the shell's own terms.
bool SettingExists(const char *key);
bool ReadSettingBool(const char *key, bool defaultValue);
QString ReadSettingText(const char *key, const QString &defaultValue);
// Writes the value; marks it for saving when save is true.
void WriteSetting(const char *key, bool value, bool save);
void WriteSetting(const char *key, const QString &value, bool save);

// A file beside the program.
QString ShellFilePath(const char *fileName);
// Tests run the program in a folder of their own.
void SetProgramFolderForTests(const QString &folder);

// Puts the ticket tables of Spain or France in force.
void PutTicketCountryInForce(bool france);
// Bets per ticket of the ticket format in force.
int BetsPerTicketInForce();

class QWidget;
// Routes the framework's questions and error boxes to the dialog service.
void InstallUserPrompts();
// The application resource file: loaded at start (its backup when it fails),
// written at close (the previous one becoming the backup). Failures are
// shown in boxes parented to the given window, never raised.
void LoadApplicationResources(QWidget *parent);
void SaveApplicationResources(QWidget *parent);
