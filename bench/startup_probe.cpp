// Starts Hearthwise as the program does and, once the main window is shown,
// prints "shown" and the peak resident memory so far (VmHWM, in kB), then ends.
// Run by hearthwise_startup, which times it from the outside.

#include "shell/Message.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {
QByteArray peakResident() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "unknown";
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).simplified();
    return "unknown";
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hearthwise"));
    // The start-up hint is answered at once; the window is what is timed.
    hw::setMessageResponder([](const QString&, int) { return 0; });
    hw::Main();
    QTimer::singleShot(0, [] {
        std::printf("shown %s\n", peakResident().constData());
        std::fflush(stdout);
        QApplication::exit(0);
    });
    return QApplication::exec();
}
