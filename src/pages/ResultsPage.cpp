// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsPage.h"

#include "base/Twips.h"
#include "calc/LenderTexts.h"
#include "look/FigureWidth.h"
#include "look/Skin.h"
#include "look/WrappingButton.h"
#include "results/CaseReport.h"
#include "results/ColumnHead.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hw {

namespace {

// Column heads; the runs of blanks put each caption on two lines.
struct HeadSpec {
    const char* caption;
    int column;
    int columnSpan;
};
const std::array<HeadSpec, 6> Heads = {{
    {QT_TRANSLATE_NOOP("hw::ResultsPage", "Mortgage Type"), 0, 1},
    {QT_TRANSLATE_NOOP("hw::ResultsPage", " Term    Years"), 1, 1},
    {QT_TRANSLATE_NOOP("hw::ResultsPage", "Monthly Repayments First                 Last"), 2, 2},
    {QT_TRANSLATE_NOOP("hw::ResultsPage", "Total   Amount Paid"), 4, 1},
    {QT_TRANSLATE_NOOP("hw::ResultsPage", "Interest  Total Paid"), 5, 1},
    {QT_TRANSLATE_NOOP("hw::ResultsPage", "Final  Balance"), 6, 1},
}};
// Designed widths of the seven columns, in twips.
const int ColumnWidths[7] = {2055, 735, 975, 975, 1215, 1215, 1095};
constexpr int RowCount = MortgageTypeCount;
constexpr int HeadRow = 0;

} // namespace

ResultsPage::ResultsPage(PageContext& context, Openers openers)
    : StepPage(context, ResultsStep, nullptr,
               QT_TRANSLATE_NOOP(
                   "hw::StepPage",
                   "These figures represent the mortgage options available. Press the button of a "
                   "mortgage type to learn more about it.\n"
                   "If you want to print these results, you can do so by pressing the Preview "
                   "button.")),
      open_(std::move(openers)) {}

void ResultsPage::build(QWidget* panel, QVBoxLayout* layout) {
    PageBuilder b = builder(panel);
    auto* top = new QHBoxLayout;
    caption_ = new QLabel(panel);
    caption_->setObjectName(QStringLiteral("sknpnMortgage"));
    caption_->setTextFormat(Qt::PlainText);
    caption_->setMinimumSize(twips(6135), twips(495));
    Skin::applyTo(caption_, Skin::Element::Panel);
    const auto topButton = [&](const QString& text, const char* objectName) {
        QPushButton* button = b.button(text);
        button->setObjectName(QLatin1String(objectName));
        button->setMinimumSize(twips(1095), twips(495));
        return button;
    };
    // Made in the order they stand, which is the order a screen reader lists them in.
    whatIf_ = topButton(tr("&What If"), "cmdWhatIf");
    whatIf_->setToolTip(tr("What if rates rise, how much could we borrow, paying extra, a "
                           "fixed rate that ends"));
    onAction(whatIf_, [this] {
        if (options_)
            open_.whatIf();
    });
    chart_ = topButton(tr("&Chart"), "cmdChart");
    chart_->setToolTip(tr("The balance of each type over the years, and its "
                          "month-by-month schedule"));
    onAction(chart_, [this] {
        if (options_)
            open_.chart();
    });
    preview_ = topButton(tr("&Preview"), "cmdPreview");
    onAction(preview_, [this] {
        if (report_)
            open_.preview();
    });
    compareButton_ = topButton(tr("C&ompare"), "cmdCompare");
    compareButton_->setToolTip(tr("This case beside saved cases"));
    onAction(compareButton_, [this] { open_.compare(); });
    lenderButton_ = topButton(tr("Lender Chec&ks"), "cmdLenderChecks");
    lenderButton_->setToolTip(tr("The usual checks of lenders in your country, for each type"));
    onAction(lenderButton_, [this] {
        if (options_)
            open_.lenderChecks();
    });
    top->addWidget(caption_, 1);
    top->addWidget(whatIf_);
    top->addWidget(chart_);
    top->addWidget(preview_);
    top->addWidget(compareButton_);
    top->addWidget(lenderButton_);
    layout->addLayout(top);
    layout->addSpacing(twips(120));
    layout->addLayout(buildTable(panel, b));
    legend_ = b.label(tr("Shaded: the lowest first repayment and the lowest total paid among "
                         "the types you can afford that repay the loan."));
    legend_->setObjectName(QStringLiteral("lblLegend"));
    legend_->setWordWrap(true);
    layout->addSpacing(twips(60));
    lenderLine_ = b.label(QString());
    lenderLine_->setObjectName(QStringLiteral("lblLenderChecks"));
    lenderLine_->setWordWrap(true);
    lenderLine_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lenderLine_->setVisible(false);
    // Side by side, so that the table keeps the room it has.
    auto* underTable = new QHBoxLayout;
    underTable->addWidget(legend_, 2);
    underTable->addWidget(lenderLine_, 1);
    layout->addLayout(underTable);
    // Tab goes left to right along the top, then down the type buttons.
    QWidget::setTabOrder(whatIf_, chart_);
    QWidget::setTabOrder(chart_, preview_);
    QWidget::setTabOrder(preview_, compareButton_);
    QWidget::setTabOrder(compareButton_, lenderButton_);
    QWidget::setTabOrder(lenderButton_, types_[0]);
    layout->addStretch(1);
    for (std::size_t i = 0; i < types_.size(); ++i) {
        const int topic = MortgageTypeTopics + static_cast<int>(i);
        onAction(types_[i], [this, topic] { context_.showHelp(topic); });
    }
}

