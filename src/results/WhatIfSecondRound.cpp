// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIfParts.h"
#include "WhatIfWindow.h"
#include "calc/Durations.h"
#include "calc/LoanQuestions.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

// The What If window's second round: how often you pay, an offset account,
// refinancing, and what an extra payment does when it keeps the term.

namespace hw {

using namespace whatif;

namespace {

// The texts of these functions, in their translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::WhatIfWindow)
};

QString frequencyName(Frequency frequency) {
    switch (frequency) {
    case Frequency::Monthly:
        return Texts::tr("Monthly");
    case Frequency::Fortnightly:
        return Texts::tr("Fortnightly");
    case Frequency::Weekly:
        return Texts::tr("Weekly");
    case Frequency::AcceleratedFortnightly:
        return Texts::tr("Half the monthly repayment each fortnight");
    case Frequency::AcceleratedWeekly:
        return Texts::tr("A quarter of the monthly repayment each week");
    }
    return {};
}

// A tab of these questions, top to bottom: what it answers, the figures asked
// for, and the answer.
QWidget* stackTab(QWidget* page, const QString& explanation, QLayout* form, QWidget* answer) {
    auto* text = new QLabel(explanation, page);
    text->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(answer);
    layout->addStretch(1);
    return page;
}

} // namespace

QWidget* WhatIfWindow::buildOftenTab() {
    auto* page = new QWidget(this);
    oftenTable_ = readingTable(0,
                               {tr("How often"), tr("Repayment"), tr("Paid off in"),
                                tr("Total paid"), tr("Interest"), tr("Saved against monthly")},
                               page);
    oftenTable_->setObjectName(QStringLiteral("grdOften"));
    oftenTable_->setAccessibleName(tr("Repayments by how often you pay"));
    sizeColumns(oftenTable_);
    fitRows(oftenTable_);
    auto* form = new QFormLayout;
    oftenType_ =
        typeChoice(form, tr("Mortgage t&ype:"), "optOftenType", settings_.frequencyType, page);
    connect(oftenType_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            workOutHowOften();
    });
    return stackTab(
        page,
        tr("The loan repaid monthly, fortnightly or weekly. Interest is charged each period at "
           "the annual rate divided by the periods in a year (26 fortnights, 52 weeks). Paying "
           "half the monthly repayment every fortnight pays thirteen months a year, and clears "
           "the loan sooner."),
        form, oftenTable_);
}

void WhatIfWindow::workOutHowOften() {
    const int type = oftenType_->checkedId();
    const auto answer = howOften(type, input_);
    const auto* rows = answered(answer);
    if (!rows)
        return;
    settings_.frequencyType = type;
    oftenTable_->setRowCount(static_cast<int>(rows->size()));
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const FrequencyRow& row = (*rows)[i];
        const int at = static_cast<int>(i);
        setCell(oftenTable_, at, 0, frequencyName(row.frequency), Cell::Words);
        setCell(oftenTable_, at, 1, regional_.currency(row.repayment));
        setCell(oftenTable_, at, 2, yearsText(row.years(), regional_.locale()));
        setCell(oftenTable_, at, 3, regional_.currency(row.totalPaid));
        setCell(oftenTable_, at, 4, regional_.currency(row.interest));
        setCell(oftenTable_, at, 5, regional_.currency(row.interestSaved));
    }
}

void WhatIfWindow::showExtraWays(int type, const ExtraPayments& extra, const PayingExtra& shorter) {
    const auto lower = lowerRepayment(type, input_, extra, regional_);
    const auto* kept = std::get_if<LowerRepayment>(&lower);
    const double level = shorter.before.empty() ? 0.0 : shorter.before.front().repayment;
    setCell(extraWaysTable_, 0, 0, tr("Shortens the term"), Cell::Words);
    setCell(extraWaysTable_, 0, 1, regional_.currency(level));
    setCell(extraWaysTable_, 0, 2, monthText(shorter.clearedMonth, regional_.locale()));
    setCell(extraWaysTable_, 0, 3,
            regional_.currency(shorter.interestBefore - shorter.interestAfter));
    setCell(extraWaysTable_, 1, 0, tr("Keeps the term, lowers the repayment"), Cell::Words);
    // A regular extra keeps lowering the repayment: from the first lowered one to the last.
    QString lowered;
    if (kept && !kept->repaymentAfter)
        lowered = QStringLiteral("\u2014"); // the extras clear the loan before any is lowered
    else if (kept)
        lowered = std::abs(*kept->lastRepayment - *kept->repaymentAfter) < PaidOffBelow
                      ? regional_.currency(*kept->repaymentAfter)
                      : tr("%1, falling to %2")
                            .arg(regional_.currency(*kept->repaymentAfter),
                                 regional_.currency(*kept->lastRepayment));
    setCell(extraWaysTable_, 1, 1, lowered);
    setCell(extraWaysTable_, 1, 2,
            kept ? monthText(static_cast<int>(kept->rows.size()), regional_.locale()) : QString());
    setCell(extraWaysTable_, 1, 3, kept ? regional_.currency(kept->interestSaved) : QString());
}

