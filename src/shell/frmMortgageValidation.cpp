#include "Message.h"
#include "entry/EntryMessages.h"
#include "frmMortgage.h"

#include <QPushButton>

// The checks made before a page is left or calculated, and Back's repair of
// percentages that are out of range.

namespace hw {

namespace {

using entry::HighestPercentage;
// A term must hold at least one month and stay within a lifetime.
constexpr float ShortestTerm = 0.1F;
constexpr float LongestTerm = 100.0F;

struct Rule {
    enum Test { ZeroAmount, PercentageTooHigh, TermOutOfRange, FixedChargeTooHigh };
    Test test;
    NumericField* field;
    const char* message;
};

} // namespace

bool frmMortgage::ValidateStep() {
    const char* const taxRate = "Tax rate must be less than 100%.";
    std::vector<Rule> rules;
    switch (CurrentStep) {
    case AssetsStep:
        // Only the purposes that involve a home the user already owns.
        if (needsHomeValue(Purpose))
            rules = {{Rule::ZeroAmount, txtAssets[0], entry::RequiredValue}};
        break;
    case IncomeStep:
        rules = {{Rule::ZeroAmount, txtIncome[0], "Please enter your income value."},
                 {Rule::PercentageTooHigh, txtIncome[1], taxRate},
                 {Rule::PercentageTooHigh, txtIncome[4], taxRate},
                 {Rule::PercentageTooHigh, txtIncome[7], taxRate}};
        break;
    case ChargesStep:
        // The charges are checked where the user gives them: the percentage, or the fixed
        // amount against the total before bank charges.
        if (chargesMode() == ChargesMode::Percent)
            rules = {{Rule::PercentageTooHigh, txtCharges[0], entry::BankChargesTooHigh}};
        else
            rules = {{Rule::FixedChargeTooHigh, txtCharges[1], entry::BankChargesTooHigh}};
        break;
    case RateStep:
        rules = {{Rule::PercentageTooHigh, txtRate[0], "Interest rate must be less than 100%."},
                 {Rule::TermOutOfRange, txtRate[1], "Term in years must be between 0.1 and 100."}};
        break;
    default:
        if (isRequirementStep(CurrentStep))
            for (const RequiredField& field : purposeRow(Purpose).required)
                rules.push_back(
                    {Rule::ZeroAmount, purposeField(Purpose, field.field), field.message});
        break;
    }

    for (const Rule& rule : rules) {
        bool fails = false;
        if (rule.test == Rule::ZeroAmount) {
            // Text that does not read as a number counts as no value at all.
            const auto amount = regional_.toCurrency(rule.field->text());
            fails = !amount || amount.value.isZero();
        } else if (rule.test == Rule::PercentageTooHigh) {
            const auto percent = regional_.toFloat(rule.field->text(), Regional::Percent);
            fails = !percent || percent.value > HighestPercentage;
        } else if (rule.test == Rule::FixedChargeTooHigh) {
            const auto share = fixedChargeShare(chargesTexts(), regional_);
            fails = !share || *share * 100.0 > static_cast<double>(HighestPercentage);
        } else {
            const auto years = regional_.toFloat(rule.field->text());
            fails = !years || !(years.value >= ShortestTerm && years.value <= LongestTerm);
        }
        if (fails) {
            ShowMessage(tr(rule.message), MsgOkOnly);
            rule.field->takeFocus();
            return false;
        }
    }
    return true;
}

void frmMortgage::repairPercentages() {
    const auto repair = [this](NumericField* field, double fraction) {
        const auto percent = regional_.toFloat(field->text(), Regional::Percent);
        if (percent && percent.value > HighestPercentage)
            field->setText(regional_.percent(fraction));
    };
    switch (CurrentStep) {
    case IncomeStep:
        for (std::size_t i : {1U, 4U, 7U})
            repair(txtIncome[i], 0.0);
        break;
    case ChargesStep:
        repair(txtCharges[0], 0.01);
        break;
    case RateStep:
        repair(txtRate[0], 0.08);
        break;
    default:
        break;
    }
}

NumericField* frmMortgage::entryFocusOf(int step) {
    // A household that owns no home starts on the first field it can type into.
    const std::size_t first = ownsHome(Purpose) ? 0 : 2;
    switch (step) {
    case AssetsStep:
        return txtAssets[first];
    case LiabilitiesStep:
        return txtLiabilities[first];
    case IncomeStep:
        return txtIncome[0];
    case BudgetStep:
        return txtBudget[0];
    case ChargesStep:
        return txtCosts[1];
    case RateStep:
        return txtRate[0];
    default:
        return isRequirementStep(step) ? purposeField(Purpose, purposeRow(Purpose).entryFocus)
                                       : nullptr;
    }
}

} // namespace hw
