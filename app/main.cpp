// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Main.h"

#include "base/Language.h"
#include "command/ResultsCommand.h"
#include "money/Regional.h"
#include "results/ReportCommand.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

// `hearthwise --results FILE`: answered with Qt Core alone, no display needed.
// `--report FILE --pdf OUT.pdf` draws with fonts, on Qt's offscreen platform:
// no display is needed, and none is opened where there is one.
int runCommand(int argc, char* argv[], const QStringList& arguments) {
    // Standard error carries the command's own line; Qt's remarks on its
    // surroundings (no XDG_RUNTIME_DIR, say) would bury it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const bool drawing = hw::drawsReport(arguments);
    if (drawing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    const QLocale locale = hw::workingLocale(QLocale::system());
    QLocale::setDefault(locale);
    hw::speak(hw::startingLanguage());
    const hw::CommandOutput output =
        drawing ? hw::runReportCommand(arguments, locale) : hw::runCommand(arguments, locale);
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
    // The words in the language last chosen, or the system's; the figures in the region's forms.
    hw::speak(hw::startingLanguage());
    // The installed menu entry's id (com.vodivudi.Hearthwise.desktop), by which
    // the desktop matches the window with its entry and icon (on Wayland, the
    // window's app id). The entry's StartupWMClass names the window's class,
    // which is the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vodivudi.Hearthwise"));
    hw::Main(std::get<QString>(caseFile));
    return QApplication::exec();
}
