// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "base/Message.h"
#include "info/AboutWindow.h"
#include "info/InformationWindow.h"
#include "info/LinkOpener.h"

#include <QAction>
#include <QDir>

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

namespace {

// Why the handbook did not open, in the household's words, with where it is,
// so that it can still be opened in a browser by hand.
QString handbookNotOpened(int code) {
    const QString path = QDir::toNativeSeparators(AboutWindow::handbook().toLocalFile());
    if (code == LinkOpener::FileNotFound)
        return MainWindow::tr("The handbook is not where Hearthwise looks for it: %1").arg(path);
    return MainWindow::tr("Nothing on this computer could open the handbook. You can open it "
                          "in your web browser: %1")
        .arg(path);
}

} // namespace

void MainWindow::openHandbook() {
    const auto report = [](int code) { ShowMessage(handbookNotOpened(code), MsgOkOnly); };
    const QUrl section = AboutWindow::handbookAt(page(currentStep_).handbookSection());
    if (const int result = LinkOpener::open(section, this, report); result != LinkOpener::Opened)
        report(result);
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.exec();
}

} // namespace hw
