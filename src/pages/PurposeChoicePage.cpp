// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PurposeChoicePage.h"

#include "base/Twips.h"
#include "calc/CaseFields.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace hw {

namespace {

const char* const Guidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "First we need to determine the purpose for your mortgage. Please select the option "
    "below that best represents your mortgage requirement.");

} // namespace

QString purposeCaption(int purpose) {
    return QCoreApplication::translate("hw::PurposeChoicePage",
                                       captions::Purposes[static_cast<std::size_t>(purpose)].name);
}

PurposeChoicePage::PurposeChoicePage(PageContext& context)
    : StepPage(context, PurposeStep, nullptr, Guidance) {}

void PurposeChoicePage::build(QWidget* panel, QVBoxLayout* layout) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(twips(480));
    grid->setVerticalSpacing(twips(180));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < PurposeCount; ++i) {
        auto* button = new OptionButton(purposeCaption(i), panel);
        button->setObjectName(QStringLiteral("optPurpose%1").arg(i));
        button->setMinimumHeight(twips(540));
        Skin::applyTo(button, Skin::Element::Option);
        group->addButton(button, i);
        // Buttons 0 to 4 form the left column, 5 to 8 the right one.
        grid->addWidget(button, i < 5 ? i : i - 5, i < 5 ? 0 : 1);
        onAction(button, [this, i] { choose(i); });
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    // The arrow keys go through both columns, as through one group of radio buttons.
    arrowKeysChooseAmong(group->buttons());
    layout->addSpacing(twips(240));
    layout->addLayout(grid);
    layout->addStretch(1);
}

void PurposeChoicePage::setUp() {
    buttons_[0]->setEnabled(false);
}

bool PurposeChoicePage::prepare() {
    buttons_[0]->setEnabled(true);
    return true;
}

QWidget* PurposeChoicePage::focusOnEntry() {
    return button(context_.purpose());
}

void PurposeChoicePage::enter() {
    Skin::setPressed(button(context_.purpose()), true);
}

void PurposeChoicePage::choose(int purpose) {
    Skin::setPressed(button(purpose), true);
    context_.entered.purpose = purpose;
}

void PurposeChoicePage::store(MortgageCase& value) const {
    value.purpose = context_.purpose();
}

} // namespace hw
