// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIfWindow.h"

#include "BalanceChart.h"
#include "ReadingTable.h"
#include "WhatIfParts.h"
#include "base/Message.h"
#include "base/ScreenRoom.h"
#include "calc/Durations.h"
#include "calc/OptionTexts.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "look/FigureWidth.h"
#include "look/ScrolledTab.h"
#include "look/Skin.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace hw {

using namespace whatif;

WhatIfWindow::WhatIfWindow(const OptionsInput& input, const Regional& regional,
                           double propertyValue, WhatIfSettings& settings, QWidget* owner,
                           const CurrentLoan& suggested)
    : QDialog(owner), input_(input), regional_(regional), propertyValue_(propertyValue),
      settings_(settings) {
    setObjectName(QStringLiteral("WhatIfWindow"));
    setWindowTitle(tr("What If"));
    Skin::applyToWindow(this, Skin::Storage::Third);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("whatIfTabs"));
    tabs_->addTab(buildRiseTab(), tr("&Rates rise"));
    tabs_->addTab(buildBorrowTab(), tr("&How much could we borrow"));
    tabs_->addTab(buildExtraTab(), tr("Paying &extra"));
    tabs_->addTab(buildResetTab(), tr("A &fixed rate that ends"));
    tabs_->addTab(buildOftenTab(), tr("How often you &pay"));
    tabs_->addTab(buildOffsetTab(), tr("An offset &account"));
    tabs_->addTab(buildRefinanceTab(suggested), tr("Refinan&cing"));

    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    Skin::applyTo(closeButton_, Skin::Element::Button);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    moreButton_ = tellMeMoreButton(this, WhatIfTopic);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(moreButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    // The answers to what was asked before; working them out asks nothing new.
    const WhatIfSettings asked = settings_;
    workOutRise();
    workOutExtra();
    workOutReset();
    workOutHowOften();
    workOutOffset();
    if (settings_.current)
        workOutRefinancing();
    settings_ = asked;
    // Its designed size, wide enough for every tab's name where a language's
    // names run longer, or the screen's room where that is smaller.
    scrollTabsOnSmallScreens(tabs_, this);
    const QMargins margins = layout->contentsMargins();
    const int allTabs = tabs_->tabBar()->sizeHint().width() + margins.left() + margins.right() +
                        2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    resize(withinScreen(this, QSize(std::max(1040, allTabs), 700)));
}

NumericField* WhatIfWindow::field(NumericField::Format format, double value, const char* name,
                                  const QString& accessibleName, QWidget* page) {
    auto* edit = new NumericField(format, regional_, page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    edit->setKind(NumericField::Kind::Input);
    edit->askAsQuestion(value);
    edit->show(value);
    fitToFigures(edit, widestTexts(format, regional_));
    return edit;
}

double WhatIfWindow::valueOf(const NumericField* field) const {
    return field->format() == NumericField::Format::Amount ? field->amount().toDouble()
                                                           : field->figure();
}

bool WhatIfWindow::commitTyping() {
    auto* typing = qobject_cast<NumericField*>(focusWidget());
    return !typing || typing->commit();
}

void WhatIfWindow::refuse(const WhatIfRefusal& refusal) {
    ShowMessage(refusal.message, MsgOkOnly);
    NumericField* const fields[] = {nullptr,
                                    riseField_,
                                    extraField_,
                                    lumpField_,
                                    lumpMonthField_,
                                    fixedYearsField_,
                                    resetRateField_,
                                    savingsField_,
                                    monthlySavingsField_,
                                    currentBalanceField_,
                                    currentRateField_,
                                    yearsLeftField_,
                                    costsField_};
    if (NumericField* atFault = fields[static_cast<int>(refusal.input)])
        atFault->takeFocus();
}

QWidget* WhatIfWindow::buildRiseTab() {
    auto* page = new QWidget(this);
    riseField_ = field(NumericField::Format::Number, settings_.risePoints, "txtRise",
                       whatIfFigureName(WhatIfInput::Rise), page);
    riseButton_ = workOut(page, "riseButton");
    connect(riseButton_, &QPushButton::clicked, this, &WhatIfWindow::workOutRise);
    riseTable_ = answerTable({tr("Mortgage type"), tr("First month at the higher rate"),
                              tr("Today"), tr("After the rise")},
                             page);
    riseTable_->setObjectName(QStringLiteral("grdRise"));
    riseTable_->setAccessibleName(tr("Repayments if the rate rises"));
    auto* caption = new QLabel(tr("Ri&se in the rate (percentage points):"), page);
    caption->setBuddy(riseField_);
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(riseField_);
    top->addWidget(riseButton_);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Lenders test whether you could still pay if the rate rose. "
                                    "Each type at the entered rate plus the rise:"),
                                 page));
    layout->addLayout(top);
    fitRows(riseTable_);
    layout->addWidget(riseTable_);
    layout->addStretch(1);
    return page;
}

