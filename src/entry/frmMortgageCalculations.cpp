#include "EntryMessages.h"
#include "calc/PageArithmetic.h"
#include "look/Skin.h"
#include "shell/Message.h"
#include "shell/frmMortgage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The Calculate buttons of the data pages and what Next prepares on entry.

namespace hw {

namespace {

template <std::size_t N>
std::vector<Currency> amounts(const FieldGroup<N>& group, const Regional& r) {
    std::vector<Currency> values;
    for (const NumericField* field : group)
        values.push_back(amountIn(field->text(), r));
    return values;
}
} // namespace

void frmMortgage::connectCalculateButtons() {
    onAction(cmdAssets, [this] { cmdAssets_Click(); });
    onAction(cmdLiabilities, [this] { cmdLiabilities_Click(); });
    onAction(cmdIncome, [this] { cmdIncome_Click(); });
    onAction(cmdBudget, [this] { cmdBudget_Click(); });
    for (int i = 0; i < 10; ++i)
        onAction(cmdTotal[static_cast<std::size_t>(i)], [this, i] { cmdTotal_Click(i); });
}

bool frmMortgage::runPageCalculate(int step) {
    switch (step) {
    case AssetsStep:
        return cmdAssets_Click();
    case LiabilitiesStep:
        return cmdLiabilities_Click();
    case IncomeStep:
        return cmdIncome_Click();
    case BudgetStep:
        return cmdBudget_Click();
    case ChargesStep:
        return cmdTotal_Click(9);
    default:
        return isRequirementStep(step) ? cmdTotal_Click(Purpose) : true;
    }
}

bool frmMortgage::showPageSum(const std::vector<Currency>& values, Currency& total,
                              QLineEdit* display) {
    const auto exact = sum(values);
    if (!exact) {
        ShowMessage(tr(entry::TooLarge), MsgOkOnly);
        return false;
    }
    total = *exact;
    display->setText(regional_.currency(total));
    PageCalculated = true;
    return true;
}

bool frmMortgage::cmdAssets_Click() {
    return ValidateStep() &&
           showPageSum(amounts(txtAssets, regional_), TotalAssets, txtTotalAssets);
}

bool frmMortgage::cmdLiabilities_Click() {
    return showPageSum(amounts(txtLiabilities, regional_), TotalLiabilities, txtTotalLiabilities);
}

bool frmMortgage::cmdIncome_Click() {
    if (!ValidateStep())
        return false;
    std::array<IncomeRow, 3> rows{};
    for (std::size_t row = 0; row < 3; ++row) {
        rows[row].gross = amountOf(txtIncome[3 * row]);
        rows[row].taxRate =
            regional_.toFloat(txtIncome[3 * row + 1]->text(), Regional::Percent).valueOr(0.0F);
    }
    const auto result = calculateIncome(rows, regional_);
    if (!result) {
        ShowMessage(tr(entry::TooLarge), MsgOkOnly);
        return false;
    }
    for (std::size_t row = 0; row < 3; ++row)
        txtIncome[3 * row + 2]->setText(result->afterTaxTexts[row]);
    MonthlyIncomeAfterTax = result->monthlyAfterTax;
    txtTaxIncome->setText(result->monthlyGrossText);
    txtAfterTaxIncome->setText(result->monthlyAfterTaxText);
    // The after-tax fields just changed, so the page stays "not calculated" and
    // Next repeats this Calculate, with the same result.
    return true;
}

bool frmMortgage::cmdBudget_Click() {
    const auto values = amounts(txtBudget, regional_);
    const auto monthly = monthlyExpenditure(values, Skin::isPressed(optBudget[0]));
    if (!monthly) {
        ShowMessage(tr(entry::TooLarge), MsgOkOnly);
        return false;
    }
    MonthlyExpenditure = *monthly;
    if (const auto* exact = std::get_if<Currency>(&MonthlyExpenditure))
        txtTotalBudget->setText(regional_.currency(*exact));
    else
        txtTotalBudget->setText(regional_.currency(std::get<double>(MonthlyExpenditure)));
    PageCalculated = true;
    return true;
}

bool frmMortgage::cmdTotal_Click(int index) {
    if (!ValidateStep())
        return false;
    if (index == 9)
        return calculateCharges();
    const PurposeFormula& formula = purposeFormula(index);
    const FieldText text = [this, index](int part, int i) {
        return purposeField(index, {part, i})->text();
    };
    const auto requirement = requirementOf(formula, text, regional_);
    if (!requirement) {
        ShowMessage(tr(entry::TooLarge), MsgOkOnly);
        return false;
    }
    MortgageRequirement = *requirement;
    PropertyValue = propertyValueOf(formula, text, regional_);
    txtTotal[static_cast<std::size_t>(index)]->setText(regional_.currency(MortgageRequirement));
    PageCalculated = true;
    return true;
}

ChargesTexts frmMortgage::chargesTexts() const {
    return {txtCosts[0]->text(),   txtCosts[1]->text(),   txtCosts[2]->text(), txtCosts[3]->text(),
            txtCharges[0]->text(), txtCharges[1]->text(), txtTotal[9]->text()};
}

void frmMortgage::showChargesTexts(const ChargesTexts& page) {
    const std::pair<QLineEdit*, const QString*> fields[] = {
        {txtCosts[0], &page.subtotal},  {txtCosts[1], &page.valuation},
        {txtCosts[2], &page.legal},     {txtCosts[3], &page.beforeBank},
        {txtCharges[0], &page.percent}, {txtCharges[1], &page.amount},
        {txtTotal[9], &page.total}};
    // Only changed texts are written, so that no field reports a change it did not have.
    for (const auto& [field, text] : fields)
        if (field->text() != *text)
            field->setText(*text);
}

bool frmMortgage::calculateCharges() {
    ChargesTexts page = chargesTexts();
    const auto outcome = hw::calculateCharges(page, chargesMode(), PropertyValue, regional_);
    if (!outcome) {
        ShowMessage(tr(entry::TooLarge), MsgOkOnly);
        return false;
    }
    showChargesTexts(page);
    MortgageRequirement = outcome->requirement;
    LoanValueRatio = outcome->loanValueRatio;
    PageCalculated = true;
    return true;
}

void frmMortgage::prepareOwnedHomeFields(NumericField* home, NumericField* rentals) {
    // The first-home purposes own no home or rental properties yet. What was
    // typed there before is kept aside, and comes back with a purpose that owns a home.
    const bool firstHome = isFirstHome(Purpose);
    for (NumericField* field : {home, rentals}) {
        field->setEnabled(!firstHome);
        if (firstHome) {
            ownedHomeTexts_.try_emplace(field, field->text());
            field->setText(regional_.currency(Currency()));
        } else if (const auto kept = ownedHomeTexts_.find(field); kept != ownedHomeTexts_.end()) {
            field->setText(kept->second);
            ownedHomeTexts_.erase(kept);
        }
    }
}

void frmMortgage::preparePurposePage() {
    const PurposeRow& row = purposeRow(Purpose);
    purposeField(Purpose, row.debts)->setText(regional_.currency(TotalLiabilities));
    NumericField* into = purposeField(Purpose, row.carriedInto);
    switch (row.carried) {
    case Carried::Nothing:
        break;
    case Carried::HomeValue:
        into->setText(txtAssets[0]->text());
        break;
    case Carried::SaleEquity: {
        // Price - fees - debts + contribution of the selling part, as it stands on entry.
        std::array<QString, 4> selling;
        for (int i = 0; i < 4; ++i)
            selling[static_cast<std::size_t>(i)] = purposeField(Purpose, {0, i})->text();
        into->setText(regional_.currency(static_cast<double>(entryEquity(selling, regional_))));
        break;
    }
    case Carried::OwnedProperties: {
        const Currency parts[] = {amountOf(txtAssets[0]), amountOf(txtAssets[1])};
        into->setText(regional_.currency(sum(parts).value_or(Currency())));
        break;
    }
    }
}

ChargesMode frmMortgage::chargesMode() const {
    // The field the user types the bank charges into tells the mode.
    return txtCharges[1]->isDisplay() ? ChargesMode::Percent : ChargesMode::FixedAmount;
}

bool frmMortgage::prepareChargesPage() {
    ChargesTexts page = chargesTexts();
    if (!setUpCharges(page, MortgageRequirement, chargesMode(), regional_)) {
        ShowMessage(tr(entry::TooLarge), MsgOkOnly);
        return false;
    }
    showChargesTexts(page);
    return true;
}

void frmMortgage::BuildSummary() {
    const auto lines =
        buildSummaryLines(MortgageRequirement, LoanValueRatio, txtAfterTaxIncome->text(),
                          txtTotalBudget->text(), regional_);
    for (std::size_t i = 0; i < lines.size(); ++i)
        lblMortgage[i]->setText(lines[i]);
}

} // namespace hw
