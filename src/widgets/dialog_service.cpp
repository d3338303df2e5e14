#include "widgets/dialog_service.h"

#include "framework/parametres.h"
#include "framework/setting_keys.h"
#include "framework/variant.h"
#include "widgets/file_dialog_model.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMimeDatabase>
#include <QProcess>
#include <QQueue>
#include <QStandardPaths>

#include <QUrl>
#include <algorithm>

namespace {

struct ScriptedInput {
    QString text;
    bool accepted = true;
};

struct DialogState {
    QString title = QStringLiteral("QOR-EuroMillon v3");
    bool headless = false;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    QQueue<QStringList> fileLists;
    QQueue<ScriptedInput> inputs;
    QQueue<bool> externalResults;
    QList<DialogService::ShownBox> shown;
};

DialogState &State()
{
    static DialogState state;
    return state;
}

QWidget *ParentOrActive(QWidget *parent)
{
    if (parent)
        return parent->window();
    return QApplication::activeWindow();
}

void Record(DialogService::Kind kind, const QString &title, const QString &text)
{
    State().shown.append({kind, title, text, QString(), QString(), QString()});
}

constexpr const char *kDocumentNameProperty = "qorDocumentName";

// The answer a box takes when nobody can click it: what Escape would give.
QMessageBox::StandardButton EscapeAnswer(QMessageBox::StandardButtons buttons)
{
    for (auto button : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok, QMessageBox::Close})
        if (buttons.testFlag(button))
            return button;
    return QMessageBox::NoButton;
}

QMessageBox::StandardButton RunBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                   const QString &text, QMessageBox::StandardButtons buttons,
                                   bool selectable = false)
{
    DialogState &state = State();
    if (!state.answers.isEmpty())
        return state.answers.dequeue();
    if (state.headless)
        return EscapeAnswer(buttons);
    QMessageBox box(icon, title, text, buttons, ParentOrActive(parent));
    if (selectable)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A short message makes a narrow box whose title bar cuts the title:
    // room for the title and the window buttons beside it.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int room = box.fontMetrics().horizontalAdvance(title) + 160;
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The folder of the last file chosen in any file dialog, kept between runs.
QString LastFolder()
{
    return QString::fromStdString(ReadSetting(Parametres(), PRM_LAST_FOLDER));
}

void RememberFolderOf(const QString &path)
{
    if (path.isEmpty())
        return;
    Parametres().SetValor(PRM_LAST_FOLDER, Variant(QFileInfo(path).absolutePath().toStdString()));
    Parametres().SetSaveList({PRM_LAST_FOLDER}, true);
}

// A start without a folder (nothing, or a bare file name) begins in the last folder used.
QString StartPath(const QString &start)
{
    if (!start.isEmpty() && start.contains(QLatin1Char('/')))
        return start;
    QString folder = LastFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return start.isEmpty() ? folder : QDir(folder).filePath(start);
}

// The chosen files; several only when asked for. Empty when cancelled.
QStringList RunFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &filter,
                          const QString &defaultSuffix, const QString &requestedStart, bool several = false)
{
    DialogState &state = State();
    const bool saving = mode == QFileDialog::AcceptSave;
    const DialogService::SaveStart saveStart =
        saving ? DialogService::SaveStartFor(parent, requestedStart, defaultSuffix)
               : DialogService::SaveStart();
    const QString start =
        saving
            ? (saveStart.name.isEmpty() ? saveStart.folder : QDir(saveStart.folder).filePath(saveStart.name))
            : StartPath(requestedStart);
    state.shown.last().start = start;
    state.shown.last().folder = saveStart.folder;
    state.shown.last().name = saveStart.name;
    if (several && !state.fileLists.isEmpty()) {
        const QStringList chosen = state.fileLists.dequeue();
        if (!chosen.isEmpty())
            RememberFolderOf(chosen.constFirst());
        return chosen;
    }
    if (!state.fileNames.isEmpty()) {
        const QString chosen = state.fileNames.dequeue();
        if (chosen.isEmpty())
            return {};
        RememberFolderOf(chosen);
        return {chosen};
    }
    if (state.headless)
        return {};
    QFileDialog dialog(ParentOrActive(parent), QString(), saving ? saveStart.folder : start,
                       DialogService::QtFilter(filter));
    dialog.setProxyModel(new TFileDialogModel(&dialog));
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(defaultSuffix);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    } else {
        // The callers ask their own overwrite question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // Only a file name: a folder selected here would become the name.
        if (!saveStart.name.isEmpty())
            dialog.selectFile(saveStart.name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QStringList chosen = dialog.selectedFiles();
    RememberFolderOf(chosen.constFirst());
    return chosen;
}

QString WithSuffix(const QString &name, const QString &suffix)
{
    if (name.isEmpty() || suffix.isEmpty() || name.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        return name;
    return name + QLatin1Char('.') + suffix;
}

} // namespace

DialogService::SaveStart DialogService::SaveStartFor(QWidget *parent, const QString &start,
                                                     const QString &defaultSuffix)
{
    const QString lastFolder = StartPath(QString());
    if (start.isEmpty())
        return {lastFolder, WithSuffix(FileNameOf(DocumentName(parent)), defaultSuffix)};
    const QFileInfo info(start);
    if (info.isDir() || start.endsWith(QLatin1Char('/')))
        return {QDir::cleanPath(info.absoluteFilePath()), QString()};
    if (!start.contains(QLatin1Char('/')))
        return {lastFolder, WithSuffix(FileNameOf(start), defaultSuffix)};
    // A file whose folder is gone starts in the last folder with its name.
    const QString folder = QFileInfo(info.absolutePath()).isDir() ? info.absolutePath() : lastFolder;
    return {folder, WithSuffix(info.fileName(), defaultSuffix)};
}

QString DialogService::DocumentName(const QWidget *widget)
{
    for (const QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant name = w->property(kDocumentNameProperty);
        if (name.isValid())
            return name.toString();
    }
    return QString();
}

void DialogService::SetDocumentName(QWidget *window, const QString &name)
{
    window->setProperty(kDocumentNameProperty, name);
}

QString DialogService::FileNameOf(const QString &name)
{
    QString clean;
    for (const QChar c : name)
        clean += (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
                     ? QLatin1Char(' ')
                     : c;
    return clean.simplified();
}

QString DialogService::ApplicationTitle()
{
    return State().title;
}

void DialogService::SetApplicationTitle(const QString &title)
{
    State().title = title;
}

QString DialogService::WithFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void DialogService::ShowError(QWidget *parent, const QString &message)
{
    const QString text = WithFullStop(message);
    Record(Kind::Error, ApplicationTitle(), text);
    RunBox(parent, QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok);
}

void DialogService::ShowMessage(QWidget *parent, const QString &message, QMessageBox::Icon icon,
                                bool selectable)
{
    const Kind kind = icon == QMessageBox::Critical  ? Kind::Error
                      : icon == QMessageBox::Warning ? Kind::Warning
                                                     : Kind::Information;
    Record(kind, ApplicationTitle(), message);
    RunBox(parent, icon, ApplicationTitle(), message, QMessageBox::Ok, selectable);
}

QMessageBox::StandardButton DialogService::Ask(QWidget *parent, const QString &text,
                                               QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                               const QString &title)
{
    const QString caption = title.isEmpty() ? ApplicationTitle() : title;
    Record(Kind::Question, caption, text);
    return RunBox(parent, icon, caption, text, buttons);
}

bool DialogService::InputText(QWidget *parent, const QString &title, const QString &prompt, QString &value)
{
    Record(Kind::Input, title, prompt);
    DialogState &state = State();
    if (!state.inputs.isEmpty()) {
        const ScriptedInput input = state.inputs.dequeue();
        if (input.accepted)
            value = input.text;
        return input.accepted;
    }
    if (state.headless)
        return false;
    QInputDialog dialog(ParentOrActive(parent));
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    // Wide enough for its title (and the window buttons beside it) and for
    // a long value.
    const QFontMetrics metrics(dialog.font());
    dialog.setMinimumWidth(
        std::max({metrics.horizontalAdvance(title) + 160, metrics.horizontalAdvance(value) + 60,
                  metrics.averageCharWidth() * 48}));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString DialogService::OpenFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                    const QString &start)
{
    Record(Kind::OpenFile, QString(), filter);
    return RunFileDialog(parent, QFileDialog::AcceptOpen, filter, defaultSuffix, start).value(0);
}

QStringList DialogService::OpenFileNames(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                         const QString &start)
{
    Record(Kind::OpenFile, QString(), filter);
    return RunFileDialog(parent, QFileDialog::AcceptOpen, filter, defaultSuffix, start, true);
}

QString DialogService::SaveFileName(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                    const QString &start)
{
    Record(Kind::SaveFile, QString(), filter);
    return RunFileDialog(parent, QFileDialog::AcceptSave, filter, defaultSuffix, start).value(0);
}

QString DialogService::QtFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*"); // every file, with or without an extension
        }
        // Qt reads the patterns from the last parentheses of the description.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    if (filters.isEmpty())
        return pipeFilter;
    return filters.join(QStringLiteral(";;"));
}

