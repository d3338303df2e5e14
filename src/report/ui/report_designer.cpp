#include "report/ui/report_designer.h"

#include "framework/file_error_text.h"
#include "framework/program_path.h"
#include "report/ui/designer_canvas.h"
#include "report/ui/designer_properties.h"
#include "widgets/command_guard.h"
#include "widgets/dialog_service.h"
#include "widgets/texts.h"

#include "report/report.h"
#include "report/ui/report_text_ids.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QScrollArea>
#include <QToolBar>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

// One change of the page: the whole object list before and after, which is
// cheap for templates of a few hundred objects and never goes out of step.
class TObjectsCommand : public QUndoCommand {
public:
    TObjectsCommand(TfrReport &report, std::vector<TfrView> before, std::vector<TfrView> after, int select,
                    std::function<void(int)> refresh)
        : report_(report), before_(std::move(before)), after_(std::move(after)), select_(select),
          refresh_(std::move(refresh))
    {
    }
    void undo() override
    {
        report_.Page(0).Objects() = before_;
        refresh_(select_ < int(before_.size()) ? select_ : -1);
    }
    void redo() override
    {
        report_.Page(0).Objects() = after_;
        refresh_(select_ < int(after_.size()) ? select_ : -1);
    }

private:
    TfrReport &report_;
    std::vector<TfrView> before_, after_;
    int select_;
    std::function<void(int)> refresh_;
};

} // namespace

