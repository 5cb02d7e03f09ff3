#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace hw {

// What a "save as" writes: its title, the name it offers in the user's home
// folder, its file type and what the file holds ("report", "schedule").
struct SaveAsFile {
    QString title;
    QString fileName;
    QString suffix; // ".pdf"
    QString filter; // "PDF files (*.pdf)", or several separated by ";;"
    QString what;
};

// Asks where to save, adds the suffix if it is missing, writes the file and
// says in the message box where it went (or that it could not be written).
// `write` is given the path and the index of the filter the user chose.
void saveAs(QWidget* parent, const SaveAsFile& file,
            const std::function<bool(const QString& path, int filter)>& write);

} // namespace hw
