#include "frmMortgage.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"

#include <QAction>
#include <QPushButton>

// The openers of the information window and the About window.

namespace hw {

namespace {
constexpr int MortgageTypeTopics = 20;
constexpr int RateTypeTopics = 30;
} // namespace

void frmMortgage::connectInformation() {
    onAction(mnuMore, [this] { mnuMore_Click(); });
    onAction(mnuAbout, [this] { mnuAbout_Click(); });
    for (std::size_t i = 0; i < cmdMortgage.size(); ++i)
        onAction(cmdMortgage[i], [this, i] { cmdMortgage_Click(static_cast<int>(i)); });
    for (std::size_t i = 0; i < cmdRates.size(); ++i)
        onAction(cmdRates[i], [this, i] { cmdRates_Click(static_cast<int>(i)); });
}

void frmMortgage::showHelp(int topic) {
    frmHelp help(this);
    help.Topic = static_cast<std::int16_t>(topic);
    help.exec();
}

void frmMortgage::mnuMore_Click() {
    // The closing page has nothing more to tell.
    if (CurrentStep < ClosingStep)
        showHelp(CurrentStep);
}

void frmMortgage::cmdMortgage_Click(int index) {
    showHelp(MortgageTypeTopics + index);
}

void frmMortgage::cmdRates_Click(int index) {
    showHelp(RateTypeTopics + index);
}

void frmMortgage::mnuAbout_Click() {
    frmAbout about(this);
    about.exec();
}

} // namespace hw
