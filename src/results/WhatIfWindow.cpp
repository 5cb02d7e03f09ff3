#include "WhatIfWindow.h"

#include "BalanceChart.h"
#include "ReadingTable.h"
#include "WhatIfParts.h"
#include "base/Message.h"
#include "base/ScreenRoom.h"
#include "calc/OptionTexts.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "look/FigureWidth.h"
#include "look/Skin.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
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

    tabs = new QTabWidget(this);
    tabs->addTab(buildRiseTab(), tr("&Rates rise"));
    tabs->addTab(buildBorrowTab(), tr("&How much could we borrow"));
    tabs->addTab(buildExtraTab(), tr("Paying &extra"));
    tabs->addTab(buildResetTab(), tr("A &fixed rate that ends"));
    tabs->addTab(buildOftenTab(), tr("How often you &pay"));
    tabs->addTab(buildOffsetTab(), tr("An offset &account"));
    tabs->addTab(buildRefinanceTab(suggested), tr("Refinan&cing"));

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    Skin::applyTo(cmdClose, Skin::Element::Button);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    cmdMore = new QPushButton(tr("Tell Me &More"), this);
    cmdMore->setObjectName(QStringLiteral("cmdMore"));
    Skin::applyTo(cmdMore, Skin::Element::Button);
    connect(cmdMore, &QPushButton::clicked, this, [this] {
        InformationWindow help(this);
        help.Topic = WhatIfTopic;
        help.exec();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdMore);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
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
    // Its designed size, or the screen's room where that is smaller.
    resize(withinScreen(this, QSize(1040, 700)));
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
    NumericField* const fields[] = {
        nullptr,        txtRise,      txtExtra,   txtLump,           txtLumpMonth,
        txtFixedYears,  txtResetRate, txtSavings, txtMonthlySavings, txtCurrentBalance,
        txtCurrentRate, txtYearsLeft, txtCosts};
    if (NumericField* atFault = fields[static_cast<int>(refusal.input)])
        atFault->takeFocus();
}

QWidget* WhatIfWindow::buildRiseTab() {
    auto* page = new QWidget(this);
    txtRise = field(NumericField::Format::Number, settings_.risePoints, "txtRise",
                    whatIfFigureName(WhatIfInput::Rise), page);
    cmdRise = workOut(page);
    connect(cmdRise, &QPushButton::clicked, this, &WhatIfWindow::workOutRise);
    grdRise = answerTable({tr("Mortgage type"), tr("First month at the higher rate"), tr("Today"),
                           tr("After the rise")},
                          page);
    grdRise->setObjectName(QStringLiteral("grdRise"));
    auto* caption = new QLabel(tr("Ri&se in the rate (percentage points):"), page);
    caption->setBuddy(txtRise);
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(txtRise);
    top->addWidget(cmdRise);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Lenders test whether you could still pay if the rate rose. "
                                    "Each type at the entered rate plus the rise:"),
                                 page));
    layout->addLayout(top);
    fitRows(grdRise);
    layout->addWidget(grdRise);
    layout->addStretch(1);
    return page;
}

void WhatIfWindow::workOutRise() {
    if (!commitTyping())
        return;
    const auto answer = rateRise(input_, valueOf(txtRise), regional_);
    if (const auto* refused = std::get_if<WhatIfRefusal>(&answer)) {
        refuse(*refused);
        return;
    }
    settings_.risePoints = valueOf(txtRise);
    const RateRise& rise = std::get<RateRise>(answer);
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const RiseRow& row = rise.types[static_cast<std::size_t>(k)];
        setCell(grdRise, k, 1,
                row.firstOutlayAfter ? regional_.currency(*row.firstOutlayAfter) : tr("none"));
        setCell(grdRise, k, 2, row.affordableNow ? tr("Affordable") : tr("Not affordable"),
                Cell::Words);
        setCell(grdRise, k, 3,
                row.affordableAfter ? tr("Affordable")
                : row.affordableNow ? tr("No longer affordable")
                                    : tr("Not affordable"),
                Cell::Words);
    }
}

