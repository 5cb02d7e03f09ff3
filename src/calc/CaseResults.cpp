// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseResults.h"

#include "CaseFields.h"
#include "Limits.h"
#include "steps/StepPath.h"

#include <QCoreApplication>

namespace hw {

namespace {

const char* const RefinanceWithoutDebts =
    QT_TRANSLATE_NOOP("hw::StepPage", "If you are refinancing your debt must be over $0!");
const char* const NoIncome = QT_TRANSLATE_NOOP("hw::StepPage", "Please enter your income value.");
const char* const TaxRateTooHigh =
    QT_TRANSLATE_NOOP("hw::StepPage", "Tax rate must be less than 100%.");
const char* const NothingToBorrow =
    QT_TRANSLATE_NOOP("hw::StepPage", "The amount you want to borrow must be over $0!");
const char* const RateTooHigh =
    QT_TRANSLATE_NOOP("hw::StepPage", "Interest rate must be less than 100%.");
const char* const TermOutOfRange =
    QT_TRANSLATE_NOOP("hw::StepPage", "Term in years must be between 0.1 and 100.");

// The title of a step's page, for naming a field of it.
const char* titleOf(int step) {
    switch (step) {
    case AssetsStep:
        return captions::AssetsTitle;
    case LiabilitiesStep:
        return captions::LiabilitiesTitle;
    case IncomeStep:
        return captions::IncomeTitle;
    case BudgetStep:
        return captions::BudgetTitle;
    case ChargesStep:
        return captions::ChargesTitle;
    case RateStep:
        return captions::RateTitle;
    default:
        return captions::Purposes[static_cast<std::size_t>(step - FirstRequirementStep)].title;
    }
}

// The name of a field of a step's page: "Income, Annual Gross Taxable Income".
QString fieldNameOf(int step, PageField field) {
    const auto at = static_cast<std::size_t>(field.index);
    const char* caption = nullptr;
    switch (step) {
    case AssetsStep:
        caption = captions::Assets[at];
        break;
    case IncomeStep:
        if (field.part == 1)
            return captions::taxRateName(at);
        caption = captions::Income[at];
        break;
    case ChargesStep:
        caption = captions::BankCharges;
        break;
    case RateStep:
        caption = field.index == 0 ? captions::InterestRate : captions::Term;
        break;
    default: {
        const captions::PurposeCaptions& purpose =
            captions::Purposes[static_cast<std::size_t>(step - FirstRequirementStep)];
        caption = field.part == 0 ? purpose.first[at] : purpose.second[at];
    }
    }
    return captions::fieldName(titleOf(step), caption);
}

CaseRefusal refusalAt(int step, std::optional<PageField> field, const char* message) {
    return {step, field, message};
}

} // namespace

QString CaseRefusal::describe() const {
    const QString what = field ? fieldNameOf(step, *field) : captions::pageName(titleOf(step));
    return QCoreApplication::translate("hw::CaseResults", "%1: %2")
        .arg(what, QCoreApplication::translate("hw::StepPage", message));
}

const PurposeRules& purposeRules(int purpose) {
    const auto add = [](int part, int index) { return Term{{part, index}, +1}; };
    const auto less = [](int part, int index) { return Term{{part, index}, -1}; };
    using enum Carried;
    static const PurposeRules rules[PurposeCount] = {
        // First Home Buyer: price - contribution + debts; secured by the price.
        {{add(0, 0), less(0, 1), add(0, 2)},
         {add(0, 0)},
         {0, 2},
         Nothing,
         {},
         {{{0, 0}, refusals::RequiredValue}}},
        // First Home Builder: land + building - contribution + debts; land and building.
        {{add(0, 0), add(0, 1), less(0, 2), add(0, 3)},
         {add(0, 0), add(0, 1)},
         {0, 3},
         Nothing,
         {},
         {{{0, 1}, refusals::RequiredValue}}},
        // Home Improvement: improvements + debts - contribution; the home (its
        // value from the assets) and the improvements.
        {{add(0, 1), add(0, 2), less(0, 3)},
         {add(0, 0), add(0, 1)},
         {0, 2},
         HomeValue,
         {0, 0},
         {{{0, 1}, refusals::RequiredValue}}},
        // Selling and Buying: price + cash kept - equity of the sale; the new property.
        {{add(1, 1), add(1, 2), less(1, 0)},
         {add(1, 1)},
         {0, 2},
         SaleEquity,
         {1, 0},
         {{{0, 0}, QT_TRANSLATE_NOOP("hw::StepPage", "Please enter Selling Price.")},
          {{1, 1}, QT_TRANSLATE_NOOP("hw::StepPage", "Please enter Purchase Price.")}}},
        // Selling and Building: land + building + cash kept - equity; land and building.
        {{add(1, 1), add(1, 2), add(1, 3), less(1, 0)},
         {add(1, 1), add(1, 2)},
         {0, 2},
         SaleEquity,
         {1, 0},
         {{{0, 0}, QT_TRANSLATE_NOOP("hw::StepPage", "Please enter Selling Price.")},
          {{1, 2}, QT_TRANSLATE_NOOP("hw::StepPage", "Please enter Cost to build.")}}},
        // Additional Real Estate: price + debts - contribution; the new and the
        // other properties (their value from the assets).
        {{add(0, 0), add(0, 1), less(0, 2)},
         {add(0, 0), add(0, 3)},
         {0, 1},
         OwnedProperties,
         {0, 3},
         {{{0, 0}, QT_TRANSLATE_NOOP("hw::StepPage", "Please enter Purchase Price.")}}},
        // Additional Building: land + building + debts - contribution; those and the properties.
        {{add(0, 0), add(0, 1), add(0, 2), less(0, 3)},
         {add(0, 0), add(0, 1), add(0, 4)},
         {0, 2},
         OwnedProperties,
         {0, 4},
         {{{0, 1}, QT_TRANSLATE_NOOP("hw::StepPage", "Please enter Cost to build.")}}},
        // Refinance: cash kept + debts - contribution; the properties owned.
        {{add(0, 0), add(0, 1), less(0, 2)}, {add(0, 3)}, {0, 1}, OwnedProperties, {0, 3}, {}},
        // Other Loans: the amount + debts - contribution; secured by the amount.
        {{add(0, 0), add(0, 1), less(0, 2)}, {add(0, 0)}, {0, 1}, Nothing, {}, {}},
    };
    return rules[purpose];
}

Currency& figureAt(PurposeFigures& figures, PageField field) {
    const auto at = static_cast<std::size_t>(field.index);
    return field.part == 0 ? figures.first[at] : figures.second[at];
}

Currency figureAt(const PurposeFigures& figures, PageField field) {
    const auto at = static_cast<std::size_t>(field.index);
    return field.part == 0 ? figures.first[at] : figures.second[at];
}

std::optional<Currency> requirementOf(int purpose, const PurposeFigures& figures) {
    std::optional<Currency> total = Currency();
    for (const Term& term : purposeRules(purpose).requirement) {
        const Currency value = figureAt(figures, term.field);
        total = term.sign > 0 ? total->plus(value) : total->minus(value);
        if (!total)
            return std::nullopt;
    }
    return total;
}

float propertyValueOf(int purpose, const PurposeFigures& figures) {
    float total = 0.0F;
    for (const Term& term : purposeRules(purpose).propertyValue)
        total += figureAt(figures, term.field).toFloat();
    return total;
}

std::optional<Currency> saleEquity(const PurposeFigures& figures) {
    const std::array<Currency, 5>& selling = figures.first;
    auto value = selling[0].minus(selling[1]);
    if (value)
        value = value->minus(selling[2]);
    if (value)
        value = value->plus(selling[3]);
    return value;
}

std::optional<Currency> carriedValue(const MortgageCase& value) {
    switch (purposeRules(value.purpose).carried) {
    case Carried::Nothing:
        return std::nullopt;
    case Carried::HomeValue:
        return value.assets[0];
    case Carried::SaleEquity:
        return saleEquity(value.purposes[static_cast<std::size_t>(value.purpose)]);
    case Carried::OwnedProperties: {
        const Currency owned[] = {value.assets[0], value.assets[1]};
        return sum(owned).value_or(Currency());
    }
    }
    return std::nullopt;
}

void leaveOutOwnedHomes(MortgageCase& value) {
    if (!isFirstHome(value.purpose))
        return;
    for (std::size_t i = 0; i < 2; ++i) {
        value.assets[i] = Currency();
        value.liabilities[i] = Currency();
    }
}

Refusal checkAssets(const MortgageCase& value) {
    if (needsHomeValue(value.purpose) && value.assets[0].isZero())
        return refusalAt(AssetsStep, PageField{0, 0}, refusals::RequiredValue);
    return std::nullopt;
}

Refusal checkLiabilitiesTotal(const MortgageCase& value, Currency totalLiabilities) {
    if (needsDebts(value.purpose) && totalLiabilities <= Currency())
        return refusalAt(LiabilitiesStep, std::nullopt, RefinanceWithoutDebts);
    return std::nullopt;
}

Refusal checkIncome(const MortgageCase& value) {
    if (value.income[0].gross.isZero())
        return refusalAt(IncomeStep, PageField{0, 0}, NoIncome);
    for (std::size_t row = 0; row < value.income.size(); ++row)
        if (!withinHighestPercent(value.income[row].taxPercent))
            return refusalAt(IncomeStep, PageField{1, static_cast<int>(row)}, TaxRateTooHigh);
    return std::nullopt;
}

Refusal checkRequirement(const MortgageCase& value) {
    const PurposeFigures& figures = value.purposes[static_cast<std::size_t>(value.purpose)];
    for (const RequiredField& required : purposeRules(value.purpose).required)
        if (figureAt(figures, required.field).isZero())
            return refusalAt(requirementStep(value.purpose), required.field, required.message);
    return std::nullopt;
}

Refusal checkRequirementTotal(int purpose, Currency total, const Regional& regional) {
    if (regional.shown(total) <= Currency())
        return refusalAt(requirementStep(purpose), std::nullopt, NothingToBorrow);
    return std::nullopt;
}

Refusal checkCharges(const MortgageCase& value, const ChargesFigures& page) {
    if (value.chargesMode == ChargesMode::Percent) {
        if (!withinHighestPercent(value.chargesPercent))
            return refusalAt(ChargesStep, PageField{0, 0}, refusals::BankChargesTooHigh);
        return std::nullopt;
    }
    // The share the amount is of the total before it, against 99.99 % as read in 32 bits.
    const auto share = fixedChargeShare(page);
    if (!share || *share * 100.0 > static_cast<double>(static_cast<float>(HighestPercent)))
        return refusalAt(ChargesStep, PageField{0, 1}, refusals::BankChargesTooHigh);
    return std::nullopt;
}

Refusal checkRate(const MortgageCase& value) {
    if (!withinHighestPercent(value.ratePercent))
        return refusalAt(RateStep, PageField{0, 0}, RateTooHigh);
    if (!withinTermLimits(value.termYears))
        return refusalAt(RateStep, PageField{0, 1}, TermOutOfRange);
    return std::nullopt;
}

CaseRefusal tooLargeAt(int step) {
    return refusalAt(step, std::nullopt, refusals::TooLarge);
}

ChargesFigures chargesOnEntry(const MortgageCase& value) {
    ChargesFigures page;
    page.valuation = value.valuationFee;
    page.legal = value.legalFee;
    page.percent = value.chargesPercent;
    page.amount = value.chargesAmount;
    return page;
}

std::optional<IncomeResult> workOutIncome(const MortgageCase& value, const Regional& regional,
                                          CaseFigures& figures) {
    std::array<IncomeRow, 3> rows{};
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = {value.income[row].gross, static_cast<float>(value.income[row].taxPercent)};
    auto income = calculateIncome(rows, regional);
    if (income) {
        figures.monthlyIncomeAfterTax = income->monthlyAfterTax;
        figures.shownIncomeAfterTax = income->shownMonthlyAfterTax;
    }
    return income;
}

bool workOutExpenditure(const MortgageCase& value, const Regional& regional, CaseFigures& figures) {
    const auto monthly = monthlyExpenditure(value.budget, value.fortnightlyBudget);
    if (!monthly)
        return false;
    figures.monthlyExpenditure = *monthly;
    const auto* exact = std::get_if<Currency>(&*monthly);
    figures.shownExpenditure =
        exact ? regional.shown(*exact) : regional.shown(std::get<double>(*monthly));
    return true;
}

bool enterPurposePage(MortgageCase& value, Currency totalLiabilities, const Regional& regional) {
    const PurposeRules& rules = purposeRules(value.purpose);
    PurposeFigures& own = value.purposes[static_cast<std::size_t>(value.purpose)];
    figureAt(own, rules.debts) = regional.shown(totalLiabilities);
    if (rules.carried == Carried::Nothing)
        return true;
    const auto carried = carriedValue(value);
    if (carried)
        figureAt(own, rules.carriedInto) = regional.shown(*carried);
    return carried.has_value();
}

bool CaseResults::passed(int step) const {
    // The steps a case passes lie on its purpose's path before the one reached.
    const int place = placeOnPath(step, worked.purpose).place;
    return place > 0 && place < placeOnPath(reached, worked.purpose).place;
}

OptionsInput optionsInputOf(const MortgageCase& value, const CaseFigures& figures) {
    return {figures.requirement,
            static_cast<float>(value.ratePercent),
            static_cast<float>(value.termYears),
            figures.monthlyIncomeAfterTax,
            toDouble(figures.monthlyExpenditure),
            figures.shownIncomeAfterTax,
            figures.shownExpenditure,
            value.compounding};
}

CaseResults workOutCase(const MortgageCase& value, const Regional& regional, Schedules schedules) {
    CaseResults r;
    r.worked = value;
    MortgageCase& c = r.worked;
    CaseFigures& f = r.figures;
    const auto stop = [&r, &c, &f](const CaseRefusal& refusal) {
        // What the case comes to as far as it goes.
        r.optionsInput = optionsInputOf(c, f);
        r.refusal = refusal;
        r.reached = refusal.step;
        return r;
    };
    leaveOutOwnedHomes(c);

    if (const Refusal no = checkAssets(c))
        return stop(*no);
    const auto assets = sum(c.assets);
    if (!assets)
        return stop(tooLargeAt(AssetsStep));
    f.totalAssets = *assets;

    const auto debts = sum(c.liabilities);
    if (!debts)
        return stop(tooLargeAt(LiabilitiesStep));
    f.totalLiabilities = *debts;
    if (const Refusal no = checkLiabilitiesTotal(c, *debts))
        return stop(*no);

    if (const Refusal no = checkIncome(c))
        return stop(*no);
    r.income = workOutIncome(c, regional, f);
    if (!r.income)
        return stop(tooLargeAt(IncomeStep));
    if (!workOutExpenditure(c, regional, f))
        return stop(tooLargeAt(BudgetStep));

    // The purpose page is given the debts and what it carries on entry; a
    // carried sum beyond the range keeps the page before.
    const int purposeStep = requirementStep(c.purpose);
    if (!enterPurposePage(c, f.totalLiabilities, regional))
        return stop(tooLargeAt(BudgetStep));
    const PurposeFigures& own = c.purposes[static_cast<std::size_t>(c.purpose)];
    if (const Refusal no = checkRequirement(c))
        return stop(*no);
    const auto requirement = requirementOf(c.purpose, own);
    if (!requirement)
        return stop(tooLargeAt(purposeStep));
    r.purposeTotal = *requirement;
    f.requirement = *requirement;
    f.propertyValue = propertyValueOf(c.purpose, own);
    if (const Refusal no = checkRequirementTotal(c.purpose, *requirement, regional))
        return stop(*no);

    // The fees and bank charges page takes the requirement, keeping the bank charges as given.
    r.charges = chargesOnEntry(c);
    if (!setUpCharges(r.charges, f.requirement, c.chargesMode, regional))
        return stop(tooLargeAt(purposeStep));
    c.chargesPercent = r.charges.percent;
    c.chargesAmount = r.charges.amount;
    if (const Refusal no = checkCharges(c, r.charges))
        return stop(*no);
    // Calculate works the bank charges out from the same total as on entry.
    const auto charged = calculateCharges(r.charges, c.chargesMode, f.propertyValue, regional);
    if (!charged)
        return stop(tooLargeAt(ChargesStep));
    f.requirement = charged->requirement;
    f.loanValueRatio = charged->loanValueRatio;

    if (const Refusal no = checkRate(c))
        return stop(*no);
    r.optionsInput = optionsInputOf(c, f);
    r.options = calculateOptions(r.optionsInput, schedules);
    r.reached = ResultsStep;
    return r;
}

} // namespace hw
