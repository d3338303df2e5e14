#pragma once

#include <QStyledItemDelegate>

#include <functional>
#include <initializer_list>

class QTableWidget;

// The prize tables of the draw windows: one row per prize category under a
// header row, the category in a first column drawn as a fixed one.

// A table of one row per category (12 in the classic game, 13 today) and the
// given columns, rows of the given height, whole rows selected and nothing
// editable until the caller says otherwise.
QTableWidget *NewPrizeGrid(QWidget *parent, const char *name, int columns, int rowHeight,
                           std::initializer_list<int> widths, int rows = 12);
// Sets a cell's text, creating its item: column 0 centred and not editable,
// the others right-aligned.
void SetPrizeGridCell(QTableWidget *grid, int row, int column, const QString &text);

// In-place editing through the owner: the editor opens with the text the
// owner offers, and the text is handed back once, after the editor closed,
// for the owner to store and redraw; the delegate itself writes nothing.
class TPrizeGridDelegate : public QStyledItemDelegate {
public:
    using TGetText = std::function<QString(int row, int column)>;
    using TSetText = std::function<void(int row, int column, const QString &text)>;

    TPrizeGridDelegate(QObject *parent, TGetText getText, TSetText setText);

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    TGetText getText_;
    TSetText setText_;
};
