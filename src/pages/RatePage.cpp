// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatePage.h"

#include "base/Twips.h"
#include "calc/CaseFields.h"
#include "calc/Limits.h"
#include "look/OptionButtons.h"
#include "look/Skin.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hw {

namespace {

using enum NumericField::Format;

const FieldSpec Rate[] = {
    {.label = captions::InterestRate, .format = Percentage, .start = 8, .literal = nullptr},
    {.label = captions::Term, .format = Number, .start = 25, .literal = nullptr},
};
const char* const RateTypes[] = {QT_TRANSLATE_NOOP("hw::RatePage", "Fixed Rate"),
                                 QT_TRANSLATE_NOOP("hw::RatePage", "Adjustable Rate"),
                                 QT_TRANSLATE_NOOP("hw::RatePage", "Capped Rate")};

const char* const Guidance = QT_TRANSLATE_NOOP(
    "hw::StepPage",
    "These figures represent your mortgage requirements and your Loan to Value Ratio. "
    "Your spare income, what is left of your income after tax once your living expenses are "
    "paid, is shown too. Enter the current interest rate and the term of the loan in years. "
    "Rates vary with the economy, and a difference of one percentage point makes a large "
    "difference to what you pay.");

// The rate a new case starts with, in per cent.
constexpr double StartingRate = 8.0;

} // namespace

RatePage::RatePage(PageContext& context)
    : StepPage(context, RateStep, captions::RateTitle, Guidance) {}

void RatePage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    // The summary's captions in the caption column, its figures in the field column.
    auto* grid = PageBuilder::grid();
    for (std::size_t i = 0; i < summary_.size(); ++i) {
        summaryCaptions_[i] = b.caption(QString());
        summary_[i] = b.label(QString());
        summary_[i]->setObjectName(QStringLiteral("lblMortgage%1").arg(i));
        summary_[i]->setTextFormat(Qt::PlainText);
        summary_[i]->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
        summary_[i]->setMinimumWidth(twips(PageBuilder::AmountWidth));
        grid->addWidget(summaryCaptions_[i], static_cast<int>(i), 0);
        grid->addWidget(summary_[i], static_cast<int>(i), 1);
    }
    grid->setRowMinimumHeight(static_cast<int>(summary_.size()), twips(120));
    std::array<NumericField*, 2> fields{};
    b.column(grid, fields, Rate, static_cast<int>(summary_.size()) + 1, 0);
    rate_ = fields[0];
    term_ = fields[1];
    // How the rate compounds: monthly, or half-yearly as Canada's fixed rates are quoted.
    const int compoundingRow = static_cast<int>(summary_.size()) + 3;
    QLabel* compoundedCaption = b.caption(tr("Compounded:"));
    grid->addWidget(compoundedCaption, compoundingRow, 0);
    auto* compoundings = new QHBoxLayout;
    compoundings->setSpacing(twips(90));
    compounding_[0] = b.option(tr("&Monthly"));
    compounding_[1] = b.option(tr("Half-&yearly"));
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        QPushButton* option = compounding_[static_cast<std::size_t>(i)];
        option->setAccessibleDescription(tr("How the interest rate compounds"));
        compoundings->addWidget(option);
        group->addButton(option, i);
        onAction(option, [this, i] {
            chooseCompounding(i == 0 ? Compounding::Monthly : Compounding::HalfYearly);
        });
    }
    compoundedCaption->setBuddy(compounding_[0]);
    arrowKeysChooseAmong(group->buttons());
    compoundings->addStretch(1);
    grid->addLayout(compoundings, compoundingRow, 1, 1, 2);
    placeGrid(layout, grid);

    layout->addSpacing(twips(240));
    auto* types = new QHBoxLayout;
    types->addWidget(b.label(tr("Types of interest rate:")));
    for (std::size_t i = 0; i < rateTypes_.size(); ++i) {
        rateTypes_[i] = b.button(tr(RateTypes[i]));
        types->addWidget(rateTypes_[i]);
        const int topic = RateTypeTopics + static_cast<int>(i);
        onAction(rateTypes_[i], [this, topic] { context_.showHelp(topic); });
    }
    types->addStretch(1);
    layout->addLayout(types);
    layout->addStretch(1);
}

bool RatePage::prepare() {
    const CaseFigures& figures = context_.figures;
    const auto lines =
        buildSummaryLines(figures.requirement, figures.loanValueRatio, figures.shownIncomeAfterTax,
                          figures.shownExpenditure, regional());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        summaryCaptions_[i]->setText(lines[i].caption);
        summary_[i]->setText(lines[i].figure);
        // A screen reader reads the figure with what it is.
        summary_[i]->setAccessibleName(tr("%1 %2").arg(lines[i].caption, lines[i].figure));
    }
    return true;
}

bool RatePage::validate() {
    return !refused(checkRate(current()));
}

NumericField* RatePage::fieldAt(PageField field) {
    return field.index == 0 ? rate_ : term_;
}

void RatePage::repair() {
    if (!withinHighestPercent(rate_->figure()))
        rate_->show(StartingRate);
}

void RatePage::store(MortgageCase& value) const {
    value.ratePercent = rate_->figure();
    value.termYears = term_->figure();
    value.compounding =
        Skin::isPressed(compounding_[1]) ? Compounding::HalfYearly : Compounding::Monthly;
}

void RatePage::load(const MortgageCase& value) {
    rate_->show(value.ratePercent);
    term_->show(value.termYears);
    Skin::setPressed(compounding_[value.compounding == Compounding::HalfYearly ? 1 : 0], true);
}

void RatePage::setUp() {
    // Canada's lenders quote fixed rates compounded half-yearly.
    Skin::setPressed(compounding_[context_.entered.lender.country == LenderCountry::Canada ? 1 : 0],
                     true);
}

void RatePage::chooseCompounding(Compounding compounding) {
    Skin::setPressed(compounding_[compounding == Compounding::HalfYearly ? 1 : 0], true);
    store(context_.entered);
    if (context_.changed)
        context_.changed();
}

} // namespace hw
