// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IncomePage.h"

#include "base/Twips.h"
#include "calc/CaseFields.h"
#include "calc/Limits.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hw {

namespace {

using enum NumericField::Format;
using enum NumericField::Kind;

const FieldSpec IncomeRows[3][3] = {
    {{.label = captions::Income[0], .start = 60000, .literal = "$60000.00"},
     {.label = captions::TaxRate, .format = Percentage, .start = 15, .literal = nullptr},
     {.label = QT_TRANSLATE_NOOP("hw::PageBuilder", "After Tax:"), .kind = Display}},
    {{.label = captions::Income[1]},
     {.label = captions::TaxRate, .format = Percentage, .literal = nullptr},
     {.label = QT_TRANSLATE_NOOP("hw::PageBuilder", "After Tax:"), .kind = Display}},
    {{.label = captions::Income[2]},
     {.label = captions::TaxRate, .format = Percentage, .literal = nullptr},
     {.label = QT_TRANSLATE_NOOP("hw::PageBuilder", "After Tax:"), .kind = Display}},
};

const char* const Guidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "The first step in developing a budget is calculating total annual income. Multiply your "
    "pay by the number of pay periods in a year: 52 if you are paid weekly, 26 if you are paid "
    "fortnightly. If you are self-employed, use your lowest pay of the last six to twelve "
    "months.\n"
    "Then add any other income you receive, such as dividends, the pay from a second job or "
    "the rent from a property.");

} // namespace

IncomePage::IncomePage(PageContext& context)
    : StepPage(context, IncomeStep, captions::IncomeTitle, Guidance) {}

void IncomePage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    auto* grid = PageBuilder::grid();
    for (std::size_t row = 0; row < Rows; ++row) {
        const int r = static_cast<int>(row);
        gross_[row] = b.field(grid, r, 0, IncomeRows[row][0]);
        taxRate_[row] = b.field(grid, r, 1, IncomeRows[row][1]);
        afterTax_[row] = b.field(grid, r, 2, IncomeRows[row][2]);
        // The tax rate and after-tax fields of the three rows share their labels:
        // the row's income tells them apart.
        const QString income = gross_[row]->accessibleName().chopped(1);
        taxRate_[row]->setAccessibleName(tr("%1, tax rate").arg(income));
        afterTax_[row]->setAccessibleName(tr("%1, after tax").arg(income));
    }
    // The monthly figures below the yearly ones they come from, Calculate beside
    // the monthly income after tax it works out, as on the other pages.
    calculate_ = b.button(tr("&Calculate"));
    monthlyGross_ = b.total(b.startAmount(0, "$0.00"), false);
    monthlyAfterTax_ = b.total(b.startAmount(0, "$0.00"), true);
    monthlyGross_->setAccessibleName(tr("Monthly gross taxable income"));
    monthlyAfterTax_->setAccessibleName(tr("Monthly income after tax"));
    const int below = static_cast<int>(Rows);
    grid->addWidget(b.caption(tr("Monthly Gross Taxable Income:")), below, 0);
    grid->addWidget(monthlyGross_, below, 1, Qt::AlignRight);
    grid->addWidget(b.caption(tr("After Tax:")), below, 4);
    grid->addWidget(monthlyAfterTax_, below, 5, Qt::AlignRight);
    grid->addWidget(calculate_, below, 6, Qt::AlignLeft);
    // The page is a table of three figures a row: only its first column lines
    // up with the other pages' form, whose second captions are far longer.
    placeFields(layout, grid, calculate_, 2);
}

bool IncomePage::validate() {
    return !refused(checkIncome(current()));
}

NumericField* IncomePage::fieldAt(PageField field) {
    const auto row = static_cast<std::size_t>(field.index);
    return field.part == 0 ? gross_[row] : taxRate_[row];
}

bool IncomePage::calculate() {
    if (!validate())
        return false;
    const auto result = workOutIncome(current(), regional(), context_.figures);
    if (!result)
        return tooLarge();
    showIncome(*result);
    // The after-tax fields just changed, so the page stays "not calculated" and
    // Next repeats this Calculate, with the same result.
    return true;
}

void IncomePage::showTotals() {
    const MortgageCase& value = current();
    if (checkIncome(value))
        return; // a rate out of range has no after-tax figure to show
    CaseFigures figures = context_.figures;
    if (const auto result = workOutIncome(value, regional(), figures))
        showIncome(*result);
}

void IncomePage::showIncome(const IncomeResult& result) {
    for (std::size_t row = 0; row < Rows; ++row)
        afterTax_[row]->show(result.afterTax[row]);
    monthlyGross_->setText(regional().currency(result.shownMonthlyGross));
    monthlyAfterTax_->setText(regional().currency(result.shownMonthlyAfterTax));
}

void IncomePage::showWorkedOut(const CaseResults& results) {
    if (results.passed(step()))
        showIncome(*results.income);
}

void IncomePage::repair() {
    for (NumericField* rate : taxRate_)
        if (!withinHighestPercent(rate->figure()))
            rate->show(0.0);
}

void IncomePage::store(MortgageCase& value) const {
    for (std::size_t row = 0; row < Rows; ++row)
        value.income[row] = {gross_[row]->amount(), taxRate_[row]->figure()};
}

void IncomePage::load(const MortgageCase& value) {
    for (std::size_t row = 0; row < Rows; ++row) {
        gross_[row]->show(value.income[row].gross);
        taxRate_[row]->show(value.income[row].taxPercent);
    }
}

} // namespace hw