QGridLayout* ResultsPage::buildTable(QWidget* panel, PageBuilder& b) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(twips(30));

    // Each head stands over its column.
    for (std::size_t i = 0; i < Heads.size(); ++i) {
        auto* head = new ColumnHead(tr(Heads[i].caption), panel);
        head->setObjectName(QStringLiteral("SkinPanel1_%1").arg(i));
        // Its runs of blanks lay out two lines; a screen reader reads the words.
        head->setAccessibleName(head->text().simplified());
        Skin::applyTo(head, Skin::Element::Panel);
        grid->addWidget(head, HeadRow, Heads[i].column, 1, Heads[i].columnSpan);
        heads_[i] = head;
    }

    const QString money = b.startAmount(0, "$0.00");
    for (int column = 0; column < 7; ++column) {
        grid->setColumnMinimumWidth(column, twips(ColumnWidths[column]));
        // The money columns share the room the window gives the table.
        grid->setColumnStretch(column, column < 2 ? 0 : 1);
    }
    grid->setRowMinimumHeight(HeadRow, heads_[2]->sizeHint().height());

    // The widest figures a cell can show, whatever the type.
    const QStringList termTexts = b.widestTexts(NumericField::Format::Number);
    const QStringList moneyTexts = b.widestTexts(NumericField::Format::Amount) << variesText();
    for (std::size_t k = 0; k < RowCount; ++k) {
        const int row = static_cast<int>(k) + 1;
        auto* type = new WrappingButton(mortgageTypeName(static_cast<int>(k)), panel);
        type->setObjectName(QStringLiteral("cmdMortgage%1").arg(k));
        type->setMinimumWidth(twips(ColumnWidths[0]));
        type->setProperty("compact", true);
        Skin::applyTo(type, Skin::Element::Button);
        types_[k] = type;
        grid->addWidget(type, row, 0);

        const bool revolving = k >= CashManagementType;
        const QString repayment = revolving ? variesText() : money;
        term_[k] = b.display(regional().number(0.0), false);
        first_[k] = b.display(repayment, false);
        last_[k] = b.display(repayment, false);
        paid_[k] = b.display(money, false);
        interest_[k] = b.display(money, false);
        final_[k] = b.display(money, false);
        const std::array<QLineEdit*, 6> cells = rowCells(k);
        // Every cell shows the largest figure in full, whatever the locale.
        fitToFigures(term_[k], termTexts, twips(ColumnWidths[1]));
        for (std::size_t c = 1; c < cells.size(); ++c)
            fitToFigures(cells[c], moneyTexts);
        // Each cell says what it is: "Table, first monthly repayment".
        const char* const cellNames[] = {
            QT_TR_NOOP("%1, term in years"),          QT_TR_NOOP("%1, first monthly repayment"),
            QT_TR_NOOP("%1, last monthly repayment"), QT_TR_NOOP("%1, total amount paid"),
            QT_TR_NOOP("%1, interest total paid"),    QT_TR_NOOP("%1, final balance")};
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c]->setAccessibleName(
                tr(cellNames[c]).arg(mortgageTypeName(static_cast<int>(k))));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            cells[c]->setObjectName(QStringLiteral("row%1cell%2").arg(k).arg(c));
            grid->addWidget(cells[c], row, static_cast<int>(c) + 1, Qt::AlignVCenter);
        }

        // Under the figures of a type that cannot be afforded, which stay
        // readable but dimmed: the mark, and why.
        auto* note = new QWidget(panel);
        note->setObjectName(QStringLiteral("notAffordable%1").arg(k));
        auto* noteLine = new QHBoxLayout(note);
        noteLine->setContentsMargins(0, 0, 0, 0);
        auto* mark = new QLabel(tr("This option is not affordable"), note);
        mark->setObjectName(QStringLiteral("lblAvailable%1").arg(k));
        Skin::applyTo(mark, Skin::Element::Mark);
        auto* reason = new QLabel(note);
        reason->setObjectName(QStringLiteral("lblReason%1").arg(k));
        reason->setTextFormat(Qt::PlainText);
        reason->setWordWrap(true);
        reason->setProperty("skin", QStringLiteral("reason"));
        noteLine->addWidget(mark);
        noteLine->addWidget(reason, 1);
        note->setVisible(false);
        notes_[k] = note;
        marks_[k] = mark;
        reasons_[k] = reason;
        grid->addWidget(note, row, 1, 1, 6, Qt::AlignBottom);
    }
    // Every row as high as the tallest, so that the figures stand in even rows,
    // and high enough for a type's figures with its note under them.
    int rowHeight = notes_[0]->sizeHint().height() + first_[0]->sizeHint().height();
    for (QPushButton* type : types_) {
        type->ensurePolished();
        rowHeight = std::max(rowHeight, type->heightForWidth(twips(ColumnWidths[0])));
    }
    for (int row = 1; row <= RowCount; ++row)
        grid->setRowMinimumHeight(row, rowHeight);
    for (QPushButton* type : types_)
        type->setMinimumHeight(rowHeight);
    table_ = grid;
    return grid;
}

