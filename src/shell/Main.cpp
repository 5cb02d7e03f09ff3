#include "Main.h"

#include "base/Message.h"
#include "base/Pictures.h"
#include "base/ScreenRoom.h"
#include "frmMortgage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

namespace hw {

frmMortgage* showMainWindow() {
    auto* window = new frmMortgage(QLocale(), nullptr, frmMortgage::Pages::AfterFirstPaint);
    // Placed once, at its final size: nothing moves once it is shown.
    centreOnScreen(window);
    window->show();
    return window;
}

void Main() {
    QApplication::setWindowIcon(programIcon());
    frmMortgage* window = showMainWindow();
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
                    "hw::Message", "For more information on any page click on 'Tell Me More' "
                                   "on the top left corner of the menu bar."),
                MsgOkOnly);
}

} // namespace hw