void WhatIfWindow::workOutRise() {
    if (!commitTyping())
        return;
    const auto answer = rateRise(input_, valueOf(riseField_), regional_);
    const auto* rise = answered(answer);
    if (!rise)
        return;
    settings_.risePoints = valueOf(riseField_);
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const RiseRow& row = rise->types[static_cast<std::size_t>(k)];
        setCell(riseTable_, k, 1,
                row.firstOutlayAfter ? regional_.currency(*row.firstOutlayAfter) : tr("none"));
        setCell(riseTable_, k, 2, row.affordableNow ? tr("Affordable") : tr("Not affordable"),
                Cell::Words);
        setCell(riseTable_, k, 3,
                row.affordableAfter ? tr("Affordable")
                : row.affordableNow ? tr("No longer affordable")
                                    : tr("Not affordable"),
                Cell::Words);
    }
}

QWidget* WhatIfWindow::buildBorrowTab() {
    auto* page = new QWidget(this);
    borrowTable_ = answerTable(
        {tr("Mortgage type"), tr("Largest amount"), tr("Of the property's value")}, page);
    borrowTable_->setObjectName(QStringLiteral("grdBorrow"));
    borrowTable_->setAccessibleName(tr("The most each type would lend"));
    const Borrowing most = borrowing(input_, propertyValue_);
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const BorrowRow& row = most.types[static_cast<std::size_t>(k)];
        setCell(borrowTable_, k, 1, row.largest ? regional_.currency(*row.largest) : tr("nothing"));
        setCell(borrowTable_, k, 2,
                row.loanToValue ? regional_.percent(*row.loanToValue / 100.0) : QString());
    }
    tableTermLabel_ = new QLabel(page);
    tableTermLabel_->setObjectName(QStringLiteral("lblTableTerm"));
    tableTermLabel_->setWordWrap(true);
    tableTermLabel_->setText(
        most.tableYears
            ? tr("A Table loan of the amount entered would take %1 at a repayment equal "
                 "to your spare income.")
                  .arg(yearsText(*most.tableYears, regional_.locale()))
            : tr("Your spare income does not cover a month's interest: no Table term would "
                 "clear the amount entered."));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("The most each type would let you borrow at the entered rate "
                                    "and term, with your spare income:"),
                                 page));
    fitRows(borrowTable_);
    layout->addWidget(borrowTable_);
    layout->addWidget(tableTermLabel_);
    layout->addStretch(1);
    return page;
}

