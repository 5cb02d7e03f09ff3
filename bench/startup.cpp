// Times Hearthwise from process start to its main window shown, on the offscreen
// platform, and reports the peak resident memory of each run.
// Usage: hearthwise_startup [RUNS]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs =
        std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("10")).toInt());
    const QString probe = QDir(QCoreApplication::applicationDirPath())
                              .filePath(QStringLiteral("hearthwise_startup_probe"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    std::vector<double> milliseconds;
    std::vector<long> kilobytes;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(probe, {});
        if (!process.waitForReadyRead(30000)) {
            std::fprintf(stderr, "the probe did not report: %s\n",
                         qPrintable(process.errorString()));
            return 1;
        }
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const QList<QByteArray> words = process.readLine().simplified().split(' ');
        process.waitForFinished(30000);
        if (words.value(0) != "shown")
            return 1;
        milliseconds.push_back(elapsed);
        kilobytes.push_back(words.value(1).toLong());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("start-up to main window shown, %d runs: median %.1f ms, slowest %.1f ms\n", runs,
                milliseconds[milliseconds.size() / 2], milliseconds.back());
    std::printf("peak resident memory: largest %.1f MB\n",
                static_cast<double>(*std::max_element(kilobytes.begin(), kilobytes.end())) /
                    1024.0);
    return 0;
}
