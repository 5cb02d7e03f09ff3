#include "MainWindow.h"
#include "base/Message.h"
#include "info/AboutWindow.h"
#include "info/InformationWindow.h"
#include "info/LinkOpener.h"

#include <QAction>

// The openers of the information window and the About window.

namespace hw {

void MainWindow::connectInformation() {
    onAction(moreAction_, [this] { showMoreInformation(); });
    onAction(aboutAction_, [this] { showAbout(); });
    onAction(handbookAction_, [this] { openHandbook(); });
}

void MainWindow::showHelp(int topic) {
    InformationWindow help(this);
    help.setTopic(topic);
    help.exec();
}

void MainWindow::showMoreInformation() {
    if (const int topic = page(currentStep_).helpTopic(); topic >= 0)
        showHelp(topic);
}

void MainWindow::openHandbook() {
    const int result = LinkOpener::open(AboutWindow::handbook(), this, [](int code) {
        ShowMessage(AboutWindow::errorMessage(code), MsgOkOnly);
    });
    if (result <= AboutWindow::NoSuchResult)
        ShowMessage(AboutWindow::errorMessage(result), MsgOkOnly);
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.exec();
}

} // namespace hw
