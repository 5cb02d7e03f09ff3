#include "PageBuilder.h"
#include "look/Skin.h"
#include "shell/Twips.h"
#include "shell/frmMortgage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The assets, liabilities, income and budget pages.

namespace hw {

namespace {
using enum NumericField::Format;
using enum NumericField::Kind;
using enum NumericField::Tone;

const FieldSpec AssetsLeft[] = {
    {.label = "Current Domestic Residence:"},  {.label = "Combined Rental Properties:"},
    {.label = "Combined Value of Vehicles:"},  {.label = "Surrender Value Of Life Policies:"},
    {.label = "Other Land or Section Value:"},
};
const FieldSpec AssetsRight[] = {
    {.label = "Managed Funds:"}, {.label = "Superannuation:"}, {.label = "Savings:"},
    {.label = "Shares:"},        {.label = "Other:"},
};
const FieldSpec LiabilitiesLeft[] = {
    {.label = "Domestic Mortgage:"},
    {.label = "Combined Rental Properties:"},
    {.label = "Personal Loans:"},
};
const FieldSpec LiabilitiesRight[] = {
    {.label = "Hire Purchases  (inc. Car):"},
    {.label = "Credit Card Balances:"},
    {.label = "Other:"},
};
const FieldSpec IncomeRows[3][3] = {
    {{.label = "Annual Gross Taxable Income:", .start = 60000, .literal = "$60000.00"},
     {.label = "Tax Rate: ", .format = Percentage, .start = 15, .literal = nullptr},
     {.label = "After Tax:", .kind = Display}},
    {{.label = "Other Annual Gross Income:"},
     {.label = "Tax Rate:", .format = Percentage, .literal = nullptr},
     {.label = "After Tax:", .kind = Display}},
    {{.label = "Any Other Annual Gross Income:"},
     {.label = "Tax Rate:", .format = Percentage, .literal = nullptr},
     {.label = "After Tax:", .kind = Display}},
};
const FieldSpec BudgetLeft[] = {
    {.label = "Household Shopping (Food and Groceries, Meals out...):",
     .start = 100,
     .literal = "$100.00"},
    {.label = "Utilities (Telephone, Electricity, LPG...):", .start = 100, .literal = "$100.00"},
    {.label = "Transportation (Fuel, Maintenance, Road Taxes...):",
     .start = 100,
     .literal = "$100.00"},
    {.label = "Insurance (Vehicles, Medical, Life... ):", .start = 50, .literal = "$50.00"},
};
const FieldSpec BudgetRight[] = {
    {.label = "Education (Schooling, University, Childcare...):", .start = 50, .literal = "$50.00"},
    {.label = "Leisure (Entertainment, Gifts, TV...):", .start = 20, .literal = "$20.00"},
    {.label = "Other (Clothing, Pets, Donations...):", .start = 30, .literal = "$30.00"},
};

// The bottom row of a page: its Calculate button at the left, totals at the right.
QHBoxLayout* bottomRow(QVBoxLayout* page, QPushButton* calculate) {
    page->addSpacing(twips(240));
    auto* row = new QHBoxLayout;
    row->addWidget(calculate);
    row->addStretch(1);
    page->addLayout(row);
    return row;
}
} // namespace

// A page of amounts in two columns, summed by its Calculate into its total.
void frmMortgage::buildSumPage(const SumPage& sums, QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid();
    b.column(grid, sums.group, sums.left, 0, 0);
    b.column(grid, sums.group.subspan(sums.left.size()), sums.right, 0, 1);
    page->addLayout(grid);
    *sums.calculate = b.button(tr("&Calculate"));
    *sums.total = b.total(b.startAmount(0, sums.totalLiteral), true);
    (*sums.total)->setAccessibleName(tr(sums.totalName));
    bottomRow(page, *sums.calculate)->addWidget(*sums.total);
}

void frmMortgage::buildAssetsPage(QVBoxLayout* page, PageBuilder& b) {
    buildSumPage({txtAssets, AssetsLeft, AssetsRight, &cmdAssets, &txtTotalAssets, "0.00",
                  QT_TR_NOOP("Total assets")},
                 page, b);
}

void frmMortgage::buildLiabilitiesPage(QVBoxLayout* page, PageBuilder& b) {
    buildSumPage({txtLiabilities, LiabilitiesLeft, LiabilitiesRight, &cmdLiabilities,
                  &txtTotalLiabilities, "$0.00", QT_TR_NOOP("Total liabilities")},
                 page, b);
}

void frmMortgage::buildIncomePage(QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid();
    for (int row = 0; row < 3; ++row)
        for (int part = 0; part < 3; ++part)
            txtIncome[static_cast<std::size_t>(3 * row + part)] =
                b.field(grid, row, part, IncomeRows[row][part]);
    // The tax rate and after-tax fields of the three rows share their labels: the
    // row's income tells them apart.
    for (std::size_t row = 0; row < 3; ++row) {
        const QString income = txtIncome[3 * row]->accessibleName().chopped(1);
        txtIncome[3 * row + 1]->setAccessibleName(tr("%1, tax rate").arg(income));
        txtIncome[3 * row + 2]->setAccessibleName(tr("%1, after tax").arg(income));
    }
    page->addLayout(grid);
    cmdIncome = b.button(tr("&Calculate"));
    auto* totals = PageBuilder::grid();
    txtTaxIncome = b.total(b.startAmount(0, "$0.00"), false);
    txtAfterTaxIncome = b.total(b.startAmount(0, "$0.00"), true);
    txtTaxIncome->setAccessibleName(tr("Monthly gross taxable income"));
    txtAfterTaxIncome->setAccessibleName(tr("Monthly income after tax"));
    totals->addWidget(b.label(tr("Monthly Gross Taxable Income:")), 0, 0);
    totals->addWidget(txtTaxIncome, 0, 1);
    totals->addWidget(b.label(tr("After Tax:")), 0, 2);
    totals->addWidget(txtAfterTaxIncome, 0, 3);
    bottomRow(page, cmdIncome)->addLayout(totals);
}

void frmMortgage::buildBudgetPage(QVBoxLayout* page, PageBuilder& b) {
    auto* periods = new QHBoxLayout;
    optBudget[0] = b.option(tr("&Fortnightly"));
    optBudget[1] = b.option(tr("M&onthly"));
    periods->addWidget(optBudget[0]);
    periods->addWidget(optBudget[1]);
    periods->addStretch(1);
    page->addLayout(periods);
    page->addSpacing(twips(120));

    auto* grid = PageBuilder::grid();
    b.column(grid, txtBudget, BudgetLeft, 0, 0);
    b.column(grid, std::span<NumericField*>(txtBudget).subspan(4), BudgetRight, 0, 1);
    page->addLayout(grid);
    cmdBudget = b.button(tr("&Calculate"));
    txtTotalBudget = b.total(b.startAmount(0, "$0.00"), true);
    txtTotalBudget->setAccessibleName(tr("Monthly expenditure"));
    auto* row = bottomRow(page, cmdBudget);
    row->addWidget(b.label(tr("Monthly Expenditure:")));
    row->addWidget(txtTotalBudget);
}

} // namespace hw