OptionsInput ResultsPage::optionsInput() const {
    return optionsInputOf(context_.entered, context_.figures);
}

bool ResultsPage::prepare() {
    showOptions(calculateOptions(optionsInput(), Schedules::With));
    return true;
}

void ResultsPage::showWorkedOut(const CaseResults& results) {
    if (results.options)
        showOptions(*results.options);
}

void ResultsPage::showOptions(const OptionsResult& options) {
    options_ = options;
    const QString termText = regional().number(context_.entered.termYears);
    for (std::size_t k = 0; k < RowCount; ++k)
        showRow(k, options_->types[k], termText);
    markLowest(*options_);
    report_ = caseReportContent(context_.entered, context_.figures, *options_, regional());
    showLenderSummary();
}

void ResultsPage::showLenderSummary() {
    const LenderCase lender = lenderCaseOf(context_.entered, context_.figures);
    const LenderCountry country = lender.figures.country;
    const auto checks = lenderChecks(lender);
    lenderLine_->setText(lenderSummary(country, checks, regional()));
    lenderLine_->setVisible(!lenderLine_->text().isEmpty());
    if (report_)
        report_->lenderChecks = lenderSections(country, checks, regional());
}

void ResultsPage::load(const MortgageCase&) {
    options_.reset();
    report_.reset();
}

void ResultsPage::enter() {
    caption_->setText(tr("Amount borrowed:  %1  at  %2")
                          .arg(regional().currency(context_.figures.requirement),
                               rateText(context_.entered, regional())));
}

std::array<QLineEdit*, 6> ResultsPage::rowCells(std::size_t type) const {
    return {term_[type], first_[type], last_[type], paid_[type], interest_[type], final_[type]};
}

void ResultsPage::showRow(std::size_t type, const OptionFigures& figures, const QString& termText) {
    const QString name = mortgageTypeName(static_cast<int>(type));
    const QString why = notAffordableReason(figures, regional());
    QLabel* mark = marks_[type];
    mark->setToolTip(why);
    // A screen reader meets the mark with its type and its reason.
    mark->setAccessibleName(tr("%1: This option is not affordable").arg(name));
    mark->setAccessibleDescription(why);
    types_[type]->setAccessibleDescription(figures.affordable ? tr("Affordable")
                                           : why.isEmpty()    ? tr("Not affordable")
                                                              : tr("Not affordable: %1").arg(why));
    reasons_[type]->setText(why);
    // A type that cannot be afforded keeps its figures, dimmed, with the note
    // under them; a type with no figures shows the note in their place. The
    // note stays in its row's place among the widgets (never raised above the
    // others), so that a screen reader meets it with its row.
    const bool shown = figuresWorkedOut(figures);
    const bool noted = !figures.affordable;
    for (QLineEdit* cell : rowCells(type)) {
        cell->setVisible(shown);
        table_->setAlignment(cell, noted ? Qt::AlignTop : Qt::AlignVCenter);
        Skin::setMarked(cell, "dimmed", noted);
    }
    table_->setAlignment(notes_[type], shown ? Qt::AlignBottom : Qt::AlignVCenter);
    notes_[type]->setVisible(noted);
    if (!shown)
        return;
    const RowTexts row = rowTexts(static_cast<int>(type), figures, termText, regional());
    term_[type]->setText(row.term);
    first_[type]->setText(row.first.value_or(variesText()));
    last_[type]->setText(row.last.value_or(variesText()));
    paid_[type]->setText(row.paid);
    interest_[type]->setText(row.interest);
    final_[type]->setText(row.finalBalance.value_or(regional().currency(Currency())));
}

void ResultsPage::markLowest(const OptionsResult& result) {
    const auto lowestFirst = lowestOf(result, &firstRepaymentOf, regional());
    const auto lowestPaid = lowestOf(result, &totalPaidOf, regional());
    for (std::size_t k = 0; k < RowCount; ++k) {
        const std::pair<QLineEdit*, bool> cells[] = {{first_[k], lowestFirst[k]},
                                                     {paid_[k], lowestPaid[k]}};
        for (const auto& [cell, lowest] : cells) {
            // A screen reader hears what the shading shows.
            cell->setAccessibleDescription(
                lowest ? tr("The lowest of the affordable types that repay the loan") : QString());
            Skin::setMarked(cell, "best", lowest);
        }
    }
}

double ResultsPage::propertyValue() const {
    return securedPropertyValue(context_.entered, context_.figures);
}

CurrentLoan ResultsPage::suggestedLoan() const {
    return suggestedCurrentLoan(context_.entered, context_.figures);
}

} // namespace hw
