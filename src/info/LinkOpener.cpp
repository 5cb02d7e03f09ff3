// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace hw::LinkOpener {

namespace {
QString& program() {
    static QString name = QStringLiteral("xdg-open");
    return name;
}
// xdg-open's exit codes: 2 a file that does not exist; any other failure, no way to open it.
int codeOfExit(int exitCode) {
    return exitCode == 2 ? FileNotFound : NoAssociation;
}
} // namespace

void setProgram(const QString& name) {
    program() = name;
}

int open(const QUrl& url, QObject* context, std::function<void(int)> failed) {
    if (!url.isValid() || url.isEmpty())
        return FileNotFound;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return FileNotFound;
    const QString opener =
        program().isEmpty() ? QString() : QStandardPaths::findExecutable(program());
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url) ? Opened : NoAssociation;

    // The opener may stay until the browser it started ends, so it is not waited
    // for: it belongs to the application, and its answer arrives when it exits.
    auto* process = new QProcess(QCoreApplication::instance());
    const QPointer<QObject> asker(context);
    const auto report = [process, asker, failed](int code) {
        process->deleteLater();
        if (asker && code != Opened)
            failed(code);
    };
    QObject::connect(
        process, &QProcess::finished, process, [report](int exitCode, QProcess::ExitStatus status) {
            report(status == QProcess::NormalExit && exitCode == 0 ? Opened : codeOfExit(exitCode));
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [report](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             report(NoAssociation);
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
    return Opened;
}

} // namespace hw::LinkOpener
