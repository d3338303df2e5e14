#include "draws/ui/prize_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>

QTableWidget *NewPrizeGrid(QWidget *parent, const char *name, int columns, int rowHeight,
                           std::initializer_list<int> widths, int rows)
{
    auto *grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->horizontalHeader()->setMinimumSectionSize(10);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setFixedHeight(rowHeight + 4);
    int column = 0;
    for (int width : widths)
        grid->setColumnWidth(column++, width);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    QFont small = grid->font();
    small.setPixelSize(std::max(9, rowHeight - 4));
    grid->setFont(small);
    grid->horizontalHeader()->setFont(small);
    return grid;
}

void SetPrizeGridCell(QTableWidget *grid, int row, int column, const QString &text)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignCenter);
            item->setBackground(grid->palette().button());
        } else {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

TPrizeGridDelegate::TPrizeGridDelegate(QObject *parent, TGetText getText, TSetText setText)
    : QStyledItemDelegate(parent), getText_(std::move(getText)), setText_(std::move(setText))
{
}

void TPrizeGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setText(getText_(index.row(), index.column()));
}

void TPrizeGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (!line)
        return;
    // Handled once the editor has closed: an error box shown from here would
    // take the focus from the editor and commit it a second time.
    const QString text = line->text();
    const int row = index.row();
    const int column = index.column();
    QPointer<QObject> alive(parent());
    TSetText setText = setText_;
    QTimer::singleShot(0, parent(), [alive, setText, row, column, text] {
        if (alive)
            setText(row, column, text);
    });
}
