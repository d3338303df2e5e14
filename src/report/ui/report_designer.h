#pragma once

#include "report/report_objects.h"

#include <QDialog>

#include <vector>

class QAction;
class QUndoStack;
class TfrDesignCanvas;
class TfrDesignProperties;
class TfrReport;

// The engine's visual designer on a report's first page (the templates of
// this program have one page): objects can be selected, moved and resized
// with the mouse or the arrow keys (Shift for size), added (text, check box,
// picture, band), deleted and edited in the property panel; every change can
// be undone. Save writes the report's file name through the safe save, Save
// as asks for one; Open loads another template (a damaged one gives an error
// box and leaves the page as it was). Closing with unsaved changes asks.
//
// The report is edited in place and must outlive the window.
// Object names for tests: ActAddText, ActAddCheckBox, ActAddPicture,
// ActAddBand, ActDelete, ActUndo, ActRedo, ActOpen, ActSave, ActSaveAs,
// DesignCanvas, DesignProperties.
class TfrDesignerWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfrDesignerWindow(TfrReport &report, QWidget *parent = nullptr);
    ~TfrDesignerWindow() override;

    TfrDesignCanvas &Canvas() { return *canvas_; }
    QUndoStack &UndoStack() { return *undo_; }

    // Replaces the page's objects as one undoable step.
    void ChangeObjects(std::vector<TfrView> objects, int select);
    // Adds an object at the page's top-left margin corner and selects it.
    void AddObject(TfrView view);
    // False when the user cancelled the file dialog; errors raise.
    bool Save();
    bool SaveAs();
    void Open();

public slots:
    void reject() override;

private:
    void CreateActions();
    void Refresh();
    void AddPicture();
    TfrView Placed(TfrView view) const;

    TfrReport &report_;
    TfrDesignCanvas *canvas_ = nullptr;
    TfrDesignProperties *properties_ = nullptr;
    QUndoStack *undo_ = nullptr;
};

// The engine's "design report" operation: the designer on the report, modally.
void DesignReport(TfrReport &report, QWidget *parent);
