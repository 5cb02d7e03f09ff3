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
    // Either way the user is told where the file went, or did not.
    const char* const outcome =
        write(path) ? "The %1 was saved as %2." : "The %1 could not be saved as %2.";
    ShowMessage(QCoreApplication::translate("hw::SaveAs", outcome)
                    .arg(file.what, QDir::toNativeSeparators(path)),
                MsgOkOnly);
}

} // namespace hw
