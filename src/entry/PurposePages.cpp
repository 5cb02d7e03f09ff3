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

// The requirement pages of the nine purposes.

namespace hw {

namespace {
using namespace designed;

const FieldSpec FHBuyer[] = {
    {"Purchase Price:", A, 100000, "$100000.00"},
    {"Your Contribution:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "$0.00", D, T::Debt},
};
const FieldSpec FHBuilder[] = {
    {"Value of Land:", A, 0, "$0.00"},
    {"Total Cost to Build:", A, 0, "$0.00"},
    {"Your Contribution:", A, 0, "$0.00"},
    {"Total current Debts:", A, 0, "$0.00", D, T::Debt},
};
const FieldSpec Improvement[] = {
    {"Current Value of Your Home:", A, 0, "$0.00", D},
    {"Total Cost of the Improvements:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "$0.00", D, T::Debt},
    {"Your Contribution:", A, 0, "$0.00"},
};
const FieldSpec SBuying[] = {
    {"Selling Price: ", A, 0, "$0.00"},
    {"Real Estate Fees:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "$0.00", D, T::Debt},
    {"Your Contribution:", A, 0, "$0.00"},
};
const FieldSpec Buying[] = {
    {"Your Equity:", A, 0, "$0.00", D, T::Total},
    {"Purchase Price:", A, 0, "$0.00"},
    {"Cash you wish to withold:", A, 0, "$0.00"},
};
const FieldSpec SBuilding[] = {
    {"Selling Price:", A, 0, "$0.00"},
    {"Real Estate Fees:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "$0.00", D, T::Debt},
    {"Your Contribution:", A, 0, "$0.00"},
};
const FieldSpec Building[] = {
    {"Your Equity:", A, 0, "$0.00", D, T::Total},
    {"Cost of Land:", A, 0, "$0.00"},
    {"Cost to Build:", A, 0, "$0.00"},
    {"Cash you wish to withold:", A, 0, "$0.00"},
};
const FieldSpec RealEstate[] = {
    {"Purchase Price of new Property:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "$0.00", D, T::Debt},
    {"Your Cash Contribution:", A, 0, "$0.00"},
    {"Total Value of other Properties:", A, 0, "$0.00", D},
};
const FieldSpec ABuilding[] = {
    {"Cost of Land:", A, 0, "$0.00"},
    {"Cost to Build:", A, 0, "$0.00"},
    {"Total current Debts:", A, 0, "$0.00", D, T::Debt},
    {"Your Cash Contribution:", A, 0, "$0.00"},
    {"Total Value of Properties:", A, 0, "$0.00", D},
};
const FieldSpec Refinance[] = {
    {"Cash you wish to withold:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "0.00", D, T::Debt},
    {"Your Contribution:", A, 0, "$0.00"},
    {"Total value of Properties: ", A, 0, "$0.00", D},
};
const FieldSpec Other[] = {
    {"Amount You Want To Borrow:", A, 0, "$0.00"},
    {"Total Current Debts:", A, 0, "$0.00", D, T::Debt},
    {"Your Contribution:", A, 0, "$0.00"},
};

} // namespace

void frmMortgage::buildPurposePageFields(int purpose, QVBoxLayout* page, PageBuilder& b) {
    auto* grid = PageBuilder::grid(4);
    switch (purpose) {
    case 0:
        b.column(grid, txtFHBuyer, 0, FHBuyer, 0, 0);
        break;
    case 1:
        b.column(grid, txtFHBuilder, 0, FHBuilder, 0, 0);
        break;
    case 2:
        b.column(grid, txtImprovement, 0, Improvement, 0, 0);
        break;
    case 3:
        // Selling part on the left, buying part on the right.
        grid->addWidget(b.label(QStringLiteral("Selling")), 0, 1);
        grid->addWidget(b.label(QStringLiteral("Buying")), 0, 3);
        b.column(grid, txtSBuying, 0, SBuying, 1, 0);
        b.column(grid, txtBuying, 0, Buying, 1, 1);
        break;
    case 4:
        grid->addWidget(b.label(QStringLiteral("Selling")), 0, 1);
        grid->addWidget(b.label(QStringLiteral("Building")), 0, 3);
        b.column(grid, txtSBuilding, 0, SBuilding, 1, 0);
        b.column(grid, txtBuilding, 0, Building, 1, 1);
        break;
    case 5:
        b.column(grid, txtRealEstate, 0, RealEstate, 0, 0);
        break;
    case 6:
        b.column(grid, txtABuilding, 0, ABuilding, 0, 0);
        break;
    case 7:
        b.column(grid, txtRefinance, 0, Refinance, 0, 0);
        break;
    case 8:
        b.column(grid, txtOther, 0, Other, 0, 0);
        break;
    default:
        break;
    }
    page->addLayout(grid);
    addTotalRow(purpose, purpose == 7 ? QStringLiteral("Total: ") : QStringLiteral("Total:"), page,
                b);
}

void frmMortgage::addTotalRow(int index, const QString& caption, QVBoxLayout* page,
                              PageBuilder& b) {
    const auto i = static_cast<std::size_t>(index);
    cmdTotal[i] = b.button(QStringLiteral("&Calculate"));
    txtTotal[i] = b.total(b.startAmount(0, "$0.00"), true);
    page->addSpacing(twips(240));
    auto* row = new QHBoxLayout;
    row->addWidget(cmdTotal[i]);
    row->addSpacing(twips(240));
    row->addWidget(b.label(caption));
    row->addWidget(txtTotal[i]);
    row->addStretch(1);
    page->addLayout(row);
}

} // namespace hw
