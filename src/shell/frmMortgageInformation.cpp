#include "base/Message.h"
#include "frmMortgage.h"
#include "info/LinkOpener.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"

#include <QAction>

// The openers of the information window and the About window.

namespace hw {

void frmMortgage::connectInformation() {
    onAction(mnuMore, [this] { mnuMore_Click(); });
    onAction(mnuAbout, [this] { mnuAbout_Click(); });
    onAction(mnuHandbook, [this] { mnuHandbook_Click(); });
}

void frmMortgage::showHelp(int topic) {
    frmHelp help(this);
    help.Topic = static_cast<std::int16_t>(topic);
    help.exec();
}

void frmMortgage::mnuMore_Click() {
    if (const int topic = page(CurrentStep).helpTopic(); topic >= 0)
        showHelp(topic);
}

void frmMortgage::mnuHandbook_Click() {
    const int result = LinkOpener::open(frmAbout::handbook(), this, [](int code) {
        ShowMessage(frmAbout::errorMessage(code), MsgOkOnly);
    });
    if (result <= frmAbout::NoSuchResult)
        ShowMessage(frmAbout::errorMessage(result), MsgOkOnly);
}

void frmMortgage::mnuAbout_Click() {
    frmAbout about(this);
    about.exec();
}

} // namespace hw
