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
using namespace designed;
constexpr F P = F::Percentage;

const FieldSpec AssetsLeft[] = {
    {"Current Domestic Residence:", A, 0, "$0.00"},
    {"Combined Rental Properties:", A, 0, "$0.00"},
    {"Combined Value of Vehicles:", A, 0, "$0.00"},
    {"Surrender Value Of Life Policies:", A, 0, "$0.00"},
    {"Other Land or Section Value:", A, 0, "$0.00"},
};
const FieldSpec AssetsRight[] = {
    {"Managed Funds:", A, 0, "$0.00"}, {"Superannuation:", A, 0, "$0.00"},
    {"Savings:", A, 0, "$0.00"},       {"Shares:", A, 0, "$0.00"},
    {"Other:", A, 0, "$0.00"},
};
const FieldSpec LiabilitiesLeft[] = {
    {"Domestic Mortgage:", A, 0, "$0.00"},
    {"Combined Rental Properties:", A, 0, "$0.00"},
    {"Personal Loans:", A, 0, "$0.00"},
};
const FieldSpec LiabilitiesRight[] = {
    {"Hire Purchases  (inc. Car):", A, 0, "$0.00"},
    {"Credit Card Balances:", A, 0, "$0.00"},
    {"Other:", A, 0, "$0.00"},
};
const FieldSpec IncomeRows[3][3] = {
    {{"Annual Gross Taxable Income:", A, 60000, "$60000.00"},
     {"Tax Rate: ", P, 15, nullptr},
     {"After Tax:", A, 0, "$0.00", K::Display}},
    {{"Other Annual Gross Income:", A, 0, "$0.00"},
     {"Tax Rate:", P, 0, nullptr},
     {"After Tax:", A, 0, "$0.00", K::Display}},
    {{"Any Other Annual Gross Income:", A, 0, "$0.00"},
     {"Tax Rate:", P, 0, nullptr},
     {"After Tax:", A, 0, "$0.00", K::Display}},
};
const FieldSpec BudgetLeft[] = {
    {"Household Shopping (Food and Groceries, Meals out...):", A, 100, "$100.00"},
    {"Utilities (Telephone, Elecricity, LPG...):", A, 100, "$100.00"},
    {"Transportation (Fuel, Maintenance, Road Taxes...):", A, 100, "$100.00"},
    {"Insurance (Vehicles, Medical, Life... ):", A, 50, "$50.00"},
};
const FieldSpec BudgetRight[] = {
    {"Education (Schooling, University, Childcare...)::", A, 50, "$50.00"},
    {"Leisure (Entertainment, Gifts, TV...):", A, 20, "$20.00"},
    {"Other (Clothing, Pets, Donations...):", A, 30, "$30.00"},
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

void frmMortgage::buildAssetsPage(QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid();
    b.column(grid, txtAssets, 0, AssetsLeft, 0, 0);
    b.column(grid, txtAssets, 5, AssetsRight, 0, 1);
    page->addLayout(grid);
    cmdAssets = b.button(QStringLiteral("&Calculate"));
    txtTotalAssets = b.total(b.startAmount(0, "0.00"), true);
    bottomRow(page, cmdAssets)->addWidget(txtTotalAssets);
}

void frmMortgage::buildLiabilitiesPage(QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid();
    b.column(grid, txtLiabilities, 0, LiabilitiesLeft, 0, 0);
    b.column(grid, txtLiabilities, 3, LiabilitiesRight, 0, 1);
    page->addLayout(grid);
    cmdLiabilities = b.button(QStringLiteral("&Calculate"));
    txtTotalLiabilities = b.total(b.startAmount(0, "$0.00"), true);
    bottomRow(page, cmdLiabilities)->addWidget(txtTotalLiabilities);
}

void frmMortgage::buildIncomePage(QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid();
    for (int row = 0; row < 3; ++row)
        for (int part = 0; part < 3; ++part)
            txtIncome[static_cast<std::size_t>(3 * row + part)] =
                b.field(grid, row, part, IncomeRows[row][part]);
    page->addLayout(grid);
    cmdIncome = b.button(QStringLiteral("&Calculate"));
    auto* totals = PageBuilder::grid();
    txtTaxIncome = b.total(b.startAmount(0, "$0.00"), false);
    txtAfterTaxIncome = b.total(b.startAmount(0, "$0.00"), true);
    totals->addWidget(b.label(QStringLiteral("Monthly Gross Taxable Income:")), 0, 0);
    totals->addWidget(txtTaxIncome, 0, 1);
    totals->addWidget(b.label(QStringLiteral("After Tax:")), 0, 2);
    totals->addWidget(txtAfterTaxIncome, 0, 3);
    bottomRow(page, cmdIncome)->addLayout(totals);
}

void frmMortgage::buildBudgetPage(QVBoxLayout* page, PageBuilder& b) {
    auto* periods = new QHBoxLayout;
    optBudget[0] = b.option(QStringLiteral("&Fortnightly"));
    optBudget[1] = b.option(QStringLiteral("M&onthly"));
    periods->addWidget(optBudget[0]);
    periods->addWidget(optBudget[1]);
    periods->addStretch(1);
    page->addLayout(periods);
    page->addSpacing(twips(120));

    auto* grid = PageBuilder::grid();
    b.column(grid, txtBudget, 0, BudgetLeft, 0, 0);
    b.column(grid, txtBudget, 4, BudgetRight, 0, 1);
    page->addLayout(grid);
    cmdBudget = b.button(QStringLiteral("&Calculate"));
    txtTotalBudget = b.total(b.startAmount(0, "$0.00"), true);
    auto* row = bottomRow(page, cmdBudget);
    row->addWidget(b.label(QStringLiteral("Monthly Expenditure:")));
    row->addWidget(txtTotalBudget);
}

} // namespace hw
