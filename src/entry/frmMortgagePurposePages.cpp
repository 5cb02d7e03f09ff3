#include "EntryMessages.h"
#include "PageBuilder.h"
#include "PurposePages.h"
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
using enum NumericField::Format;
using enum NumericField::Kind;
using enum NumericField::Tone;

const FieldSpec FHBuyerFields[] = {
    {.label = "Purchase Price:", .start = 100000, .literal = "$100000.00"},
    {.label = "Your Contribution:"},
    {.label = "Total Current Debts:", .kind = Display, .tone = Debt},
};
const FieldSpec FHBuilderFields[] = {
    {.label = "Value of Land:"},
    {.label = "Total Cost to Build:"},
    {.label = "Your Contribution:"},
    {.label = "Total current Debts:", .kind = Display, .tone = Debt},
};
const FieldSpec ImprovementFields[] = {
    {.label = "Current Value of Your Home:", .kind = Display},
    {.label = "Total Cost of the Improvements:"},
    {.label = "Total Current Debts:", .kind = Display, .tone = Debt},
    {.label = "Your Contribution:"},
};
const FieldSpec SellingForBuyingFields[] = {
    {.label = "Selling Price: "},
    {.label = "Real Estate Fees:"},
    {.label = "Total Current Debts:", .kind = Display, .tone = Debt},
    {.label = "Your Contribution:"},
};
const FieldSpec BuyingFields[] = {
    {.label = "Your Equity:", .kind = Display, .tone = Total},
    {.label = "Purchase Price:"},
    {.label = "Cash you wish to withhold:"},
};
const FieldSpec SellingForBuildingFields[] = {
    {.label = "Selling Price:"},
    {.label = "Real Estate Fees:"},
    {.label = "Total Current Debts:", .kind = Display, .tone = Debt},
    {.label = "Your Contribution:"},
};
const FieldSpec BuildingFields[] = {
    {.label = "Your Equity:", .kind = Display, .tone = Total},
    {.label = "Cost of Land:"},
    {.label = "Cost to Build:"},
    {.label = "Cash you wish to withhold:"},
};
const FieldSpec RealEstateFields[] = {
    {.label = "Purchase Price of new Property:"},
    {.label = "Total Current Debts:", .kind = Display, .tone = Debt},
    {.label = "Your Cash Contribution:"},
    {.label = "Total Value of other Properties:", .kind = Display},
};
const FieldSpec ABuildingFields[] = {
    {.label = "Cost of Land:"},
    {.label = "Cost to Build:"},
    {.label = "Total current Debts:", .kind = Display, .tone = Debt},
    {.label = "Your Cash Contribution:"},
    {.label = "Total Value of Properties:", .kind = Display},
};
const FieldSpec RefinanceFields[] = {
    {.label = "Cash you wish to withhold:"},
    {.label = "Total Current Debts:", .literal = "0.00", .kind = Display, .tone = Debt},
    {.label = "Your Contribution:"},
    {.label = "Total value of Properties: ", .kind = Display},
};
const FieldSpec OtherFields[] = {
    {.label = "Amount You Want To Borrow:"},
    {.label = "Total Current Debts:", .kind = Display, .tone = Debt},
    {.label = "Your Contribution:"},
};

// The fields each page cannot be left without.
const RequiredField FHBuyerRequired[] = {{{0, 0}, entry::RequiredValue}};
const RequiredField FHBuilderRequired[] = {{{0, 1}, entry::RequiredValue}};
const RequiredField ImprovementRequired[] = {{{0, 1}, entry::RequiredValue}};
const RequiredField SellingAndBuyingRequired[] = {{{0, 0}, "Please enter Selling Price."},
                                                  {{1, 1}, "Please enter Purchase Price."}};
const RequiredField SellingAndBuildingRequired[] = {{{0, 0}, "Please enter Selling Price."},
                                                    {{1, 2}, "Please enter Cost to build."}};
const RequiredField RealEstateRequired[] = {{{0, 0}, "Please enter Purchase Price."}};
const RequiredField ABuildingRequired[] = {{{0, 1}, "Please enter Cost to build."}};

template <std::size_t N> std::span<NumericField*> all(FieldGroup<N>& group) {
    return group;
}

