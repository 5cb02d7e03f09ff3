#include "RequirementPage.h"
#include "entry/EntryMessages.h"

// The rows of the nine purpose pages: their fields, what they are given from
// the pages before them, and what they require.

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

const char* const FHBuyerGuidance =
    // 6, first home buyer
    "As a first time home buyer you need to provide a few more details. Your current debts "
    "have been filled in for you from the previous pages. Please enter the contribution you "
    "can make (your deposit) and the purchase price of the home.";
const char* const FHBuilderGuidance =
    "As a first time home builder you need to provide a few more details. Your current debts "
    "have been filled in for you from the previous pages. Please enter the contribution you "
    "can make, the value of the land and the cost of building the house.\n"
    "If you already own the land include this value in 'Your Contribution' field.";
const char* const ImprovementGuidance =
    "As you wish to improve your home you need to provide a few more details. Your current "
    "debts have been filled in for you from the previous pages. Please enter the contribution "
    "you can make, the value of your home and the total cost of the improvements.";
const char* const SellingAndBuyingGuidance =
    "As you are selling your existing property and wish to purchase another, you need to "
    "provide a few more details. Your current debts have been filled in for you from the "
    "previous pages. Please enter the contribution you can make, the price you expect to sell "
    "for and the purchase price of the new property.";
const char* const SellingAndBuildingGuidance =
    "As you are selling your existing property and wish to build another, you need to "
    "provide a few more details. Your current debts have been filled in for you from the "
    "previous pages. Please enter the contribution you can make, the price you expect to sell "
    "for, the value of the land and the cost of building.\n"
    "If you already own the land include this value in 'Your Contribution' field.";
const char* const RealEstateGuidance =
    "As you wish to make an additional purchase you need to provide a few more details. "
    "Your current debts have been filled in for you from the previous pages. Please enter the "
    "contribution you can make and the purchase price of the new property.";
const char* const ABuildingGuidance =
    "As you wish to do an additional build you need to provide a few more details. Your "
    "current debts have been filled in for you from the previous pages. Please enter the "
    "contribution you can make, the value of the land and the cost of building.\n"
    "If you already own the land include this value in 'Your Contribution' field.";
const char* const RefinanceGuidance =
    "As you wish to refinance you need to provide a few more details. Your current debts have "
    "been filled in for you from the previous pages. Please enter any amount of money you wish "
    "to withhold from the new loan.";
const char* const OtherGuidance =
    "As you have chosen an alternative mortgage requirement option you need to provide a few "
    "more details. Your current debts have been filled in for you from the previous pages. "
    "Please enter the amount you wish to borrow.";

// Indexed by PurposeId.
const PurposeRow Rows[PurposeCount] = {
    {.title = QT_TR_NOOP("FIRST TIME HOME BUYER"),
     .guidance = FHBuyerGuidance,
     .fields = FHBuyerFields,
     .debts = {0, 2},
     .entryFocus = {0, 0},
     .required = FHBuyerRequired},
    {.title = QT_TR_NOOP("FIRST TIME HOME BUILDER"),
     .guidance = FHBuilderGuidance,
     .fields = FHBuilderFields,
     .debts = {0, 3},
     .entryFocus = {0, 0},
     .required = FHBuilderRequired},
    {.title = QT_TR_NOOP("HOME IMPROVEMENT"),
     .guidance = ImprovementGuidance,
     .fields = ImprovementFields,
     .debts = {0, 2},
     .carried = Carried::HomeValue,
     .carriedInto = {0, 0},
     // The home's value is shown, not typed: the first field to type into.
     .entryFocus = {0, 1},
     .required = ImprovementRequired},
    {.title = QT_TR_NOOP("SELLING AND BUYING"),
     .guidance = SellingAndBuyingGuidance,
     .fields = SellingForBuyingFields,
     .secondFields = BuyingFields,
     .partHeads = {"Selling", "Buying"},
     .debts = {0, 2},
     .carried = Carried::SaleEquity,
     .carriedInto = {1, 0},
     .entryFocus = {0, 0},
     .required = SellingAndBuyingRequired},
    {.title = QT_TR_NOOP("SELLING AND BUILDING"),
     .guidance = SellingAndBuildingGuidance,
     .fields = SellingForBuildingFields,
     .secondFields = BuildingFields,
     .partHeads = {"Selling", "Building"},
     .debts = {0, 2},
     .carried = Carried::SaleEquity,
     .carriedInto = {1, 0},
     .entryFocus = {0, 0},
     .required = SellingAndBuildingRequired},
    {.title = QT_TR_NOOP("ADDITIONAL REAL ESTATE PURCHASE"),
     .guidance = RealEstateGuidance,
     .fields = RealEstateFields,
     .debts = {0, 1},
     .carried = Carried::OwnedProperties,
     .carriedInto = {0, 3},
     .entryFocus = {0, 0},
     .required = RealEstateRequired},
    {.title = QT_TR_NOOP("ADDITIONAL BUILDING"),
     .guidance = ABuildingGuidance,
     .fields = ABuildingFields,
     .debts = {0, 2},
     .carried = Carried::OwnedProperties,
     .carriedInto = {0, 4},
     .entryFocus = {0, 0},
     .required = ABuildingRequired},
    {.title = QT_TR_NOOP("REFINANCE"),
     .guidance = RefinanceGuidance,
     .fields = RefinanceFields,
     .totalCaption = "Total: ",
     .debts = {0, 1},
     .carried = Carried::OwnedProperties,
     .carriedInto = {0, 3},
     .entryFocus = {0, 0}},
    {.title = QT_TR_NOOP("OTHER LOANS"),
     .guidance = OtherGuidance,
     .fields = OtherFields,
     .debts = {0, 1},
     .entryFocus = {0, 0}},
};

} // namespace

const PurposeRow& purposeRow(int purpose) {
    return Rows[purpose];
}

} // namespace hw
