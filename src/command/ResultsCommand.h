#pragma once

#include <QByteArray>
#include <QLocale>
#include <QStringList>
#include <optional>

// The command line's answer to `hearthwise --results FILE [--format csv|json]`:
// the seven types of a saved case, worked out by the core alone, with no
// window system.

namespace hw {

struct CommandOutput {
    int exitCode = 0;
    QByteArray out; // standard output
    QByteArray err; // standard error
};

// Whether `arguments` (the program's name first) ask for a command rather
// than the windows.
bool isCommand(const QStringList& arguments);
// Runs the command: the results as CSV or JSON on standard output and 0; a
// file the program refuses, or a case its pages would stop, gets the window's
// message on standard error and 2; so does a command it does not know.
// Amounts are plain numbers in the currency's decimals of `locale`.
CommandOutput runCommand(const QStringList& arguments, const QLocale& locale);

} // namespace hw