TfrDesignerWindow::TfrDesignerWindow(TfrReport &report, QWidget *parent) : QDialog(parent), report_(report)
{
    setObjectName(QStringLiteral("FRMDesigner"));
    setWindowTitle(Txt(kTxtDesignerCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    if (report_.PageCount() == 0)
        report_.AddPage();
    undo_ = new QUndoStack(this);
    canvas_ = new TfrDesignCanvas;
    properties_ = new TfrDesignProperties(this);
    properties_->setMinimumWidth(260);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(canvas_);
    scroll->setBackgroundRole(QPalette::Dark);
    canvas_->OnChange = [this](std::vector<TfrView> objects) {
        ChangeObjects(std::move(objects), canvas_->Selected());
    };
    canvas_->OnSelect = [this](int index) {
        properties_->Show(index >= 0 ? &report_.Page(0).Objects()[size_t(index)] : nullptr);
    };
    properties_->OnEdit = [this](const TfrView &edited) {
        const int index = canvas_->Selected();
        if (index < 0)
            return;
        std::vector<TfrView> objects = report_.Page(0).Objects();
        objects[size_t(index)] = edited;
        ChangeObjects(std::move(objects), index);
    };
    auto *toolbar = new QToolBar(this);
    auto *body = new QHBoxLayout;
    body->addWidget(scroll, 1);
    body->addWidget(properties_);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->addWidget(toolbar);
    root->addLayout(body, 1);
    CreateActions();
    for (QAction *action : actions())
        toolbar->addAction(action);
    Refresh();
    resize(1000, 700);
}

TfrDesignerWindow::~TfrDesignerWindow() = default;

void TfrDesignerWindow::CreateActions()
{
    auto add = [this](const char *name, uint16_t text, const QKeySequence &keys, std::function<void()> run) {
        auto *action = new QAction(Txt(text), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, run] { RunCommand(this, run); });
        addAction(action);
        return action;
    };
    add("ActOpen", kTxtDesignerOpen, QKeySequence::Open, [this] { Open(); });
    add("ActSave", kTxtDesignerSave, QKeySequence::Save, [this] { Save(); });
    add("ActSaveAs", kTxtDesignerSaveAs, QKeySequence::SaveAs, [this] { SaveAs(); });
    QAction *undo = add("ActUndo", kTxtUndo, QKeySequence::Undo, [this] { undo_->undo(); });
    QAction *redo = add("ActRedo", kTxtRedo, QKeySequence::Redo, [this] { undo_->redo(); });
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    add("ActAddText", kTxtAddText, {}, [this] { AddObject(MakeMemo("Memo", 0, 0, 180, 18, "[COMB_NAME]")); });
    add("ActAddCheckBox", kTxtAddCheckBox, {},
        [this] { AddObject(MakeCheckBox("Casilla", 0, 0, 10, 14, "")); });
    add("ActAddPicture", kTxtAddPicture, {}, [this] { AddPicture(); });
    add("ActAddBand", kTxtAddBand, {}, [this] {
        AddObject(MakeBand("Banda", TfrBandKind::MasterData, 0, 0, 0, 60, "frPrintBoletosDataSet"));
    });
    add("ActDelete", kTxtDeleteObject, QKeySequence::Delete, [this] {
        const int index = canvas_->Selected();
        if (index < 0)
            return;
        std::vector<TfrView> objects = report_.Page(0).Objects();
        objects.erase(objects.begin() + index);
        ChangeObjects(std::move(objects), -1);
    });
}

void TfrDesignerWindow::Refresh()
{
    canvas_->SetPage(&report_.Page(0));
    canvas_->Select(canvas_->Selected());
}

void TfrDesignerWindow::ChangeObjects(std::vector<TfrView> objects, int select)
{
    undo_->push(new TObjectsCommand(report_, report_.Page(0).Objects(), std::move(objects), select,
                                    [this](int index) {
                                        canvas_->SetPage(&report_.Page(0));
                                        canvas_->Select(index);
                                    }));
}

TfrView TfrDesignerWindow::Placed(TfrView view) const
{
    const TfrPage &page = report_.Page(0);
    view.Left = page.Margins().Left;
    view.Top = page.Margins().Top;
    // A name of its own, so that the property panel and the file tell them apart.
    const std::string base = view.Name;
    for (int n = 1; page.FindObject(view.Name = base + std::to_string(n)); ++n) {
    }
    return view;
}

void TfrDesignerWindow::AddObject(TfrView view)
{
    std::vector<TfrView> objects = report_.Page(0).Objects();
    objects.push_back(Placed(std::move(view)));
    const int added = int(objects.size()) - 1;
    ChangeObjects(std::move(objects), added);
}

void TfrDesignerWindow::AddPicture()
{
    const QString path = DialogService::OpenFileName(this, Txt(kTxtPictureFilter), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    AddObject(MakePicture("Imagen", 0, 0, 72, 72, std::string(bytes.constData(), size_t(bytes.size()))));
}

bool TfrDesignerWindow::Save()
{
    if (report_.FileName().empty())
        return SaveAs();
    report_.SaveToFile(report_.FileName());
    undo_->setClean();
    return true;
}

bool TfrDesignerWindow::SaveAs()
{
    // A template never saved starts in the program's ticket folder.
    const QString start = report_.FileName().empty()
                              ? QString::fromStdString(DataFolderPath("Boletos")) + QLatin1Char('/') +
                                    DialogService::FileNameOf(DialogService::DocumentName(this))
                              : QString::fromStdString(report_.FileName());
    const QString path = DialogService::SaveFileName(this, Txt(kTxtFrfFilter), QStringLiteral("frf"), start);
    if (path.isEmpty())
        return false;
    report_.SaveToFile(path.toStdString());
    undo_->setClean();
    return true;
}

void TfrDesignerWindow::Open()
{
    const QString path = DialogService::OpenFileName(this, Txt(kTxtFrfFilter), QStringLiteral("frf"),
                                                     QString::fromStdString(report_.FileName()));
    if (path.isEmpty())
        return;
    // Keeps the page unless the whole file reads well.
    ReadNamingFile(path.toStdString(), [&] { report_.LoadFromFile(path.toStdString()); });
    if (report_.PageCount() == 0)
        report_.AddPage();
    undo_->clear();
    canvas_->Select(-1);
    Refresh();
}

void TfrDesignerWindow::reject()
{
    if (!undo_->isClean()) {
        const QMessageBox::StandardButton answer = DialogService::Ask(
            this, Txt(kTxtSaveTemplateChanges), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes) {
            bool saved = false;
            RunCommand(this, [this, &saved] { saved = Save(); });
            if (!saved)
                return;
        }
    }
    QDialog::reject();
}

void DesignReport(TfrReport &report, QWidget *parent)
{
    TfrDesignerWindow designer(report, parent);
    designer.exec();
}
