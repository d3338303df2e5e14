#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box, question, input box and file dialog of the program goes
// through here, so that one place decides the title, the parent and the
// full-stop rule, and so that tests can answer them without a modal loop.
//
// Scripting (tests): SetNextAnswer / SetNextFileName / SetNextInput queue the
// answers of the next boxes; a box with a queued answer is not shown and takes
// that answer. With SetHeadless(true) no box is ever shown: an unscripted box
// takes its escape answer (Cancel, else No, else OK; a cancelled file dialog;
// a cancelled input box). Every box is recorded (ShownBoxes) either way.
class DialogService {
public:
    enum class Kind { Error, Information, Warning, Question, Input, OpenFile, SaveFile, External };

    struct ShownBox {
        Kind kind;
        QString title;
        QString text;
        QString start;  // file dialogs: the path they started at
        QString folder; // save dialogs: the folder they opened in
        QString name;   // save dialogs: the file name they proposed (empty: none)
    };

    // Where a save dialog opens and the name it proposes.
    struct SaveStart {
        QString folder;
        QString name;
    };

    // The title of every box: "QOR-EuroMillon v3" unless changed.
    static QString ApplicationTitle();
    static void SetApplicationTitle(const QString &title);

    // Error box titled with the application title; a full stop is appended
    // when the message's last character sorts after the full stop.
    static void ShowError(QWidget *parent, const QString &message);
    static QString WithFullStop(const QString &message);

    // Message box with an OK button, shown as it stands (a Critical icon
    // records it as an error box); with selectable, its text can be selected
    // and copied (a path to open by other means).
    static void ShowMessage(QWidget *parent, const QString &message,
                            QMessageBox::Icon icon = QMessageBox::Information, bool selectable = false);

    // Question box titled with the application title unless a title is given.
    static QMessageBox::StandardButton Ask(QWidget *parent, const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::Icon icon = QMessageBox::Question,
                                           const QString &title = QString());

    // One-line input box; false when cancelled, value unchanged then.
    static bool InputText(QWidget *parent, const QString &title, const QString &prompt, QString &value);

    // File dialogs. The filter uses the "Description|pattern|Description|pattern"
    // form of the program's texts. An empty result means cancelled.
    static QString OpenFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                const QString &start = QString());
    static QString SaveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                const QString &start = QString());
    // Several existing files at once; an empty list means cancelled.
    static QStringList OpenFileNames(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                     const QString &start = QString());
    // A save dialog given the file being saved opens in its folder with its
    // name; given a folder, opens there with no name; given a bare name,
    // proposes it in the last folder used. Given nothing, it proposes the
    // document name of the window it belongs to (DocumentName). A proposed
    // name gets the default suffix when it lacks it.
    static SaveStart SaveStartFor(QWidget *parent, const QString &start, const QString &defaultSuffix);
    // The name of the document a window works on: the nearest one set on the
    // window or one of its parents (SetDocumentName); empty when none.
    static QString DocumentName(const QWidget *widget);
    static void SetDocumentName(QWidget *window, const QString &name);
    // A name made fit for a file name: no folder separators, no control
    // characters, no blanks at the ends.
    static QString FileNameOf(const QString &name);

    // "A (*.aem)|*.aem|B (*.*)|*.*" -> "A (*.aem);;B (*)".
    static QString QtFilter(const QString &pipeFilter);

    // The shell's open operation on a document or a web address; false when
    // nothing could open it. Headless it is only recorded (and succeeds,
    // unless a result was scripted).
    static bool OpenExternal(const QString &pathOrAddress);
    // Whether some program is set to open files of that extension ("xlsx"),
    // asked before writing one for it; true when the system cannot tell.
    // Headless: true, unless a scripted result of OpenExternal is false, which
    // this uses up (nothing will be opened then).
    static bool CanOpenExternal(const QString &suffix);

    // Scripting for tests.
    static void SetHeadless(bool headless);
    static bool Headless();
    static void SetNextAnswer(QMessageBox::StandardButton answer);
    static void SetNextFileName(const QString &path); // empty path = cancel
    // For OpenFileNames (which also takes a single scripted name); empty = cancel.
    static void SetNextFileNames(const QStringList &paths);
    static void SetNextInput(const QString &text, bool accepted = true);
    static void SetNextExternalResult(bool opened);
    static void ClearScript();
    static const QList<ShownBox> &ShownBoxes();
    static QString LastText();
    static void ClearShownBoxes();
};
