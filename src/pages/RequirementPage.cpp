// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RequirementPage.h"

#include "base/Twips.h"
#include "steps/StepPath.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

RequirementPage::RequirementPage(PageContext& context, int purpose)
    : StepPage(context, requirementStep(purpose), purposeRow(purpose).title,
               purposeRow(purpose).guidance),
      purpose_(purpose), row_(purposeRow(purpose)) {}

NumericField* RequirementPage::fieldAt(PageField which) {
    return parts_[which.part][static_cast<std::size_t>(which.index)];
}

void RequirementPage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    auto* grid = PageBuilder::grid();
    // The selling purposes have two parts side by side, each under its head.
    const bool twoParts = !row_.secondFields.empty();
    if (twoParts) {
        grid->addWidget(b.label(tr(row_.partHeads[0])), 0, 1);
        grid->addWidget(b.label(tr(row_.partHeads[1])), 0, 3);
    }
    parts_[0].resize(row_.fields.size());
    b.column(grid, parts_[0], row_.fields, twoParts ? 1 : 0, 0);
    if (twoParts) {
        parts_[1].resize(row_.secondFields.size());
        b.column(grid, parts_[1], row_.secondFields, 1, 1);
    }
    // The total under the fields of the last part, with its Calculate beside it.
    const int below =
        static_cast<int>(std::max(parts_[0].size(), parts_[1].size())) + (twoParts ? 1 : 0);
    const QString caption = tr(row_.totalCaption);
    const auto total =
        b.totalRow(grid, below, twoParts ? 3 : 1, caption, "$0.00", caption.trimmed().chopped(1));
    calculate_ = total.calculate;
    totalShown_ = total.total;
    placeFields(layout, grid, calculate_);
}

bool RequirementPage::prepare() {
    MortgageCase entering = current();
    if (!enterPurposePage(entering, context_.figures.totalLiabilities, regional()))
        return tooLarge();
    showCarried(entering);
    store(context_.entered);
    return true;
}

void RequirementPage::showCarried(const MortgageCase& value) {
    const PurposeRules& rules = purposeRules(purpose_);
    const PurposeFigures& own = value.purposes[static_cast<std::size_t>(purpose_)];
    fieldAt(rules.debts)->show(figureAt(own, rules.debts));
    if (rules.carried != Carried::Nothing)
        fieldAt(rules.carriedInto)->show(figureAt(own, rules.carriedInto));
}

void RequirementPage::showWorkedOut(const CaseResults& results) {
    showCarried(results.worked);
    if (results.passed(step())) {
        total_ = results.purposeTotal;
        totalShown_->setText(regional().currency(total_));
    }
}

void RequirementPage::refreshEquity() {
    if (calculated())
        return;
    if (const auto equity = saleEquity(current().purposes[static_cast<std::size_t>(purpose_)]))
        fieldAt(purposeRules(purpose_).carriedInto)->show(*equity);
}

bool RequirementPage::validate() {
    return !refused(checkRequirement(current()));
}

bool RequirementPage::calculate() {
    if (!validate())
        return false;
    const PurposeFigures& figures = current().purposes[static_cast<std::size_t>(purpose_)];
    const auto requirement = requirementOf(purpose_, figures);
    if (!requirement)
        return tooLarge();
    total_ = *requirement;
    context_.figures.requirement = total_;
    context_.figures.propertyValue = propertyValueOf(purpose_, figures);
    totalShown_->setText(regional().currency(total_));
    setCalculated(true);
    return true;
}

void RequirementPage::showTotals() {
    if (purposeRules(purpose_).carried == Carried::SaleEquity)
        refreshEquity();
    if (const auto requirement =
            requirementOf(purpose_, current().purposes[static_cast<std::size_t>(purpose_)]))
        totalShown_->setText(regional().currency(*requirement));
}

bool RequirementPage::confirm() {
    return !refused(checkRequirementTotal(purpose_, total_, regional()));
}

void RequirementPage::store(MortgageCase& value) const {
    PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose_)];
    for (std::size_t i = 0; i < parts_[0].size(); ++i)
        figures.first[i] = parts_[0][i]->amount();
    for (std::size_t i = 0; i < parts_[1].size(); ++i)
        figures.second[i] = parts_[1][i]->amount();
}

void RequirementPage::forgetWorkedOut(MortgageCase& value) const {
    PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose_)];
    const PurposeRules& rules = purposeRules(purpose_);
    figureAt(figures, rules.debts) = Currency();
    if (rules.carried != Carried::Nothing)
        figureAt(figures, rules.carriedInto) = Currency();
}

void RequirementPage::load(const MortgageCase& value) {
    const PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose_)];
    for (std::size_t i = 0; i < parts_[0].size(); ++i)
        parts_[0][i]->show(figures.first[i]);
    for (std::size_t i = 0; i < parts_[1].size(); ++i)
        parts_[1][i]->show(figures.second[i]);
}

} // namespace hw
