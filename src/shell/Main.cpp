#include "Main.h"

#include "Message.h"
#include "Pictures.h"
#include "frmMortgage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

namespace hw {

void Main() {
    QApplication::setWindowIcon(programIcon());
    auto* window = new frmMortgage(QLocale(), nullptr, frmMortgage::Pages::AfterFirstPaint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    setMessageOwner(window);
    window->show();
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
