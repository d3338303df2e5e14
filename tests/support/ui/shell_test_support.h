#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

class QAction;
class TEuroMillonApuestas;
class QObject;

// One bet as written in a combination file; fewer values make an incomplete bet.
struct TestBet {
    std::vector<int> numbers;
    std::vector<int> stars;
};

// A fresh program folder for one test program: settings, language files and
// combination files live there, and no box ever waits for a click. Puts the
// start-up state in force as the program does (Spanish ticket, separators).
class ShellTestFolder {
public:
    ShellTestFolder();
    ~ShellTestFolder();
    bool IsValid() const { return !dir_.Root().empty(); }
    QString Path() const;
    QString FilePath(const QString &name) const;
    QString ResourceFile() const { return FilePath(QStringLiteral("qor-euromillon.zrk")); }
    QString BackupFile() const { return FilePath(QStringLiteral("qor-euromillon_Seg.zrk")); }
    // Copies the language files built beside the test program into the folder.
    void CopyLanguageFiles() const;

private:
    TTempFolder dir_{"qor-window-test"};
};

// Writes a combination file byte by byte: "EMA0", the name, the bets.
void WriteCombinationFile(const QString &path, const std::string &name, const std::vector<TestBet> &bets);
// n complete bets, the k-th one derived from k.
std::vector<TestBet> SampleBets(int count);
// Twelve complete bets of five numbers and two stars, named "Sorteo del viernes".
void FillTwelveBets(TEuroMillonApuestas &combination);
// The shared FileBytes for Qt paths.
QByteArray FileBytes(const QString &path);

// The action of the given object name below root; fails the test when absent.
QAction *FindAction(QObject *root, const char *name);
// Triggers the action of the given name after checking that it is enabled.
void Trigger(QObject *root, const char *name);

class QWidget;
// Grabs the widget; with QOR_SCREENSHOT_DIR set (tools/screenshot.sh) saves it
// there as name.png. False when the grab is empty or the file cannot be written.
bool SaveScreenshot(QWidget *widget, const QString &name);
// Puts the language of a picture in force: "es" the built-in Spanish texts,
// "en" or "fr" the language file built beside the test program; the default
// locale follows. False when the file cannot be loaded.
bool UseScreenshotLanguage(const QString &code);

class QWidget;
class TFRMApuestas;
class TFRMMainMDI;
// The text of the label of the given object name below root, "<none>" when absent.
QString WindowLabelText(QWidget *root, const char *name);
// Writes name.aem with count sample bets in the folder and opens it through
// the main window's open command; the dialog's record is cleared.
TFRMApuestas *OpenSampleFile(TFRMMainMDI &main, const ShellTestFolder &folder, const char *name, int count);
