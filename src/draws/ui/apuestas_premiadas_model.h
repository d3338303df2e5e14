#pragma once

#include <QAbstractTableModel>

class TPremiosEuroMillon;

// The winning bets of the checker's last run, one row per hit in the
// checker's order, read from the checker when a row is drawn: a run of a
// million bets gives millions of rows, which no widget per row could hold.
// Columns: date (dd/mm/yy), bet number (from 1), ticket, category, prize.
// Without hits the table shows one empty row.
class TApuestasPremiadasModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TApuestasPremiadasModel(const TPremiosEuroMillon &premios, QObject *parent);

    // The checker's results changed.
    void Reload();
    // The header texts, columns 0 to 4.
    void SetHeaders(const QStringList &headers);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const TPremiosEuroMillon &premios_;
    QStringList headers_;
    int rows_ = 0; // hits shown
};
