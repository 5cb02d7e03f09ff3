// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentPageStack.h"
#include "MainWindow.h"
#include "entry/NumericField.h"
#include "look/Skin.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

// The step machine: Next, Back and ShowStep. Each page does its own work
// through the StepPage interface.

namespace hw {

void MainWindow::goNext() {
    StepPage& leaving = page(currentStep_);
    if (leaving.furniture().last || !leaving.leave(StepPage::Way::Next))
        return;
    const int target = nextStep(currentStep_, context_.purpose());
    if (!page(target).arrive())
        return;
    showStep(target);
}

void MainWindow::goBack() {
    StepPage& leaving = page(currentStep_);
    if (leaving.furniture().first)
        return;
    leaving.leave(StepPage::Way::Back);
    showStep(previousStep(currentStep_, context_.purpose()));
}

void MainWindow::showPlace() {
    const PlaceOnPath where = placeOnPath(currentStep_, context_.purpose());
    const QString name = page(currentStep_).name();
    placeLabel_->setText(tr("Step %1 of %2: %3").arg(where.place).arg(where.count).arg(name));
    stepPanels_[static_cast<std::size_t>(currentStep_)]->setAccessibleName(
        tr("%1, step %2 of %3").arg(name).arg(where.place).arg(where.count));
}

void MainWindow::placeBackButton(bool atNextPlace) {
    buttonRow_->removeWidget(backButton_);
    buttonRow_->addWidget(backButton_, 0, atNextPlace ? 3 : 2);
}

namespace {
// The first control of `panel` that the Tab key stops at.
QWidget* firstStopIn(QWidget* panel) {
    for (QWidget* w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain())
        if (panel->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(panel))
            return w;
    return nullptr;
}
} // namespace

void MainWindow::focusEntryOf(int step) {
    QWidget* first = page(step).focusOnEntry();
    if (!first)
        first = firstStopIn(stepPanels_[static_cast<std::size_t>(step)]);
    if (auto* field = qobject_cast<NumericField*>(first))
        field->takeFocus();
    else if (first)
        first->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showStep(int target) {
    buildRemainingPages();
    QWidget* entering = stepPanels_[static_cast<std::size_t>(target)];
    entering->setEnabled(true);
    // The focus goes straight to the entering page: left on the page going
    // away, it would pass through Exit and the new page's first control as
    // that page hides, and a screen reader would read each of them.
    if (QWidget* focus = focusWidget();
        focus && stepPanels_[static_cast<std::size_t>(currentStep_)]->isAncestorOf(focus))
        focusEntryOf(target);
    steps_->setCurrentWidget(entering);
    // The scroll area gives the page its room now, before anything reads its layout.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (target != currentStep_)
        stepPanels_[static_cast<std::size_t>(currentStep_)]->setEnabled(false);

    // The furniture the page asks for: no Back on the first page; on the
    // last, no Next and Back in its place.
    const StepPage::Furniture around = page(target).furniture();
    backButton_->setVisible(!around.first);
    backButton_->setEnabled(!around.first);
    nextButton_->setVisible(!around.last);
    nextButton_->setEnabled(!around.last);
    placeBackButton(around.last);
    Skin::applyTo(backButton_, Skin::Element::Button);
    Skin::applyTo(nextButton_, Skin::Element::Button);

    currentStep_ = target;
    // The title names the page shown; a screen reader announces it as it changes.
    refreshTitle();
    showPlace();
    page(target).enterPage();
}

} // namespace hw
