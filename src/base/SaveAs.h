// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/WholeFile.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace hw {

// What a "save as" writes: its title, the name it offers, its file type and
// what the file holds ("report", "schedule").
struct SaveAsFile {
    QString title;
    QString fileName; // in the user's home folder, or a whole path
    QString suffix;   // ".pdf"
    QString filter;   // "PDF files (*.pdf)", or several separated by ";;"
    // What is said once the file is written (%1 its path), and when it could
    // not be (%1 its path, %2 why): whole sentences, each language's own.
    QString saved;
    QString notSaved;
};

// Asks where to save and answers the path that will be written, its suffix
// added where it is missing; empty when the user cancelled. Where that file
// exists, the user is asked whether to replace it (whatever name was typed,
// the question names the file written); No asks where again. `chosenFilter`
// is the index of the filter the user chose.
QString askWhereToSave(QWidget* parent, const SaveAsFile& file, int* chosenFilter = nullptr);

// Asks where to save, writes the file and says in the message box where it
// went, or that it could not be written and why. `write` is given the path and
// the index of the filter the user chose.
void saveAs(QWidget* parent, const SaveAsFile& file,
            const std::function<WriteOutcome(const QString& path, int filter)>& write);

// Prints `render` on `printer` as a PDF and writes it whole to `path`: a
// printing or writing failure leaves any old file at `path` as it was.
WriteOutcome writePdf(QPrinter& printer, const QString& path,
                      const std::function<bool(QPrinter&)>& render);

} // namespace hw
