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
    QString filter; // "PDF files (*.pdf)"
    QString what;
};

// Asks where to save, adds the suffix if it is missing, writes the file and
// says in the message box where it went (or that it could not be written).
void saveAs(QWidget* parent, const SaveAsFile& file,
            const std::function<bool(const QString&)>& write);

} // namespace hw
