#pragma once

#include <QIdentityProxyModel>

// Sits between a file dialog and its file system model so that sizes and
// dates read in the language in force: Qt's model formats them in the
// desktop session's locale whatever the program's language.
class TFileDialogModel : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
