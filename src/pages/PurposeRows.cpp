// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RequirementPage.h"
#include "calc/CaseFields.h"

// The rows of the nine purpose pages: their fields, what they are given from
// the pages before them, and what they require.

namespace hw {

namespace {

using enum NumericField::Format;
using enum NumericField::Kind;
using enum NumericField::Tone;

const FieldSpec FHBuyerFields[] = {
    {.label = captions::Purposes[FirstHomeBuyer].first[0],
     .start = 100000,
     .literal = "$100000.00"},
    {.label = captions::Purposes[FirstHomeBuyer].first[1]},
    {.label = captions::Purposes[FirstHomeBuyer].first[2], .kind = Display, .tone = Debt},
};
const FieldSpec FHBuilderFields[] = {
    {.label = captions::Purposes[FirstHomeBuilder].first[0]},
    {.label = captions::Purposes[FirstHomeBuilder].first[1]},
    {.label = captions::Purposes[FirstHomeBuilder].first[2]},
    {.label = captions::Purposes[FirstHomeBuilder].first[3], .kind = Display, .tone = Debt},
};
const FieldSpec ImprovementFields[] = {
    {.label = captions::Purposes[HomeImprovement].first[0], .kind = Display},
    {.label = captions::Purposes[HomeImprovement].first[1]},
    {.label = captions::Purposes[HomeImprovement].first[2], .kind = Display, .tone = Debt},
    {.label = captions::Purposes[HomeImprovement].first[3]},
};
const FieldSpec SellingForBuyingFields[] = {
    {.label = captions::Purposes[SellingAndBuying].first[0]},
    {.label = captions::Purposes[SellingAndBuying].first[1]},
    {.label = captions::Purposes[SellingAndBuying].first[2], .kind = Display, .tone = Debt},
    {.label = captions::Purposes[SellingAndBuying].first[3]},
};
const FieldSpec BuyingFields[] = {
    {.label = captions::Purposes[SellingAndBuying].second[0], .kind = Display, .tone = Total},
    {.label = captions::Purposes[SellingAndBuying].second[1]},
    {.label = captions::Purposes[SellingAndBuying].second[2]},
};
const FieldSpec SellingForBuildingFields[] = {
    {.label = captions::Purposes[SellingAndBuilding].first[0]},
    {.label = captions::Purposes[SellingAndBuilding].first[1]},
    {.label = captions::Purposes[SellingAndBuilding].first[2], .kind = Display, .tone = Debt},
    {.label = captions::Purposes[SellingAndBuilding].first[3]},
};
const FieldSpec BuildingFields[] = {
    {.label = captions::Purposes[SellingAndBuilding].second[0], .kind = Display, .tone = Total},
    {.label = captions::Purposes[SellingAndBuilding].second[1]},
    {.label = captions::Purposes[SellingAndBuilding].second[2]},
    {.label = captions::Purposes[SellingAndBuilding].second[3]},
};
const FieldSpec RealEstateFields[] = {
    {.label = captions::Purposes[AdditionalRealEstate].first[0]},
    {.label = captions::Purposes[AdditionalRealEstate].first[1], .kind = Display, .tone = Debt},
    {.label = captions::Purposes[AdditionalRealEstate].first[2]},
    {.label = captions::Purposes[AdditionalRealEstate].first[3], .kind = Display},
};
const FieldSpec ABuildingFields[] = {
    {.label = captions::Purposes[AdditionalBuilding].first[0]},
    {.label = captions::Purposes[AdditionalBuilding].first[1]},
    {.label = captions::Purposes[AdditionalBuilding].first[2], .kind = Display, .tone = Debt},
    {.label = captions::Purposes[AdditionalBuilding].first[3]},
    {.label = captions::Purposes[AdditionalBuilding].first[4], .kind = Display},
};
const FieldSpec RefinanceFields[] = {
    {.label = captions::Purposes[Refinance].first[0]},
    {.label = captions::Purposes[Refinance].first[1],
     .literal = "0.00",
     .kind = Display,
     .tone = Debt},
    {.label = captions::Purposes[Refinance].first[2]},
    {.label = captions::Purposes[Refinance].first[3], .kind = Display},
};
const FieldSpec OtherFields[] = {
    {.label = captions::Purposes[OtherLoans].first[0]},
    {.label = captions::Purposes[OtherLoans].first[1], .kind = Display, .tone = Debt},
    {.label = captions::Purposes[OtherLoans].first[2]},
};

// 6, first home buyer
const char* const FHBuyerGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As a first time home buyer you need to provide a few more details. Your current debts "
    "have been filled in for you from the previous pages. Please enter the contribution you "
    "can make (your deposit) and the purchase price of the home.");
const char* const FHBuilderGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As a first time home builder you need to provide a few more details. Your current debts "
    "have been filled in for you from the previous pages. Please enter the contribution you "
    "can make, the value of the land and the cost of building the house.\n"
    "If you already own the land include this value in 'Your Contribution' field.");
