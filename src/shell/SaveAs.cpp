#include "SaveAs.h"

#include "Message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <algorithm>

namespace hw {

void saveAs(QWidget* parent, const SaveAsFile& file,
            const std::function<bool(const QString& path, int filter)>& write) {
    QString chosen;
    QString path = QFileDialog::getSaveFileName(
        parent, file.title, QDir::home().filePath(file.fileName), file.filter, &chosen);
    if (path.isEmpty())
        return;
    if (!path.endsWith(file.suffix, Qt::CaseInsensitive))
        path += file.suffix;
    // Either way the user is told where the file went, or did not.
    const char* const outcome =
        write(path, std::max(0, static_cast<int>(
                                    file.filter.split(QStringLiteral(";;")).indexOf(chosen))))
            ? "The %1 was saved as %2."
            : "The %1 could not be saved as %2.";
    ShowMessage(QCoreApplication::translate("hw::SaveAs", outcome)
                    .arg(file.what, QDir::toNativeSeparators(path)),
                MsgOkOnly);
}

} // namespace hw
