#include "PurposePages.h"
#include "look/Skin.h"
#include "shell/frmMortgage.h"

#include <QPushButton>

// The case as a value: read from the pages' fields, and opened into them.

namespace hw {

namespace {

// The figure a field shows, as a number.
Currency amountShown(const NumericField* field, const Regional& regional) {
    return regional.toCurrency(field->text()).valueOr(Currency());
}
double figureShown(const NumericField* field, const Regional& regional) {
    const bool percent = field->format() == NumericField::Format::Percentage;
    return regional.toDouble(field->text(), percent ? Regional::Percent : Regional::Display)
        .valueOr(0.0);
}

// A field shows a figure in its own form.
void showFigure(NumericField* field, Currency amount, const Regional& regional) {
    field->setText(regional.currency(amount));
}
void showFigure(NumericField* field, double figure, const Regional& regional) {
    field->setText(field->format() == NumericField::Format::Percentage
                       ? regional.percent(figure / 100.0)
                       : regional.number(figure));
}

template <std::size_t N>
void read(std::span<NumericField* const> fields, std::array<Currency, N>& figures,
          const Regional& regional) {
    for (std::size_t i = 0; i < std::min(N, fields.size()); ++i)
        figures[i] = amountShown(fields[i], regional);
}
template <std::size_t N>
void showFigures(std::span<NumericField* const> fields, const std::array<Currency, N>& figures,
                 const Regional& regional) {
    for (std::size_t i = 0; i < std::min(N, fields.size()); ++i)
        showFigure(fields[i], figures[i], regional);
}

} // namespace

MortgageCase frmMortgage::caseValue() const {
    // The purpose pages' rows hand out their fields for building and reading alike.
    auto& pages = const_cast<frmMortgage&>(*this);
    MortgageCase value;
    value.purpose = Purpose;
    read(std::span(txtAssets), value.assets, regional_);
    read(std::span(txtLiabilities), value.liabilities, regional_);
    for (std::size_t row = 0; row < value.income.size(); ++row)
        value.income[row] = {amountShown(txtIncome[3 * row], regional_),
                             figureShown(txtIncome[3 * row + 1], regional_)};
    read(std::span(txtBudget), value.budget, regional_);
    value.fortnightlyBudget = Skin::isPressed(optBudget[0]);
    for (int purpose = 0; purpose < PurposeCount; ++purpose) {
        const PurposeRow& row = purposeRow(purpose);
        PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose)];
        read(row.group(pages, 0), figures.first, regional_);
        if (!row.secondFields.empty())
            read(row.group(pages, 1), figures.second, regional_);
    }
    value.valuationFee = amountShown(txtCosts[1], regional_);
    value.legalFee = amountShown(txtCosts[2], regional_);
    value.chargesMode = chargesMode();
    value.chargesPercent = figureShown(txtCharges[0], regional_);
    value.chargesAmount = amountShown(txtCharges[1], regional_);
    value.ratePercent = figureShown(txtRate[0], regional_);
    value.termYears = figureShown(txtRate[1], regional_);
    return value;
}

bool frmMortgage::openCase(const MortgageCase& value) {
    buildRemainingPages();
    showFigures(std::span(txtAssets), value.assets, regional_);
    showFigures(std::span(txtLiabilities), value.liabilities, regional_);
    for (std::size_t row = 0; row < value.income.size(); ++row) {
        showFigure(txtIncome[3 * row], value.income[row].gross, regional_);
        showFigure(txtIncome[3 * row + 1], value.income[row].taxPercent, regional_);
    }
    showFigures(std::span(txtBudget), value.budget, regional_);
    Skin::setPressed(optBudget[value.fortnightlyBudget ? 0 : 1], true);
    for (int purpose = 0; purpose < PurposeCount; ++purpose) {
        const PurposeRow& row = purposeRow(purpose);
        const PurposeFigures& figures = value.purposes[static_cast<std::size_t>(purpose)];
        showFigures(row.group(*this, 0), figures.first, regional_);
        if (!row.secondFields.empty())
            showFigures(row.group(*this, 1), figures.second, regional_);
    }
    showFigure(txtCosts[1], value.valuationFee, regional_);
    showFigure(txtCosts[2], value.legalFee, regional_);
    setChargesMode(value.chargesMode);
    showFigure(txtCharges[0], value.chargesPercent, regional_);
    showFigure(txtCharges[1], value.chargesAmount, regional_);
    showFigure(txtRate[0], value.ratePercent, regional_);
    showFigure(txtRate[1], value.termYears, regional_);
    Purpose = static_cast<std::int16_t>(value.purpose);

    // Every page's own checks and calculations run as the user's Next runs them.
    openingCase_ = true;
    TargetStep = OpeningStep;
    ShowStep();
    bool whole = true;
    while (whole && CurrentStep != ResultsStep) {
        const int before = CurrentStep;
        cmdNext_Click();
        whole = CurrentStep != before;
    }
    openingCase_ = false;
    // The page the walk ends on is laid out as any page shown.
    TargetStep = CurrentStep;
    ShowStep();
    return whole;
}

void frmMortgage::setChargesMode(ChargesMode mode) {
    const bool percent = mode == ChargesMode::Percent;
    txtCharges[0]->setKind(percent ? NumericField::Kind::Input : NumericField::Kind::Display);
    txtCharges[1]->setKind(percent ? NumericField::Kind::Display : NumericField::Kind::Input);
    Skin::setPressed(optCharges[percent ? 0 : 1], true);
}

} // namespace hw
