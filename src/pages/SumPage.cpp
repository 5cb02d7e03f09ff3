// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SumPage.h"

#include "base/Twips.h"
#include "calc/CaseFields.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

namespace {

const FieldSpec AssetsLeft[] = {
    {.label = captions::Assets[0]}, {.label = captions::Assets[1]}, {.label = captions::Assets[2]},
    {.label = captions::Assets[3]}, {.label = captions::Assets[4]},
};
const FieldSpec AssetsRight[] = {
    {.label = captions::Assets[5]}, {.label = captions::Assets[6]}, {.label = captions::Assets[7]},
    {.label = captions::Assets[8]}, {.label = captions::Assets[9]},
};
const FieldSpec LiabilitiesLeft[] = {
    {.label = captions::Liabilities[0]},
    {.label = captions::Liabilities[1]},
    {.label = captions::Liabilities[2]},
};
const FieldSpec LiabilitiesRight[] = {
    {.label = captions::Liabilities[3]},
    {.label = captions::Liabilities[4]},
    {.label = captions::Liabilities[5]},
};

const char* const AssetsGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "An asset is everything that you own that has monetary value. Your home, land, "
    "savings, shares, vehicles and life policies are all assets, and a lender is reassured to "
    "see that you own things of value and have built them up over time.\n"
    "Enter each asset at the price it would fetch on the open market today. For a life policy "
    "enter its surrender value, what the insurer would pay you if you cashed it in today.");
const char* const LiabilitiesGuidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "The opposite of assets are liabilities. A liability is a legal duty to repay money that "
    "you owe, whether to a lender such as a bank or to other creditors such as a store or a "
    "credit card company.");

} // namespace

SumPage::SumPage(PageContext& context, int step, const Design& design)
    : StepPage(context, step, design.title, design.guidance), design_(design) {}

void SumPage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    fields_.resize(design_.left.size() + design_.right.size());
    auto* grid = PageBuilder::grid();
    b.column(grid, fields_, design_.left, 0, 0);
    b.column(grid, std::span(fields_).subspan(design_.left.size()), design_.right, 0, 1);
    // The total under the right-hand fields, with its Calculate beside it.
    const int below = static_cast<int>(std::max(design_.left.size(), design_.right.size()));
    const auto total =
        b.totalRow(grid, below, 3, QString(), design_.totalLiteral, tr(design_.totalName));
    calculate_ = total.calculate;
    totalShown_ = total.total;
    placeFields(layout, grid, calculate_);
}

bool SumPage::prepare() {
    // The first-home purposes own no home or rental properties yet. What was
    // typed there before is kept aside, and comes back with a purpose that owns a home.
    const bool firstHome = isFirstHome(context_.purpose());
    for (std::size_t i = 0; i < keptOwned_.size(); ++i) {
        NumericField* field = fields_[i];
        field->setEnabled(!firstHome);
        if (firstHome) {
            if (!keptOwned_[i])
                keptOwned_[i] = field->amount();
            field->show(Currency());
        } else if (keptOwned_[i]) {
            field->show(*keptOwned_[i]);
            keptOwned_[i].reset();
        }
    }
    store(context_.entered);
    return true;
}

void SumPage::showWorkedOut(const CaseResults& results) {
    prepare();
    if (results.passed(step()))
        totalShown_->setText(regional().currency(total()));
}

bool SumPage::calculate() {
    if (!validate())
        return false;
    const auto exact = fieldsSum();
    if (!exact)
        return tooLarge();
    total() = *exact;
    totalShown_->setText(regional().currency(*exact));
    setCalculated(true);
    return true;
}

void SumPage::showTotals() {
    if (const auto exact = fieldsSum())
        totalShown_->setText(regional().currency(*exact));
}

std::optional<Currency> SumPage::fieldsSum() const {
    std::vector<Currency> amounts;
    for (const NumericField* field : fields_)
        amounts.push_back(field->amount());
    return sum(amounts);
}

NumericField* SumPage::fieldAt(PageField field) {
    return fields_[static_cast<std::size_t>(field.index)];
}

NumericField* SumPage::entryFocus() {
    // A household that owns no home starts on the first field it can type into.
    return fields_[ownsHome(context_.purpose()) ? 0 : 2];
}

void SumPage::store(MortgageCase& value) const {
    const std::span<Currency> amounts = amountsIn(value);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        amounts[i] = fields_[i]->amount();
}

void SumPage::load(const MortgageCase& value) {
    // Nothing kept aside from the case before.
    keptOwned_ = {};
    const std::span<const Currency> amounts = amountsOf(value);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->show(amounts[i]);
}

AssetsPage::AssetsPage(PageContext& context)
    : SumPage(context, AssetsStep,
              {captions::AssetsTitle, AssetsGuidance, AssetsLeft, AssetsRight, "0.00",
               QT_TRANSLATE_NOOP("hw::SumPage", "Total assets")}) {}

bool AssetsPage::validate() {
    return !refused(checkAssets(current()));
}

LiabilitiesPage::LiabilitiesPage(PageContext& context)
    : SumPage(context, LiabilitiesStep,
              {captions::LiabilitiesTitle, LiabilitiesGuidance, LiabilitiesLeft, LiabilitiesRight,
               "$0.00", QT_TRANSLATE_NOOP("hw::SumPage", "Total liabilities")}) {}

bool LiabilitiesPage::confirm() {
    return !refused(checkLiabilitiesTotal(current(), context_.figures.totalLiabilities));
}

} // namespace hw