const char* const ImprovementGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you wish to improve your home you need to provide a few more details. Your current "
    "debts have been filled in for you from the previous pages. Please enter the contribution "
    "you can make, the value of your home and the total cost of the improvements.");
const char* const SellingAndBuyingGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you are selling your existing property and wish to purchase another, you need to "
    "provide a few more details. Your current debts have been filled in for you from the "
    "previous pages. Please enter the contribution you can make, the price you expect to sell "
    "for and the purchase price of the new property.");
const char* const SellingAndBuildingGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you are selling your existing property and wish to build another, you need to "
    "provide a few more details. Your current debts have been filled in for you from the "
    "previous pages. Please enter the contribution you can make, the price you expect to sell "
    "for, the value of the land and the cost of building.\n"
    "If you already own the land include this value in 'Your Contribution' field.");
const char* const RealEstateGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you wish to make an additional purchase you need to provide a few more details. "
    "Your current debts have been filled in for you from the previous pages. Please enter the "
    "contribution you can make and the purchase price of the new property.");
const char* const ABuildingGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you wish to do an additional build you need to provide a few more details. Your "
    "current debts have been filled in for you from the previous pages. Please enter the "
    "contribution you can make, the value of the land and the cost of building.\n"
    "If you already own the land include this value in 'Your Contribution' field.");
const char* const RefinanceGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you wish to refinance you need to provide a few more details. Your current debts have "
    "been filled in for you from the previous pages. Please enter any amount of money you wish "
    "to withhold from the new loan.");
const char* const OtherGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "As you have chosen an alternative mortgage requirement option you need to provide a few "
    "more details. Your current debts have been filled in for you from the previous pages. "
    "Please enter the amount you wish to borrow.");

// Indexed by PurposeId.
const PurposeRow Rows[PurposeCount] = {
    {.title = captions::Purposes[FirstHomeBuyer].title,
     .guidance = FHBuyerGuidance,
     .fields = FHBuyerFields,
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[FirstHomeBuilder].title,
     .guidance = FHBuilderGuidance,
     .fields = FHBuilderFields,
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[HomeImprovement].title,
     .guidance = ImprovementGuidance,
     .fields = ImprovementFields,
     // The home's value is shown, not typed: the first field to type into.
     .entryFocus = {0, 1}},
    {.title = captions::Purposes[SellingAndBuying].title,
     .guidance = SellingAndBuyingGuidance,
     .fields = SellingForBuyingFields,
     .secondFields = BuyingFields,
     .partHeads = {QT_TRANSLATE_NOOP("hw::RequirementPage", "Selling"),
                   QT_TRANSLATE_NOOP("hw::RequirementPage", "Buying")},
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[SellingAndBuilding].title,
     .guidance = SellingAndBuildingGuidance,
     .fields = SellingForBuildingFields,
     .secondFields = BuildingFields,
     .partHeads = {QT_TRANSLATE_NOOP("hw::RequirementPage", "Selling"),
                   QT_TRANSLATE_NOOP("hw::RequirementPage", "Building")},
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[AdditionalRealEstate].title,
     .guidance = RealEstateGuidance,
     .fields = RealEstateFields,
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[AdditionalBuilding].title,
     .guidance = ABuildingGuidance,
     .fields = ABuildingFields,
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[Refinance].title,
     .guidance = RefinanceGuidance,
     .fields = RefinanceFields,
     .totalCaption = QT_TRANSLATE_NOOP("hw::RequirementPage", "Total: "),
     .entryFocus = {0, 0}},
    {.title = captions::Purposes[OtherLoans].title,
     .guidance = OtherGuidance,
     .fields = OtherFields,
     .entryFocus = {0, 0}},
};

} // namespace

const PurposeRow& purposeRow(int purpose) {
    return Rows[purpose];
}

} // namespace hw
