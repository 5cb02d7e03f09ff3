#include "money/Regional.h"
#include "shell/Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(hw::workingLocale(QLocale::system()));
    QApplication::setApplicationName(QStringLiteral("Hearthwise"));
    // Lets the desktop match the window with the installed hearthwise.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("hearthwise"));
    hw::Main();
    return QApplication::exec();
}