QWidget* WhatIfWindow::buildExtraTab() {
    auto* page = new QWidget(this);
    extraField_ = field(NumericField::Format::Amount, settings_.extra.extraMonthly, "txtExtra",
                        whatIfFigureName(WhatIfInput::ExtraMonthly), page);
    lumpField_ = field(NumericField::Format::Amount, settings_.extra.lumpSum, "txtLump",
                       whatIfFigureName(WhatIfInput::LumpSum), page);
    lumpMonthField_ = field(NumericField::Format::Count, settings_.extra.lumpMonth, "txtLumpMonth",
                            whatIfFigureName(WhatIfInput::LumpMonth), page);
    extraButton_ = workOut(page, "extraButton");
    connect(extraButton_, &QPushButton::clicked, this, &WhatIfWindow::workOutExtra);
    extraLabel_ = new QLabel(page);
    extraLabel_->setObjectName(QStringLiteral("lblExtra"));
    extraLabel_->setWordWrap(true);
    extraChart_ = new BalanceChart(page);
    extraChart_->setLocale(regional_.locale());
    extraTable_ = readingTable(0,
                               {tr("Month"), tr("Repayment as entered"), tr("Paying extra"),
                                tr("Balance as entered"), tr("Balance paying extra")},
                               page);
    extraTable_->setObjectName(QStringLiteral("grdExtra"));
    extraTable_->setAccessibleName(tr("Month by month, as entered and paying extra"));
    // The balances drawn, and month by month below them.
    extraChart_->setMinimumHeight(120);
    auto* views = new ChartOverMonths(extraChart_, extraTable_, page);
    auto* form = new QFormLayout;
    extraType_ = typeChoice(form, tr("Mortgage &type:"), "optExtraType", settings_.extraType, page);
    form->addRow(tr("E&xtra each month:"), extraField_);
    form->addRow(tr("&Lump sum:"), lumpField_);
    form->addRow(tr("In m&onth:"), lumpMonthField_);
    form->addRow(QString(), extraButton_);
    extraWaysTable_ = readingTable(
        2,
        {tr("What the extra does"), tr("Repayment"), tr("Cleared in month"), tr("Interest saved")},
        page);
    extraWaysTable_->setObjectName(QStringLiteral("grdExtraWays"));
    extraWaysTable_->setAccessibleName(tr("What the extra does"));
    extraWaysTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fitRows(extraWaysTable_);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(extraLabel_);
    left->addStretch(1);
    top->addLayout(left);
    top->addWidget(views, 1);
    layout->addLayout(top, 1);
    // What the extra does either way, across the page under both.
    layout->addWidget(extraWaysTable_);
    return page;
}

void WhatIfWindow::workOutExtra() {
    if (!commitTyping())
        return;
    const int type = extraType_->checkedId();
    const double month = valueOf(lumpMonthField_);
    const ExtraPayments extra{valueOf(extraField_), valueOf(lumpField_),
                              month <= 1e6 ? static_cast<int>(month) : 1000000};
    const auto answer = payingExtra(type, input_, extra, regional_);
    const auto* paid = answered(answer);
    if (!paid)
        return;
    settings_.extraType = type;
    settings_.extra = extra;
    showExtraWays(type, extra, *paid);
    extraLabel_->setText(tr("Cleared in month %1,\ninstead of month %2.\nTotal paid: %3 instead of "
                            "%4.\nInterest saved: %5.")
                             .arg(monthText(paid->clearedMonth, regional_.locale()),
                                  monthText(paid->before.empty() ? 0 : paid->before.back().month,
                                            regional_.locale()),
                                  regional_.currency(paid->totalAfter),
                                  regional_.currency(paid->totalBefore),
                                  regional_.currency(paid->interestBefore - paid->interestAfter)));
    // The schedule, the new months beside the old.
    const std::size_t months = std::max(paid->before.size(), paid->after.size());
    extraTable_->setRowCount(static_cast<int>(months));
    for (std::size_t i = 0; i < months; ++i) {
        const auto money = [&](const std::vector<ScheduleRow>& rows, bool balance) {
            if (i >= rows.size())
                return QString();
            return regional_.currency(balance ? rows[i].balance : rows[i].repayment);
        };
        const int row = static_cast<int>(i);
        setCell(extraTable_, row, 0, regional_.locale().toString(static_cast<qlonglong>(i + 1)));
        setCell(extraTable_, row, 1, money(paid->before, false));
        setCell(extraTable_, row, 2, money(paid->after, false));
        setCell(extraTable_, row, 3, money(paid->before, true));
        setCell(extraTable_, row, 4, money(paid->after, true));
    }
    // Measured once, after every row is in.
    extraTable_->resizeColumnsToContents();
    const double amount = input_.amount.toDouble();
    const QLocale locale = regional_.locale();
    extraChart_->setSeries(
        {series(type, tr("As entered"), paid->before, amount),
         series(TableEndowmentType, tr("Paying extra"), paid->after, amount)},
        [locale](double value) { return locale.toCurrencyString(value, {}, 0); });
}

