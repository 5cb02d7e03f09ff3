#include "CurrentPageStack.h"
#include "Message.h"
#include "frmMortgage.h"
#include "look/Skin.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

// The step machine: Next, Back, the purpose buttons and ShowStep.

namespace hw {

void frmMortgage::cmdNext_Click() {
    if (CurrentStep >= ClosingStep)
        return;
    if (!ValidateStep())
        return;
    const int step = CurrentStep;
    if (!PageCalculated && !runPageCalculate(step))
        return;

    if (step == LiabilitiesStep && needsDebts(Purpose) && TotalLiabilities <= Currency()) {
        ShowMessage(tr("If you are refinancing your debt must be over $0!"), MsgOkOnly);
        return;
    }
    if (isRequirementStep(step) &&
        amountOf(txtTotal[static_cast<std::size_t>(Purpose)]) <= Currency()) {
        ShowMessage(tr("The amount you want to borrow must be over $0!"), MsgOkOnly);
        return;
    }

    if (step == OpeningStep)
        optPurpose[0]->setEnabled(true);
    else if (step == PurposeStep)
        prepareOwnedHomeFields(txtAssets[0], txtAssets[1]);
    else if (step == AssetsStep)
        prepareOwnedHomeFields(txtLiabilities[0], txtLiabilities[1]);
    else if (step == BudgetStep)
        preparePurposePage();
    else if (step == requirementStep(Purpose) && !prepareChargesPage())
        return;
    else if (step == ChargesStep)
        BuildSummary();
    else if (step == RateStep)
        Calculate();

    TargetStep = static_cast<std::int16_t>(nextStep(step, Purpose));
    ShowStep();
}

void frmMortgage::cmdBack_Click() {
    if (CurrentStep <= OpeningStep)
        return;
    repairPercentages();
    TargetStep = static_cast<std::int16_t>(previousStep(CurrentStep, Purpose));
    ShowStep();
}

void frmMortgage::optPurpose_Click(int index) {
    Skin::setPressed(optPurpose[static_cast<std::size_t>(index)], true);
    Purpose = static_cast<std::int16_t>(index);
}

void frmMortgage::placeBackButton(bool atNextPlace) {
    buttonRow_->removeWidget(cmdBack);
    buttonRow_->addWidget(cmdBack, 0, atNextPlace ? 3 : 2);
}

void frmMortgage::ShowStep() {
    if (!TargetStep)
        return;
    buildRemainingPages();
    const int target = *TargetStep;
    QWidget* entering = fraStep[static_cast<std::size_t>(target)];
    entering->setEnabled(true);
    steps_->setCurrentWidget(entering);
    // The scroll area gives the page its room now, before anything reads its
    // layout; a page only passed through while a case opens is never shown.
    if (!openingCase_)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (target != CurrentStep)
        fraStep[static_cast<std::size_t>(CurrentStep)]->setEnabled(false);

    if (target == OpeningStep) {
        cmdBack->setVisible(false);
        cmdBack->setEnabled(false);
    } else {
        Skin::applyTo(cmdBack, Skin::Element::Button);
        cmdBack->setVisible(true);
        cmdBack->setEnabled(true);
    }
    if (target == ClosingStep) {
        cmdNext->setVisible(false);
        placeBackButton(true);
        Skin::applyTo(cmdBack, Skin::Element::Button);
    } else if (target == ResultsStep) {
        placeBackButton(false);
        Skin::applyTo(cmdBack, Skin::Element::Button);
        Skin::applyTo(cmdNext, Skin::Element::Button);
        cmdNext->setVisible(true);
        cmdNext->setEnabled(true);
    }

    CurrentStep = static_cast<std::int16_t>(target);
    // The title names the page shown; a screen reader announces it as it changes.
    refreshTitle();
    // A page just entered has not been calculated, whatever the page before it was.
    PageCalculated = false;

    if (target == PurposeStep) {
        Skin::setPressed(optPurpose[static_cast<std::size_t>(Purpose)], true);
    } else if (target == ResultsStep) {
        sknpnMortgage->setText(tr("Amount borrowed:  ") + regional_.currency(MortgageRequirement) +
                               tr("  at  ") + txtRate[0]->text());
    } else if (NumericField* field = entryFocusOf(target)) {
        field->takeFocus();
    }
}

} // namespace hw
