#include "shell/Message.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hearthwise"));
    hw::Main();
    return QApplication::exec();
}