QWidget* WhatIfWindow::buildResetTab() {
    auto* page = new QWidget(this);
    fixedYearsField_ = field(NumericField::Format::Number, settings_.fixedYears, "txtFixedYears",
                             whatIfFigureName(WhatIfInput::FixedYears), page);
    resetRateField_ = field(NumericField::Format::Percentage,
                            settings_.resetRate.value_or(defaultResetRate(input_)), "txtResetRate",
                            whatIfFigureName(WhatIfInput::ResetRate), page);
    resetButton_ = workOut(page, "resetButton");
    connect(resetButton_, &QPushButton::clicked, this, &WhatIfWindow::workOutReset);
    resetLabel_ = new QLabel(page);
    resetLabel_->setObjectName(QStringLiteral("lblReset"));
    resetLabel_->setWordWrap(true);
    resetChart_ = new BalanceChart(page);
    resetChart_->setLocale(regional_.locale());
    auto* form = new QFormLayout;
    form->addRow(tr("&Years at the entered rate:"), fixedYearsField_);
    form->addRow(tr("Then the &new rate:"), resetRateField_);
    form->addRow(QString(), resetButton_);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("A Table loan at the entered rate for the first years, then "
                                  "the repayment worked out again for the rest of the term:"),
                               page));
    left->addLayout(form);
    left->addWidget(resetLabel_);
    left->addStretch(1);
    for (QLabel* label : page->findChildren<QLabel*>())
        label->setWordWrap(true);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(resetChart_, 1);
    return page;
}

void WhatIfWindow::workOutReset() {
    if (!commitTyping())
        return;
    const double fixedYears = valueOf(fixedYearsField_);
    const auto answer = rateReset(input_, fixedYears, valueOf(resetRateField_), regional_);
    const auto* reset = answered(answer);
    if (!reset)
        return;
    settings_.fixedYears = fixedYears;
    settings_.resetRate = valueOf(resetRateField_);
    resetLabel_->setText(
        tr("The repayment goes from %1 to %2 a month, on the %3 still owed.\nWith "
           "your spare income that is %4.")
            .arg(regional_.currency(reset->repaymentBefore),
                 regional_.currency(reset->repaymentAfter),
                 regional_.currency(reset->balanceAtReset),
                 reset->affordableAfter ? tr("affordable") : tr("not affordable")));
    const double amount = input_.amount.toDouble();
    const QLocale locale = regional_.locale();
    // A line up to the balance marks the month the repayment jumps.
    const double resetYears = std::round(fixedYears * 12.0) / 12.0;
    const BalanceSeries jump{
        CashManagementType,
        tr("The repayment jumps to %1").arg(regional_.currency(reset->repaymentAfter)),
        {QPointF(resetYears, 0.0), QPointF(resetYears, reset->balanceAtReset)}};
    resetChart_->setSeries(
        {series(TableType, tr("The entered rate throughout"), reset->before, amount),
         series(TableEndowmentType, tr("After the fixed rate ends"), reset->after, amount), jump},
        [locale](double value) { return locale.toCurrencyString(value, {}, 0); });
}

} // namespace hw