bool DialogService::OpenExternal(const QString &pathOrAddress)
{
    Record(Kind::External, QString(), pathOrAddress);
    DialogState &state = State();
    if (!state.externalResults.isEmpty())
        return state.externalResults.dequeue();
    if (state.headless)
        return true;
    const bool isAddress = pathOrAddress.contains(QLatin1String("://"));
    return QDesktopServices::openUrl(isAddress ? QUrl(pathOrAddress) : QUrl::fromLocalFile(pathOrAddress));
}

bool DialogService::CanOpenExternal(const QString &suffix)
{
    DialogState &state = State();
    if (!state.externalResults.isEmpty()) {
        if (state.externalResults.head())
            return true;
        state.externalResults.dequeue();
        return false;
    }
    if (state.headless)
        return true;
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true;
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QStringLiteral("file.") + suffix, QMimeDatabase::MatchExtension);
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), type.name()});
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return true;
    }
    return process.exitCode() != 0 || !process.readAllStandardOutput().trimmed().isEmpty();
}

void DialogService::SetNextExternalResult(bool opened)
{
    State().externalResults.enqueue(opened);
}

void DialogService::SetHeadless(bool headless)
{
    State().headless = headless;
}

bool DialogService::Headless()
{
    return State().headless;
}

void DialogService::SetNextAnswer(QMessageBox::StandardButton answer)
{
    State().answers.enqueue(answer);
}

void DialogService::SetNextFileName(const QString &path)
{
    State().fileNames.enqueue(path);
}

void DialogService::SetNextFileNames(const QStringList &paths)
{
    State().fileLists.enqueue(paths);
}

void DialogService::SetNextInput(const QString &text, bool accepted)
{
    State().inputs.enqueue({text, accepted});
}

void DialogService::ClearScript()
{
    State().answers.clear();
    State().fileNames.clear();
    State().fileLists.clear();
    State().inputs.clear();
    State().externalResults.clear();
}

const QList<DialogService::ShownBox> &DialogService::ShownBoxes()
{
    return State().shown;
}

QString DialogService::LastText()
{
    return State().shown.isEmpty() ? QString() : State().shown.constLast().text;
}

void DialogService::ClearShownBoxes()
{
    State().shown.clear();
}
