#include "widgets/file_dialog_model.h"

#include "widgets/qt_translations.h"

#include <QDateTime>
#include <QFileSystemModel>

namespace {

enum Column { kName, kSize, kType, kDate };

} // namespace

QVariant TFileDialogModel::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!files || role != Qt::DisplayRole || (index.column() != kSize && index.column() != kDate))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale locale = LocaleInForce();
    if (index.column() == kSize)
        return files->isDir(source) ? QString() : locale.formattedDataSize(files->size(source));
    return locale.toString(files->lastModified(source), QLocale::ShortFormat);
}
