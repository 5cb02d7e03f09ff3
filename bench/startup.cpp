// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly Hearthwise answers, each measured over fresh runs of the program
// and reported as min/median/max: the start to the main window painted, beside
// an empty Qt Widgets main window started in turn with it (and the ratio of the
// medians, which should stay at 1.25 at most) and the same window with a menu
// and a line of text, then
// Next from the rate page to the results painted, Preview to its first page
// and Chart to the chart; and the peak resident memory. On the X server of
// DISPLAY when there is one (scripts/bench.sh starts Xvfb with a window
// manager), otherwise offscreen.
// The first start of all, before the program has remembered its window's
// size, is reported apart.
// Usage: hearthwise_startup [RUNS]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

void summarise(const char* what, std::vector<double> values, const char* unit) {
    if (values.empty())
        return;
    std::sort(values.begin(), values.end());
    std::printf("%-34s min %7.1f  median %7.1f  max %7.1f %s\n", what, values.front(),
                values[values.size() / 2], values.back(), unit);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs =
        std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("10")).toInt());
    const QString probe = QDir(QCoreApplication::applicationDirPath())
                              .filePath(QStringLiteral("hearthwise_startup_probe"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const bool onX = environment.contains(QStringLiteral("DISPLAY"));
    if (!onX)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const QString empty = QDir(QCoreApplication::applicationDirPath())
                              .filePath(QStringLiteral("hearthwise_empty_window"));
    // The time from starting `program` to its first line on standard output, in ms.
    const auto timeToFirstLine = [&environment](QProcess& process, const QString& program,
                                                const QStringList& arguments) {
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        if (!process.waitForReadyRead(30000)) {
            std::fprintf(stderr, "%s did not report: %s\n", qPrintable(program),
                         qPrintable(process.errorString()));
            return -1.0;
        }
        return static_cast<double>(clock.nsecsElapsed()) / 1e6;
    };

    // The window's size is remembered between starts (in the cache folder): the
    // very first start, with nothing remembered, is reported on its own.
    QTemporaryDir cache;
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    // Qt's libraries are read from disk once, by a start not counted.
    QProcess warmUp;
    if (timeToFirstLine(warmUp, empty, {}) < 0 || !warmUp.waitForFinished(30000))
        return 1;
    QProcess first;
    const double firstStart = timeToFirstLine(first, probe, {QStringLiteral("actions")});
    if (firstStart < 0 || !first.waitForFinished(60000))
        return 1;

    std::vector<double> start;
    std::vector<double> emptyStart;
    std::vector<double> textStart;
    std::vector<double> memory;
    std::map<std::string, std::vector<double>> actions;
    for (int run = 0; run < runs; ++run) {
        QProcess yardstick;
        const double emptyPainted = timeToFirstLine(yardstick, empty, {});
        if (emptyPainted < 0 || !yardstick.waitForFinished(30000))
            return 1;
        emptyStart.push_back(emptyPainted);
        QProcess withText;
        const double textPainted = timeToFirstLine(withText, empty, {QStringLiteral("text")});
        if (textPainted < 0 || !withText.waitForFinished(30000))
            return 1;
        textStart.push_back(textPainted);
        QProcess process;
        const double painted = timeToFirstLine(process, probe, {QStringLiteral("actions")});
        if (painted < 0)
            return 1;
        start.push_back(painted);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) {
            std::fprintf(stderr, "the probe did not finish\n");
            return 1;
        }
        for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() < 2)
                continue;
            if (words[0] == "painted")
                memory.push_back(words[1].toDouble() / 1024.0);
            else
                actions[words[0].toStdString()].push_back(words[1].toDouble());
        }
    }
    std::printf("%d runs, %s\n", runs, onX ? "on the X server of DISPLAY" : "offscreen");
    std::printf("%-34s %7.1f ms\n", "first start, nothing remembered", firstStart);
    summarise("start to main window painted", start, "ms");
    summarise("an empty main window, the same", emptyStart, "ms");
    summarise("a menu and a line of text, the same", textStart, "ms");
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    std::printf("%-34s %.2f (at most 1.25)\n", "start against the empty window",
                median(start) / median(emptyStart));
    std::printf("%-34s %.2f\n", "the line of text against it",
                median(textStart) / median(emptyStart));
    summarise("Next, rate page to results", actions["results"], "ms");
    summarise("Preview to its first page", actions["preview"], "ms");
    summarise("Chart to the chart painted", actions["chart"], "ms");
    summarise("Opening a case to its results painted", actions["open"], "ms");
    summarise("Compare with three saved cases painted", actions["compare"], "ms");
    summarise("peak resident memory", memory, "MB");
    return 0;
}
