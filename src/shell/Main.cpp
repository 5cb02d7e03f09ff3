// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"

#include "MainWindow.h"
#include "base/Message.h"
#include "base/Pictures.h"
#include "base/ScreenRoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

namespace hw {

MainWindow* showMainWindow() {
    auto* window = new MainWindow(QLocale(), nullptr, MainWindow::Pages::AfterFirstPaint);
    // Placed once, at its final size: nothing moves once it is shown.
    centreOnScreen(window);
    window->show();
    return window;
}

void Main(const QString& caseFile) {
    QApplication::setWindowIcon(programIcon());
    MainWindow* window = showMainWindow();
    window->setAttribute(Qt::WA_DeleteOnClose);
    setMessageOwner(window);
    // The hint is centred over the main window, so wait (briefly) until the
    // window manager has placed it.
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ShowMessage(QCoreApplication::translate(
                    "hw::Message",
                    "For more information on any page click on 'Tell Me More' in the Help menu."),
                MsgOkOnly | MsgInformation);
    if (!caseFile.isEmpty())
        window->openCaseFile(caseFile);
}

} // namespace hw
