// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: an empty Qt Widgets main window,
// started the same way, reporting "painted" at its first paint and leaving.
// Given "text", the window has a menu and a line of text: the least a window
// that shows any text pays for its fonts before it is first painted.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

namespace {

class EmptyWindow : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override {
        QMainWindow::paintEvent(event);
        if (reported_)
            return;
        reported_ = true;
        std::printf("painted\n");
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    bool reported_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    EmptyWindow window;
    if (QApplication::arguments().contains(QStringLiteral("text"))) {
        window.menuBar()->addAction(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("A line of text on the window")));
    }
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
