// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/CaseResults.h"

#include <QByteArray>
#include <QLocale>
#include <QStringList>
#include <optional>
#include <variant>

// The command line's answer to `hearthwise --results FILE [--format csv|json]`:
// the seven types of a saved case, worked out by the core alone, with no
// window system; `--version` and `--help` likewise. `--report FILE --pdf OUT`
// is read here and drawn by the windows' library (results/ReportCommand.h).

namespace hw {

struct CommandOutput {
    int exitCode = 0;
    QByteArray out; // standard output
    QByteArray err; // standard error
};

// What the command line asks for.
struct CommandRequest {
    QString casePath;
    bool json = false;   // --format json
    bool report = false; // --report FILE rather than --results FILE
    QString pdfPath;     // --pdf OUT.pdf
    bool chart = false;  // --chart
};

// Whether `arguments` (the program's name first) ask for a command rather
// than the windows.
bool isCommand(const QStringList& arguments);
// Whether the command draws the report, which needs the windows' library
// (though never a display).
bool drawsReport(const QStringList& arguments);
// The request, or the answer when there is nothing to work out: the help, the
// version, or a line on standard error and 2 for what is not understood.
std::variant<CommandRequest, CommandOutput> commandRequest(const QStringList& arguments);
// The saved case at `path` worked out, or the line refusing it (the window's
// message for a file it refuses, the page and field where the pages stop it).
std::variant<CaseResults, CommandOutput> workOutCaseAt(const QString& path,
                                                       const Regional& regional,
                                                       Schedules schedules = Schedules::Without);
// The case file a start of the windows names (empty for none), or, for an
// option the program does not know or more than one file, the refusal: a line
// on standard error and 2. Qt's own options are taken out before.
std::variant<QString, CommandOutput> caseToOpen(const QStringList& arguments);
// Runs the command: the results as CSV or JSON on standard output and 0; a
// file the program refuses, or a case its pages would stop, gets the window's
// message on standard error and 2; so does a command it does not know.
// Amounts are plain numbers in the currency's decimals of `locale`.
CommandOutput runCommand(const QStringList& arguments, const QLocale& locale);

} // namespace hw
