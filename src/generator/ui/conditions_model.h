#pragma once

#include <QAbstractTableModel>

class TEuroMillonGeneraComb;

// The generator window's condition grid: one row per condition of the
// settings, in list order, with the columns block, name, passes and passes
// per possible bet. Inactive conditions are italic in grey; the counters are
// right-aligned in black only while they belong to the last run, otherwise
// centred in grey.
class TConditionsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Widths in pixels of the four columns.
    static constexpr int kColumnWidths[4] = {20, 290, 50, 40};

    TConditionsModel(TEuroMillonGeneraComb &generacion, const bool &estadisticasValidas,
                     QObject *parent = nullptr);

    // Reads the settings again.
    void Refresh();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString Text(int row, int column) const;

    TEuroMillonGeneraComb &generacion_;
    const bool &estadisticasValidas_;
};
