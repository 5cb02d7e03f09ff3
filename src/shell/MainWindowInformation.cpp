#include "MainWindow.h"
#include "base/Message.h"
#include "info/AboutWindow.h"
#include "info/InformationWindow.h"
#include "info/LinkOpener.h"

#include <QAction>

// The openers of the information window and the About window.

namespace hw {

void MainWindow::connectInformation() {
    onAction(mnuMore, [this] { mnuMore_Click(); });
    onAction(mnuAbout, [this] { mnuAbout_Click(); });
    onAction(mnuHandbook, [this] { mnuHandbook_Click(); });
}

void MainWindow::showHelp(int topic) {
    InformationWindow help(this);
    help.Topic = static_cast<std::int16_t>(topic);
    help.exec();
}

void MainWindow::mnuMore_Click() {
    if (const int topic = page(CurrentStep).helpTopic(); topic >= 0)
        showHelp(topic);
}

void MainWindow::mnuHandbook_Click() {
    const int result = LinkOpener::open(AboutWindow::handbook(), this, [](int code) {
        ShowMessage(AboutWindow::errorMessage(code), MsgOkOnly);
    });
    if (result <= AboutWindow::NoSuchResult)
        ShowMessage(AboutWindow::errorMessage(result), MsgOkOnly);
}

void MainWindow::mnuAbout_Click() {
    AboutWindow about(this);
    about.exec();
}

} // namespace hw
