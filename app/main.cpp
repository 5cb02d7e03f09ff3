// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Main.h"

#include "command/ResultsCommand.h"
#include "money/Regional.h"

#include <QApplication>
#include <cstdio>

namespace {

// `hearthwise --results FILE`: answered with Qt Core alone, no display needed.
int runCommand(int argc, char* argv[], const QStringList& arguments) {
    const QCoreApplication app(argc, argv);
    const QLocale locale = hw::workingLocale(QLocale::system());
    QLocale::setDefault(locale);
    const hw::CommandOutput output = hw::runCommand(arguments, locale);
    std::fwrite(output.out.constData(), 1, static_cast<std::size_t>(output.out.size()), stdout);
    std::fwrite(output.err.constData(), 1, static_cast<std::size_t>(output.err.size()), stderr);
    // A full disk or a closed pipe is a failure, not a silent success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return output.exitCode == 0 ? 1 : output.exitCode;
    return output.exitCode;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (hw::isCommand(arguments))
        return runCommand(argc, argv, arguments);

    QApplication app(argc, argv);
    // What is left once Qt has taken its own options (-style, -platform ...).
    const auto caseFile = hw::caseToOpen(QApplication::arguments());
    if (const auto* refused = std::get_if<hw::CommandOutput>(&caseFile)) {
        std::fwrite(refused->err.constData(), 1, static_cast<std::size_t>(refused->err.size()),
                    stderr);
        return refused->exitCode;
    }
    QLocale::setDefault(hw::workingLocale(QLocale::system()));
    QApplication::setApplicationName(QStringLiteral("Hearthwise"));
    // The installed menu entry's id (com.vodivudi.Hearthwise.desktop), by which
    // the desktop matches the window with its entry and icon (on Wayland, the
    // window's app id). The entry's StartupWMClass names the window's class,
    // which is the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vodivudi.Hearthwise"));
    hw::Main(std::get<QString>(caseFile));
    return QApplication::exec();
}