QWidget* WhatIfWindow::buildOffsetTab() {
    auto* page = new QWidget(this);
    savingsField_ = field(NumericField::Format::Amount, settings_.offsetSavings, "txtSavings",
                          whatIfFigureName(WhatIfInput::Savings), page);
    monthlySavingsField_ =
        field(NumericField::Format::Amount, settings_.offsetMonthly, "txtMonthlySavings",
              whatIfFigureName(WhatIfInput::MonthlySavings), page);
    offsetButton_ = workOut(page, "offsetButton");
    connect(offsetButton_, &QPushButton::clicked, this, &WhatIfWindow::workOutOffset);
    offsetTable_ =
        readingTable(2, {tr("The savings"), tr("Cleared in month"), tr("Interest saved")}, page);
    offsetTable_->setObjectName(QStringLiteral("grdOffset"));
    offsetTable_->setAccessibleName(tr("What the offset account saves"));
    sizeColumns(offsetTable_);
    fitRows(offsetTable_);
    auto* form = new QFormLayout;
    form->addRow(tr("&Savings in the account:"), savingsField_);
    form->addRow(tr("A&dded each month:"), monthlySavingsField_);
    form->addRow(QString(), offsetButton_);
    return stackTab(
        page,
        tr("Savings held in an offset account beside a Table loan: interest is charged on the "
           "balance less the savings. The repayment stays as it is, so the loan clears sooner, "
           "and the savings stay yours to draw on. Beside it, the same savings paid into the "
           "loan instead: the starting savings at once, and each month's addition as an extra "
           "repayment."),
        form, offsetTable_);
}

void WhatIfWindow::workOutOffset() {
    if (!commitTyping())
        return;
    const double savings = valueOf(savingsField_);
    const double monthly = valueOf(monthlySavingsField_);
    const auto answer = offsetAccount(input_, savings, monthly, regional_);
    const auto* held = answered(answer);
    if (!held)
        return;
    settings_.offsetSavings = savings;
    settings_.offsetMonthly = monthly;
    setCell(offsetTable_, 0, 0, tr("Held in the offset account"), Cell::Words);
    setCell(offsetTable_, 0, 1, monthText(held->clearedMonth, regional_.locale()));
    setCell(offsetTable_, 0, 2, regional_.currency(held->interestSaved));
    setCell(offsetTable_, 1, 0, tr("Paid into the loan instead: at once, and each month"),
            Cell::Words);
    setCell(offsetTable_, 1, 1, monthText(held->lumpClearedMonth, regional_.locale()));
    setCell(offsetTable_, 1, 2, regional_.currency(held->lumpInterestSaved));
}

QWidget* WhatIfWindow::buildRefinanceTab(const CurrentLoan& suggested) {
    auto* page = new QWidget(this);
    const CurrentLoan start = settings_.current ? settings_.current->over(suggested) : suggested;
    currentBalanceField_ = field(NumericField::Format::Amount, start.balance, "txtCurrentBalance",
                                 whatIfFigureName(WhatIfInput::CurrentBalance), page);
    currentRateField_ = field(NumericField::Format::Percentage, start.ratePercent, "txtCurrentRate",
                              whatIfFigureName(WhatIfInput::CurrentRate), page);
    yearsLeftField_ = field(NumericField::Format::Number, start.yearsLeft, "txtYearsLeft",
                            whatIfFigureName(WhatIfInput::YearsLeft), page);
    costsField_ = field(NumericField::Format::Amount, start.costs, "txtCosts",
                        whatIfFigureName(WhatIfInput::Costs), page);
    refinanceButton_ = workOut(page, "refinanceButton");
    connect(refinanceButton_, &QPushButton::clicked, this, &WhatIfWindow::workOutRefinancing);
    refinanceLabel_ = new QLabel(page);
    refinanceLabel_->setObjectName(QStringLiteral("lblRefinance"));
    refinanceLabel_->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Current &balance:"), currentBalanceField_);
    form->addRow(tr("Current ra&te:"), currentRateField_);
    form->addRow(tr("&Years left:"), yearsLeftField_);
    form->addRow(tr("C&osts of switching:"), costsField_);
    form->addRow(QString(), refinanceButton_);
    return stackTab(
        page,
        tr("Your current loan, repaid as a Table loan over the years it has left, against the "
           "loan of this case at its rate and term. The loan of this case already carries the "
           "fees and bank charges you entered: the costs of switching are what you would pay "
           "beside it (a break fee, for instance)."),
        form, refinanceLabel_);
}

void WhatIfWindow::workOutRefinancing() {
    if (!commitTyping())
        return;
    const CurrentLoan current{valueOf(currentBalanceField_), valueOf(currentRateField_),
                              valueOf(yearsLeftField_), valueOf(costsField_)};
    const auto answer = refinancing(input_, current, regional_);
    const auto* switched = answered(answer);
    if (!switched)
        return;
    settings_.current = CurrentLoanAsked::whole(current);
    QString text = tr("The current loan costs %1 a month, the new one %2.")
                       .arg(regional_.currency(switched->currentRepayment),
                            regional_.currency(switched->newRepayment));
    text += u'\n';
    text += switched->monthlySaving >= 0.0
                ? tr("You save %1 a month.").arg(regional_.currency(switched->monthlySaving))
                : tr("The new loan costs %1 more a month.")
                      .arg(regional_.currency(-switched->monthlySaving));
    text += u' ';
    text += switched->breakEvenMonth
                ? tr("Counting what you pay month by month, the new loan with its costs has cost "
                     "you no more than the current loan would by month %1.")
                      .arg(monthText(*switched->breakEvenMonth, regional_.locale()))
                : tr("Counting what you pay month by month until both loans end, the new loan "
                     "with its costs always costs you more: the costs are never repaid.");
    text += u'\n';
    text += tr("To their ends, the current loan costs %1 and the new one %2, the costs included.")
                .arg(regional_.currency(switched->totalCurrent),
                     regional_.currency(switched->totalNew));
    refinanceLabel_->setText(text);
}

} // namespace hw
