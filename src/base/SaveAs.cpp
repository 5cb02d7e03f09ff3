// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveAs.h"

#include "Message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>

namespace hw {

namespace {
// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::SaveAs)
};
} // namespace

QString askWhereToSave(QWidget* parent, const SaveAsFile& file, int* chosenFilter) {
    QString start = QDir::home().filePath(file.fileName);
    for (;;) {
        QString chosen;
        // The dialog does not ask about replacing: it would ask about the name
        // as typed, not the file written once the suffix is added.
        QString path = QFileDialog::getSaveFileName(parent, file.title, start, file.filter, &chosen,
                                                    QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty())
            return {};
        if (!path.endsWith(file.suffix, Qt::CaseInsensitive))
            path += file.suffix;
        if (chosenFilter)
            *chosenFilter = std::max(
                0, static_cast<int>(file.filter.split(QStringLiteral(";;")).indexOf(chosen)));
        if (!QFileInfo::exists(path) ||
            ShowMessage(Texts::tr("%1 already exists. Do you want to replace it?")
                            .arg(QDir::toNativeSeparators(path)),
                        MsgYesNo) == AnswerOk)
            return path;
        start = path;
    }
}

void saveAs(QWidget* parent, const SaveAsFile& file,
            const std::function<WriteOutcome(const QString& path, int filter)>& write) {
    int filter = 0;
    const QString path = askWhereToSave(parent, file, &filter);
    if (path.isEmpty())
        return;
    // Either way the user is told where the file went, or did not and why.
    const WriteOutcome outcome = write(path, filter);
    const QString shownPath = QDir::toNativeSeparators(path);
    ShowMessage(outcome ? file.saved.arg(shownPath) : file.notSaved.arg(shownPath, outcome.why),
                MsgOkOnly);
}

WriteOutcome writePdf(QPrinter& printer, const QString& path,
                      const std::function<bool(QPrinter&)>& render) {
    // Printed aside first: the printer writes as it goes, and a failure half
    // way would otherwise leave half a file where the old one was.
    QTemporaryDir aside;
    if (!aside.isValid())
        return WriteOutcome::failed(aside.errorString());
    const QString printed = aside.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    QFile result(printed);
    if (!render(printer) || printer.printerState() == QPrinter::Error ||
        !result.open(QIODevice::ReadOnly) || result.size() == 0)
        return WriteOutcome::failed(Texts::tr("The printing system could not make the PDF."));
    return writeWholeFile(path, result.readAll());
}

} // namespace hw