QWidget* WhatIfWindow::buildBorrowTab() {
    auto* page = new QWidget(this);
    grdBorrow = answerTable(
        {tr("Mortgage type"), tr("Largest amount"), tr("Of the property's value")}, page);
    grdBorrow->setObjectName(QStringLiteral("grdBorrow"));
    const Borrowing most = borrowing(input_, propertyValue_);
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const BorrowRow& row = most.types[static_cast<std::size_t>(k)];
        setCell(grdBorrow, k, 1, row.largest ? regional_.currency(*row.largest) : tr("nothing"));
        setCell(grdBorrow, k, 2,
                row.loanToValue ? regional_.percent(*row.loanToValue / 100.0) : QString());
    }
    lblTableTerm = new QLabel(page);
    lblTableTerm->setObjectName(QStringLiteral("lblTableTerm"));
    lblTableTerm->setWordWrap(true);
    lblTableTerm->setText(
        most.tableYears
            ? tr("A Table loan of the amount entered would take %1 years at a repayment equal "
                 "to your spare income.")
                  .arg(regional_.number(*most.tableYears))
            : tr("Your spare income does not cover a month's interest: no Table term would "
                 "clear the amount entered."));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("The most each type would let you borrow at the entered rate "
                                    "and term, with your spare income:"),
                                 page));
    fitRows(grdBorrow);
    layout->addWidget(grdBorrow);
    layout->addWidget(lblTableTerm);
    layout->addStretch(1);
    return page;
}

QWidget* WhatIfWindow::buildExtraTab() {
    auto* page = new QWidget(this);
    cboExtraType = new QComboBox(page);
    cboExtraType->setObjectName(QStringLiteral("cboExtraType"));
    cboExtraType->addItem(mortgageTypeName(TableType), TableType);
    cboExtraType->addItem(mortgageTypeName(ReducingBalanceType), ReducingBalanceType);
    cboExtraType->setCurrentIndex(settings_.extraType == ReducingBalanceType ? 1 : 0);
    txtExtra = field(NumericField::Format::Amount, settings_.extra.extraMonthly, "txtExtra",
                     whatIfFigureName(WhatIfInput::ExtraMonthly), page);
    txtLump = field(NumericField::Format::Amount, settings_.extra.lumpSum, "txtLump",
                    whatIfFigureName(WhatIfInput::LumpSum), page);
    txtLumpMonth = field(NumericField::Format::Count, settings_.extra.lumpMonth, "txtLumpMonth",
                         whatIfFigureName(WhatIfInput::LumpMonth), page);
    cmdExtra = workOut(page);
    connect(cmdExtra, &QPushButton::clicked, this, &WhatIfWindow::workOutExtra);
    lblExtra = new QLabel(page);
    lblExtra->setObjectName(QStringLiteral("lblExtra"));
    lblExtra->setWordWrap(true);
    chtExtra = new BalanceChart(page);
    chtExtra->setLocale(regional_.locale());
    grdExtra = readingTable(0,
                            {tr("Month"), tr("Repayment as entered"), tr("Paying extra"),
                             tr("Balance as entered"), tr("Balance paying extra")},
                            page);
    grdExtra->setObjectName(QStringLiteral("grdExtra"));
    // The balances drawn, and month by month below them.
    // On a short screen the chart gives up height before the answers do.
    chtExtra->setMinimumHeight(120);
    auto* views = new QSplitter(Qt::Vertical, page);
    views->setChildrenCollapsible(false);
    views->addWidget(chtExtra);
    views->addWidget(grdExtra);
    views->setStretchFactor(0, 3);
    views->setStretchFactor(1, 2);
    auto* form = new QFormLayout;
    form->addRow(tr("Mortgage &type:"), cboExtraType);
    form->addRow(tr("E&xtra each month:"), txtExtra);
    form->addRow(tr("&Lump sum:"), txtLump);
    form->addRow(tr("In m&onth:"), txtLumpMonth);
    form->addRow(QString(), cmdExtra);
    grdExtraWays = readingTable(
        2,
        {tr("What the extra does"), tr("Repayment"), tr("Cleared in month"), tr("Interest saved")},
        page);
    grdExtraWays->setObjectName(QStringLiteral("grdExtraWays"));
    grdExtraWays->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fitRows(grdExtraWays);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(lblExtra);
    left->addStretch(1);
    top->addLayout(left);
    top->addWidget(views, 1);
    layout->addLayout(top, 1);
    // What the extra does either way, across the page under both.
    layout->addWidget(grdExtraWays);
    return page;
}

