// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WholeFile.h"

#include <QSaveFile>
#include <cerrno>

namespace hw {

namespace {
// Why `file` failed: the system's reason where it gave one (Qt's own string is
// "Unknown error" for a short write or a failed flush), else Qt's.
QString reason(const QSaveFile& file, int code) {
    return code != 0 ? qt_error_string(code) : file.errorString();
}
} // namespace

WriteOutcome writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return WriteOutcome::failed(file.errorString());
    // The write is buffered: only the flush meets a full disk, and commit()
    // would not notice its failure, so it is checked here.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = reason(file, errno);
        file.cancelWriting();
        return WriteOutcome::failed(why);
    }
    errno = 0;
    if (!file.commit())
        return WriteOutcome::failed(reason(file, errno));
    return {};
}

} // namespace hw
