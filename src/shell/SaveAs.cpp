#include "SaveAs.h"

#include "Message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace hw {

void saveAs(QWidget* parent, const SaveAsFile& file,
            const std::function<bool(const QString&)>& write) {
    QString path = QFileDialog::getSaveFileName(parent, file.title,
                                                QDir::home().filePath(file.fileName), file.filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(file.suffix, Qt::CaseInsensitive))
        path += file.suffix;
    if (!write(path))
        ShowMessage(QCoreApplication::translate("hw::SaveAs", "The %1 could not be saved as %2.")
                        .arg(file.what, QDir::toNativeSeparators(path)),
                    MsgOkOnly);
}

} // namespace hw
