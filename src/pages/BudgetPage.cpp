// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BudgetPage.h"

#include "base/Twips.h"
#include "calc/CaseFields.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hw {

namespace {

const FieldSpec BudgetLeft[] = {
    {.label = captions::Budget[0], .start = 100, .literal = "$100.00"},
    {.label = captions::Budget[1], .start = 100, .literal = "$100.00"},
    {.label = captions::Budget[2], .start = 100, .literal = "$100.00"},
    {.label = captions::Budget[3], .start = 50, .literal = "$50.00"},
};
const FieldSpec BudgetRight[] = {
    {.label = captions::Budget[4], .start = 50, .literal = "$50.00"},
    {.label = captions::Budget[5], .start = 20, .literal = "$20.00"},
    {.label = captions::Budget[6], .start = 30, .literal = "$30.00"},
};

const char* const Guidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "The next step is setting expenses categories, for example; utilities, maintenance, "
    "insurance etc. The categories should mirror the way you really spend your money.\n"
    "Enter the living expenses you pay as bills for the period selected, fortnightly or "
    "monthly, as if you already owned the new house. Leave out rent and the payments on any "
    "existing mortgage.");

} // namespace

BudgetPage::BudgetPage(PageContext& context)
    : StepPage(context, BudgetStep, captions::BudgetTitle, Guidance) {}

void BudgetPage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    auto* periods = new QHBoxLayout;
    period_[0] = b.option(tr("&Fortnightly"));
    period_[1] = b.option(tr("M&onthly"));
    period_[0]->setObjectName(QStringLiteral("optBudget0"));
    period_[1]->setObjectName(QStringLiteral("optBudget1"));
    periods->addWidget(period_[0]);
    periods->addWidget(period_[1]);
    periods->addStretch(1);
    layout->addLayout(periods);
    layout->addSpacing(twips(120));

    auto* grid = PageBuilder::grid();
    b.column(grid, expenses_, BudgetLeft, 0, 0);
    b.column(grid, std::span<NumericField*>(expenses_).subspan(4), BudgetRight, 0, 1);
    const auto total =
        b.totalRow(grid, 4, 3, tr("Monthly Expenditure:"), "$0.00", tr("Monthly expenditure"));
    calculate_ = total.calculate;
    monthly_ = total.total;
    placeFields(layout, grid, calculate_);

    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        group->addButton(period_[static_cast<std::size_t>(i)], i);
        onAction(period_[static_cast<std::size_t>(i)], [this, i] { choosePeriod(i == 0); });
    }
    arrowKeysChooseAmong(group->buttons());
}

void BudgetPage::setUp() {
    Skin::setPressed(period_[0], true);
}

void BudgetPage::choosePeriod(bool fortnightly) {
    setCalculated(false);
    Skin::setPressed(period_[fortnightly ? 0 : 1], true);
    store(context_.entered);
    showTotals();
}

bool BudgetPage::fortnightly() const {
    return Skin::isPressed(period_[0]);
}

bool BudgetPage::calculate() {
    if (!workOutExpenditure(current(), regional(), context_.figures))
        return tooLarge();
    monthly_->setText(regional().currency(context_.figures.shownExpenditure));
    setCalculated(true);
    return true;
}

void BudgetPage::showTotals() {
    CaseFigures figures = context_.figures;
    if (workOutExpenditure(current(), regional(), figures))
        monthly_->setText(regional().currency(figures.shownExpenditure));
}

void BudgetPage::showWorkedOut(const CaseResults& results) {
    if (results.passed(step()))
        monthly_->setText(regional().currency(context_.figures.shownExpenditure));
}

void BudgetPage::store(MortgageCase& value) const {
    for (std::size_t i = 0; i < expenses_.size(); ++i)
        value.budget[i] = expenses_[i]->amount();
    value.fortnightlyBudget = fortnightly();
}

void BudgetPage::load(const MortgageCase& value) {
    for (std::size_t i = 0; i < expenses_.size(); ++i)
        expenses_[i]->show(value.budget[i]);
    Skin::setPressed(period_[value.fortnightlyBudget ? 0 : 1], true);
}

} // namespace hw