// Indexed by PurposeId.
const PurposeRow Rows[PurposeCount] = {
    {.group = [](PageControls& c, int) { return all(c.txtFHBuyer); },
     .fields = FHBuyerFields,
     .debts = {0, 2},
     .entryFocus = {0, 0},
     .required = FHBuyerRequired},
    {.group = [](PageControls& c, int) { return all(c.txtFHBuilder); },
     .fields = FHBuilderFields,
     .debts = {0, 3},
     .entryFocus = {0, 0},
     .required = FHBuilderRequired},
    {.group = [](PageControls& c, int) { return all(c.txtImprovement); },
     .fields = ImprovementFields,
     .debts = {0, 2},
     .carried = Carried::HomeValue,
     .carriedInto = {0, 0},
     // The home's value is shown, not typed: the first field to type into.
     .entryFocus = {0, 1},
     .required = ImprovementRequired},
    {.group = [](PageControls& c,
                 int part) { return part == 0 ? all(c.txtSBuying) : all(c.txtBuying); },
     .fields = SellingForBuyingFields,
     .secondFields = BuyingFields,
     .partHeads = {"Selling", "Buying"},
     .debts = {0, 2},
     .carried = Carried::SaleEquity,
     .carriedInto = {1, 0},
     .entryFocus = {0, 0},
     .required = SellingAndBuyingRequired},
    {.group = [](PageControls& c,
                 int part) { return part == 0 ? all(c.txtSBuilding) : all(c.txtBuilding); },
     .fields = SellingForBuildingFields,
     .secondFields = BuildingFields,
     .partHeads = {"Selling", "Building"},
     .debts = {0, 2},
     .carried = Carried::SaleEquity,
     .carriedInto = {1, 0},
     .entryFocus = {0, 0},
     .required = SellingAndBuildingRequired},
    {.group = [](PageControls& c, int) { return all(c.txtRealEstate); },
     .fields = RealEstateFields,
     .debts = {0, 1},
     .carried = Carried::OwnedProperties,
     .carriedInto = {0, 3},
     .entryFocus = {0, 0},
     .required = RealEstateRequired},
    {.group = [](PageControls& c, int) { return all(c.txtABuilding); },
     .fields = ABuildingFields,
     .debts = {0, 2},
     .carried = Carried::OwnedProperties,
     .carriedInto = {0, 4},
     .entryFocus = {0, 0},
     .required = ABuildingRequired},
    {.group = [](PageControls& c, int) { return all(c.txtRefinance); },
     .fields = RefinanceFields,
     .totalCaption = "Total: ",
     .debts = {0, 1},
     .carried = Carried::OwnedProperties,
     .carriedInto = {0, 3},
     .entryFocus = {0, 0}},
    {.group = [](PageControls& c, int) { return all(c.txtOther); },
     .fields = OtherFields,
     .debts = {0, 1},
     .entryFocus = {0, 0}},
};

} // namespace

const PurposeRow& purposeRow(int purpose) {
    return Rows[purpose];
}

NumericField* frmMortgage::purposeField(int purpose, PurposeField field) {
    return purposeRow(purpose).group(*this, field.part)[static_cast<std::size_t>(field.index)];
}

void frmMortgage::buildPurposePageFields(int purpose, QVBoxLayout* page, PageBuilder& b) {
    const PurposeRow& row = purposeRow(purpose);
    auto* grid = PageBuilder::grid(4);
    // The selling purposes have two parts side by side, each under its head.
    const bool twoParts = !row.secondFields.empty();
    if (twoParts) {
        grid->addWidget(b.label(tr(row.partHeads[0])), 0, 1);
        grid->addWidget(b.label(tr(row.partHeads[1])), 0, 3);
    }
    b.column(grid, row.group(*this, 0), row.fields, twoParts ? 1 : 0, 0);
    if (twoParts)
        b.column(grid, row.group(*this, 1), row.secondFields, 1, 1);
    page->addLayout(grid);
    addTotalRow(purpose, tr(row.totalCaption), page, b);
}

void frmMortgage::addTotalRow(int index, const QString& caption, QVBoxLayout* page,
                              PageBuilder& b) {
    const auto i = static_cast<std::size_t>(index);
    cmdTotal[i] = b.button(tr("&Calculate"));
    txtTotal[i] = b.total(b.startAmount(0, "$0.00"), true);
    txtTotal[i]->setAccessibleName(caption.trimmed().chopped(1));
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
