#include "EntryMessages.h"
#include "PageBuilder.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"
#include "shell/Message.h"
#include "shell/frmMortgage.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// What the data pages share: building them, the field events that every page
// answers, and the two-state buttons of the budget and charges pages.

namespace hw {

void frmMortgage::buildPageContents(int step, QWidget* panel, QVBoxLayout* page) {
    PageBuilder b(panel, regional_, [this](NumericField* field) { adoptField(field); });
    switch (step) {
    case AssetsStep:
        buildAssetsPage(page, b);
        break;
    case LiabilitiesStep:
        buildLiabilitiesPage(page, b);
        break;
    case IncomeStep:
        buildIncomePage(page, b);
        break;
    case BudgetStep:
        buildBudgetPage(page, b);
        break;
    case ChargesStep:
        buildChargesPage(page, b);
        break;
    case RateStep:
        buildRatePage(page, b);
        break;
    case ResultsStep:
        buildResultsPage(page, b);
        break;
    default:
        if (isRequirementStep(step))
            buildPurposePageFields(step - FirstRequirementStep, page, b);
        break;
    }
}

void frmMortgage::adoptField(NumericField* field) {
    // Any change of a field's text, typed or written, makes the page's totals stale.
    connect(field, &QLineEdit::textChanged, this, [this] { PageCalculated = false; });
    // A figure changed: the title marks a case with unsaved changes.
    connect(field, &NumericField::committed, this, [this] { refreshTitle(); });
}

void frmMortgage::connectPageButtons() {
    connectCalculateButtons();
    for (std::size_t i = 0; i < txtCosts.size() - 1; ++i)
        connect(txtCosts[i], &NumericField::committed, this, [this] { refreshCostsSubtotal(); });
    // Leaving a field of a selling part refreshes the equity of the sale.
    for (int purpose = 0; purpose < PurposeCount; ++purpose) {
        const PurposeRow& row = purposeRow(purpose);
        if (row.carried != Carried::SaleEquity)
            continue;
        const std::span<NumericField*> selling = row.group(*this, 0);
        NumericField* equity = purposeField(purpose, row.carriedInto);
        for (NumericField* field : selling)
            connect(field, &NumericField::committed, this,
                    [this, selling, equity] { refreshEquity(selling, equity); });
    }

    auto* periods = new QButtonGroup(this);
    auto* modes = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        periods->addButton(optBudget[k], i);
        modes->addButton(optCharges[k], i);
        onAction(optBudget[k], [this, i] { optBudget_Click(i); });
        onAction(optCharges[k], [this, i] { optCharges_Click(i); });
    }
    arrowKeysChooseAmong(periods->buttons());
    arrowKeysChooseAmong(modes->buttons());
}

void frmMortgage::setUpControls() {
    // Starting states: fortnightly budget, bank charges as a percentage, and the
    // first purpose button held back until the opening page is left.
    Skin::setPressed(optBudget[0], true);
    optPurpose[0]->setEnabled(false);
    Skin::setPressed(optCharges[0], true);
    txtCharges[0]->setKind(NumericField::Kind::Input);
    txtCharges[1]->setKind(NumericField::Kind::Display);
}

Currency frmMortgage::amountOf(const QLineEdit* field) const {
    return amountIn(field->text(), regional_);
}

void frmMortgage::refreshCostsSubtotal() {
    if (PageCalculated)
        return;
    if (const auto total = totalBeforeBank(chargesTexts(), regional_))
        txtCosts[3]->setText(regional_.currency(*total));
}

void frmMortgage::refreshEquity(std::span<NumericField*> selling, NumericField* equity) {
    if (PageCalculated)
        return;
    // Selling price less fees less current debts plus the contribution.
    auto value = amountOf(selling[0]).minus(amountOf(selling[1]));
    if (value)
        value = value->minus(amountOf(selling[2]));
    if (value)
        value = value->plus(amountOf(selling[3]));
    if (value)
        equity->setText(regional_.currency(*value));
}

void frmMortgage::optBudget_Click(int index) {
    PageCalculated = false;
    Skin::setPressed(optBudget[static_cast<std::size_t>(index)], true);
}

void frmMortgage::optCharges_Click(int index) {
    if (index == 0) {
        setChargesMode(ChargesMode::Percent);
        txtCharges[0]->takeFocus();
        return;
    }
    const float percent = regional_.toFloat(txtCharges[0]->text(), Regional::Percent).valueOr(0.0F);
    // Already in Fixed Amount mode, the percentage is only what the amount gives.
    if (chargesMode() == ChargesMode::FixedAmount || percent <= entry::HighestPercentage) {
        setChargesMode(ChargesMode::FixedAmount);
        txtCharges[1]->takeFocus();
        return;
    }
    Skin::setPressed(optCharges[0], true);
    ShowMessage(tr(entry::BankChargesTooHigh), MsgOkOnly);
    txtCharges[0]->takeFocus();
}

} // namespace hw
