// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChargesPage.h"

#include "base/Twips.h"
#include "calc/CaseFields.h"
#include "calc/Limits.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hw {

namespace {

using enum NumericField::Format;
using enum NumericField::Kind;
using enum NumericField::Tone;

const FieldSpec Costs[] = {
    {.label = QT_TRANSLATE_NOOP("hw::PageBuilder", "Subtotal:"), .kind = Display},
    {.label = captions::ValuationFee, .start = 200, .literal = "$200.00"},
    {.label = captions::LegalFee, .start = 500, .literal = "$500.00"},
    {.label = QT_TRANSLATE_NOOP("hw::PageBuilder", "Total Before Bank Charges:"),
     .kind = Display,
     .tone = Total},
};

const char* const Guidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "Now we need to know what other fees apply to this mortgage.\n"
    "A lender may want a registered valuation of the property, and legal or conveyancing fees "
    "and the bank's own charges apply to most loans. The page starts with typical figures; "
    "yours may differ, so change them to match your case.");

// The bank charges a new case starts with, in per cent.
constexpr double StartingChargesPercent = 1.0;

} // namespace

ChargesPage::ChargesPage(PageContext& context)
    : StepPage(context, ChargesStep, captions::ChargesTitle, Guidance) {}

void ChargesPage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    auto* grid = PageBuilder::grid();
    std::array<NumericField*, 4> costs{};
    b.column(grid, costs, Costs, 0, 0);
    subtotal_ = costs[0];
    valuation_ = costs[1];
    legal_ = costs[2];
    beforeBank_ = costs[3];

    // Bank charges: each figure in the field column, ending where the others
    // do, with the button that chooses it beside it, as Calculate stands
    // beside the total.
    grid->addWidget(
        b.caption(QCoreApplication::translate("hw::PageBuilder", captions::BankCharges)), 4, 0);
    // Made in reading order, which the Tab key follows.
    percent_ = new NumericField(Percentage, regional(), panel);
    percent_->show(StartingChargesPercent);
    b.fitWidth(percent_, Percentage);
    percent_->setAccessibleName(tr("Bank charges percentage"));
    modeButtons_[0] = b.option(tr("&Percent"));
    amount_ = new NumericField(Amount, regional(), panel);
    amount_->setText(b.startAmount(0, "0.00"));
    b.fitWidth(amount_, Amount);
    amount_->setAccessibleName(tr("Bank charges amount"));
    modeButtons_[1] = b.option(tr("&Fixed Amount"));
    grid->addWidget(percent_, 4, 1, Qt::AlignRight);
    grid->addWidget(modeButtons_[0], 4, 2, Qt::AlignLeft);
    grid->addWidget(amount_, 5, 1, Qt::AlignRight);
    grid->addWidget(modeButtons_[1], 5, 2, Qt::AlignLeft);
    adopt(percent_);
    adopt(amount_);
    const QString caption = tr("Total:");
    const auto total = b.totalRow(grid, 6, 1, caption, "$0.00", caption.chopped(1));
    calculate_ = total.calculate;
    totalShown_ = total.total;
    placeFields(layout, grid, calculate_);

    for (NumericField* fee : {subtotal_, valuation_, legal_})
        connect(fee, &NumericField::committed, this, [this] { refreshBeforeBank(); });
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        group->addButton(modeButtons_[static_cast<std::size_t>(i)], i);
        onAction(modeButtons_[static_cast<std::size_t>(i)], [this, i] {
            chooseMode(i == 0 ? ChargesMode::Percent : ChargesMode::FixedAmount);
        });
    }
    arrowKeysChooseAmong(group->buttons());
}

void ChargesPage::forgetWorkedOut(MortgageCase& value) const {
    // In percent mode the amount is worked out from the percentage.
    if (value.chargesMode == ChargesMode::Percent)
        value.chargesAmount = Currency();
}

void ChargesPage::setUp() {
    setMode(ChargesMode::Percent);
}