void WhatIfWindow::workOutExtra() {
    if (!commitTyping())
        return;
    const int type = cboExtraType->currentData().toInt();
    const double month = valueOf(txtLumpMonth);
    const ExtraPayments extra{valueOf(txtExtra), valueOf(txtLump),
                              month <= 1e6 ? static_cast<int>(month) : 1000000};
    const auto answer = payingExtra(type, input_, extra, regional_);
    if (const auto* refused = std::get_if<WhatIfRefusal>(&answer)) {
        refuse(*refused);
        return;
    }
    settings_.extraType = type;
    settings_.extra = extra;
    const PayingExtra& paid = std::get<PayingExtra>(answer);
    showExtraWays(type, extra, paid);
    lblExtra->setText(
        tr("Cleared in month %1 (%2 years) instead of month %3.\nTotal paid: %4 instead of "
           "%5.\nInterest saved: %6.")
            .arg(paid.clearedMonth)
            .arg(regional_.number(paid.clearedMonth / 12.0))
            .arg(paid.before.empty() ? 0 : paid.before.back().month)
            .arg(regional_.currency(paid.totalAfter), regional_.currency(paid.totalBefore),
                 regional_.currency(paid.interestBefore - paid.interestAfter)));
    // The schedule, the new months beside the old.
    const std::size_t months = std::max(paid.before.size(), paid.after.size());
    grdExtra->setRowCount(static_cast<int>(months));
    for (std::size_t i = 0; i < months; ++i) {
        const auto money = [&](const std::vector<ScheduleRow>& rows, bool balance) {
            if (i >= rows.size())
                return QString();
            return regional_.currency(balance ? rows[i].balance : rows[i].repayment);
        };
        const int row = static_cast<int>(i);
        setCell(grdExtra, row, 0, regional_.locale().toString(static_cast<qlonglong>(i + 1)));
        setCell(grdExtra, row, 1, money(paid.before, false));
        setCell(grdExtra, row, 2, money(paid.after, false));
        setCell(grdExtra, row, 3, money(paid.before, true));
        setCell(grdExtra, row, 4, money(paid.after, true));
    }
    // Measured once, after every row is in.
    grdExtra->resizeColumnsToContents();
    const double amount = input_.amount.toDouble();
    const QLocale locale = regional_.locale();
    chtExtra->setSeries({series(type, tr("As entered"), paid.before, amount),
                         series(TableEndowmentType, tr("Paying extra"), paid.after, amount)},
                        [locale](double value) { return locale.toCurrencyString(value, {}, 0); });
}

QWidget* WhatIfWindow::buildResetTab() {
    auto* page = new QWidget(this);
    txtFixedYears = field(NumericField::Format::Number, settings_.fixedYears, "txtFixedYears",
                          whatIfFigureName(WhatIfInput::FixedYears), page);
    txtResetRate = field(NumericField::Format::Percentage,
                         settings_.resetRate.value_or(defaultResetRate(input_)), "txtResetRate",
                         whatIfFigureName(WhatIfInput::ResetRate), page);
    cmdReset = workOut(page);
    connect(cmdReset, &QPushButton::clicked, this, &WhatIfWindow::workOutReset);
    lblReset = new QLabel(page);
    lblReset->setObjectName(QStringLiteral("lblReset"));
    lblReset->setWordWrap(true);
    chtReset = new BalanceChart(page);
    chtReset->setLocale(regional_.locale());
    auto* form = new QFormLayout;
    form->addRow(tr("&Years at the entered rate:"), txtFixedYears);
    form->addRow(tr("Then the &new rate:"), txtResetRate);
    form->addRow(QString(), cmdReset);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("A Table loan at the entered rate for the first years, then "
                                  "the repayment worked out again for the rest of the term:"),
                               page));
    left->addLayout(form);
    left->addWidget(lblReset);
    left->addStretch(1);
    for (QLabel* label : page->findChildren<QLabel*>())
        label->setWordWrap(true);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(chtReset, 1);
    return page;
}

void WhatIfWindow::workOutReset() {
    if (!commitTyping())
        return;
    const double fixedYears = valueOf(txtFixedYears);
    const auto answer = rateReset(input_, fixedYears, valueOf(txtResetRate), regional_);
    if (const auto* refused = std::get_if<WhatIfRefusal>(&answer)) {
        refuse(*refused);
        return;
    }
    settings_.fixedYears = fixedYears;
    settings_.resetRate = valueOf(txtResetRate);
    const RateReset& reset = std::get<RateReset>(answer);
    lblReset->setText(tr("The repayment goes from %1 to %2 a month, on the %3 still owed.\nWith "
                         "your spare income that is %4.")
                          .arg(regional_.currency(reset.repaymentBefore),
                               regional_.currency(reset.repaymentAfter),
                               regional_.currency(reset.balanceAtReset),
                               reset.affordableAfter ? tr("affordable") : tr("not affordable")));
    const double amount = input_.amount.toDouble();
    const QLocale locale = regional_.locale();
    // A line up to the balance marks the month the repayment jumps.
    const double resetYears = std::round(fixedYears * 12.0) / 12.0;
    const BalanceSeries jump{
        CashManagementType,
        tr("The repayment jumps to %1").arg(regional_.currency(reset.repaymentAfter)),
        {QPointF(resetYears, 0.0), QPointF(resetYears, reset.balanceAtReset)}};
    chtReset->setSeries(
        {series(TableType, tr("The entered rate throughout"), reset.before, amount),
         series(TableEndowmentType, tr("After the fixed rate ends"), reset.after, amount), jump},
        [locale](double value) { return locale.toCurrencyString(value, {}, 0); });
}

} // namespace hw