ChargesMode ChargesPage::mode() const {
    // The field the user types the bank charges into tells the mode.
    return amount_->isDisplay() ? ChargesMode::Percent : ChargesMode::FixedAmount;
}

void ChargesPage::setMode(ChargesMode mode) {
    const bool percent = mode == ChargesMode::Percent;
    percent_->setKind(percent ? NumericField::Kind::Input : NumericField::Kind::Display);
    amount_->setKind(percent ? NumericField::Kind::Display : NumericField::Kind::Input);
    Skin::setPressed(modeButtons_[percent ? 0 : 1], true);
}

void ChargesPage::chooseMode(ChargesMode chosen) {
    if (chosen == ChargesMode::Percent) {
        setMode(ChargesMode::Percent);
        percent_->takeFocus();
    } else if (mode() == ChargesMode::FixedAmount || withinHighestPercent(percent_->figure())) {
        // Already in Fixed Amount mode, the percentage is only what the amount gives.
        setMode(ChargesMode::FixedAmount);
        amount_->takeFocus();
    } else {
        Skin::setPressed(modeButtons_[0], true);
        refuse(refusals::BankChargesTooHigh, percent_);
    }
    store(context_.entered);
}

ChargesFigures ChargesPage::figures() const {
    // What the page worked out last, with the fees and bank charges as the household gives them.
    ChargesFigures page = chargesOnEntry(current());
    page.subtotal = shown_.subtotal;
    page.beforeBank = shown_.beforeBank;
    page.total = shown_.total;
    return page;
}

void ChargesPage::showFigures(const ChargesFigures& page) {
    const std::pair<NumericField*, Currency> amounts[] = {{subtotal_, page.subtotal},
                                                          {valuation_, page.valuation},
                                                          {legal_, page.legal},
                                                          {beforeBank_, page.beforeBank},
                                                          {amount_, page.amount}};
    // Only changed figures are written, so that no field reports a change it did not have.
    for (const auto& [field, amount] : amounts)
        if (field->text() != regional().currency(amount))
            field->show(amount);
    if (percent_->text() != regional().percent(page.percent / 100.0))
        percent_->show(page.percent);
    shown_ = page;
    totalShown_->setText(regional().currency(page.total));
}

void ChargesPage::showWorkedOut(const CaseResults& results) {
    showFigures(results.charges);
}

void ChargesPage::refreshBeforeBank() {
    if (calculated())
        return;
    if (const auto total = totalBeforeBank(figures()))
        beforeBank_->show(*total);
}

bool ChargesPage::prepare() {
    ChargesFigures page = figures();
    if (!setUpCharges(page, context_.figures.requirement, mode(), regional()))
        return tooLarge();
    showFigures(page);
    return true;
}

bool ChargesPage::validate() {
    return !refused(checkCharges(current(), figures()));
}

NumericField* ChargesPage::fieldAt(PageField field) {
    return field.index == 0 ? percent_ : amount_;
}

bool ChargesPage::calculate() {
    if (!validate())
        return false;
    ChargesFigures page = figures();
    const auto outcome =
        hw::calculateCharges(page, mode(), context_.figures.propertyValue, regional());
    if (!outcome)
        return tooLarge();
    showFigures(page);
    context_.figures.requirement = outcome->requirement;
    context_.figures.loanValueRatio = outcome->loanValueRatio;
    setCalculated(true);
    return true;
}

void ChargesPage::repair() {
    if (!withinHighestPercent(percent_->figure()))
        percent_->show(StartingChargesPercent);
}

void ChargesPage::store(MortgageCase& value) const {
    value.valuationFee = valuation_->amount();
    value.legalFee = legal_->amount();
    value.chargesMode = mode();
    value.chargesPercent = percent_->figure();
    value.chargesAmount = amount_->amount();
}

void ChargesPage::load(const MortgageCase& value) {
    shown_ = ChargesFigures();
    valuation_->show(value.valuationFee);
    legal_->show(value.legalFee);
    setMode(value.chargesMode);
    percent_->show(value.chargesPercent);
    amount_->show(value.chargesAmount);
}

} // namespace hw
