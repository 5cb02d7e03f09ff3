#include "entry/PageBuilder.h"
#include "look/FigureWidth.h"
#include "look/Skin.h"
#include "look/WrappingButton.h"
#include "results/ColumnHead.h"
#include "results/frmChart.h"
#include "results/frmCompare.h"
#include "results/frmWhatIf.h"
#include "results/rptMortgage.h"
#include "shell/Twips.h"
#include "shell/frmMortgage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The results page: the seven mortgage types side by side, and Preview.

namespace hw {

namespace {

// Column heads; the runs of blanks put each caption on two lines.
struct HeadSpec {
    const char* caption;
    int column;
    int columnSpan;
};
const std::array<HeadSpec, 6> Heads = {{
    {"Mortgage Type", 0, 1},
    {" Term    Years", 1, 1},
    {"Monthly Repayments First                 Last", 2, 2},
    {"Total   Amount Paid", 4, 1},
    {"Interest  Total Paid", 5, 1},
    {"Final  Balance", 6, 1},
}};
// Designed widths of the seven columns, in twips.
const int ColumnWidths[7] = {2055, 735, 975, 975, 1215, 1215, 1095};
constexpr int RowCount = MortgageTypeCount;
constexpr int HeadRow = 0;

} // namespace

void frmMortgage::buildResultsPage(QVBoxLayout* page, PageBuilder& b) {
    auto* top = new QHBoxLayout;
    sknpnMortgage = new QLabel(fraStep[ResultsStep]);
    sknpnMortgage->setObjectName(QStringLiteral("sknpnMortgage"));
    sknpnMortgage->setTextFormat(Qt::PlainText);
    sknpnMortgage->setMinimumSize(twips(6135), twips(495));
    Skin::applyTo(sknpnMortgage, Skin::Element::Panel);
    // Made in the order they stand, which is the order a screen reader lists them in.
    cmdWhatIf = b.button(tr("&What If"));
    cmdWhatIf->setObjectName(QStringLiteral("cmdWhatIf"));
    cmdWhatIf->setMinimumSize(twips(1095), twips(495));
    cmdWhatIf->setToolTip(tr("What if rates rise, how much could we borrow, paying extra, a "
                             "fixed rate that ends"));
    onAction(cmdWhatIf, [this] { cmdWhatIf_Click(); });
    cmdChart = b.button(tr("&Chart"));
    cmdChart->setObjectName(QStringLiteral("cmdChart"));
    cmdChart->setMinimumSize(twips(1095), twips(495));
    cmdChart->setToolTip(QStringLiteral("The balance of each type over the years, and its "
                                        "month-by-month schedule"));
    onAction(cmdChart, [this] { cmdChart_Click(); });
    cmdPreview = b.button(tr("&Preview"));
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    cmdPreview->setMinimumSize(twips(1095), twips(495));
    onAction(cmdPreview, [this] { cmdPreview_Click(); });
    cmdCompare = b.button(tr("C&ompare"));
    cmdCompare->setObjectName(QStringLiteral("cmdCompare"));
    cmdCompare->setMinimumSize(twips(1095), twips(495));
    cmdCompare->setToolTip(tr("This case beside saved cases"));
    onAction(cmdCompare, [this] { cmdCompare_Click(); });
    top->addWidget(sknpnMortgage, 1);
    top->addWidget(cmdWhatIf);
    top->addWidget(cmdChart);
    top->addWidget(cmdPreview);
    top->addWidget(cmdCompare);
    page->addLayout(top);
    page->addSpacing(twips(120));
    page->addLayout(buildResultsTable(b));
    // Tab goes left to right along the top, then down the type buttons.
    QWidget::setTabOrder(cmdWhatIf, cmdChart);
    QWidget::setTabOrder(cmdChart, cmdPreview);
    QWidget::setTabOrder(cmdPreview, cmdCompare);
    QWidget::setTabOrder(cmdCompare, cmdMortgage[0]);
    page->addStretch(1);
}

QGridLayout* frmMortgage::buildResultsTable(PageBuilder& b) {
    QWidget* panel = fraStep[ResultsStep];
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(twips(90));

    // The heads of columns 1 to 6 reach down behind their column as its background.
    for (std::size_t i = 0; i < Heads.size(); ++i) {
        auto* head = new ColumnHead(tr(Heads[i].caption), panel);
        head->setObjectName(QStringLiteral("SkinPanel1_%1").arg(i));
        // Its runs of blanks lay out two lines; a screen reader reads the words.
        head->setAccessibleName(head->text().simplified());
        Skin::applyTo(head, Skin::Element::Panel);
        const int rows = i == 0 ? 1 : RowCount + 1;
        grid->addWidget(head, HeadRow, Heads[i].column, rows, Heads[i].columnSpan);
        SkinPanel1[i] = head;
    }

    const QString money = b.startAmount(0, "$0.00");
    for (int column = 0; column < 7; ++column) {
        grid->setColumnMinimumWidth(column, twips(ColumnWidths[column]));
        // The money columns share the room the window gives the table.
        grid->setColumnStretch(column, column < 2 ? 0 : 1);
    }
    grid->setRowMinimumHeight(HeadRow, SkinPanel1[2]->sizeHint().height());

    // The widest figures a cell can show, whatever the type.
    const QStringList termTexts = b.widestTexts(NumericField::Format::Number);
    const QStringList moneyTexts = b.widestTexts(NumericField::Format::Amount) << variesText();
    for (std::size_t k = 0; k < RowCount; ++k) {
        const int row = static_cast<int>(k) + 1;
        auto* type = new WrappingButton(mortgageTypeName(static_cast<int>(k)), panel);
        type->setObjectName(QStringLiteral("cmdMortgage%1").arg(k));
        type->setMinimumSize(twips(ColumnWidths[0]), twips(k < 4 ? 495 : 615));
        Skin::applyTo(type, Skin::Element::Button);
        cmdMortgage[k] = type;
        grid->addWidget(type, row, 0);

        const bool revolving = k >= CashManagementType;
        const QString repayment = revolving ? variesText() : money;
        txtTerm[k] = b.display(regional_.number(0.0), false);
        txtFirst[k] = b.display(repayment, false);
        txtLast[k] = b.display(repayment, false);
        txtPaid[k] = b.display(money, false);
        txtInterest[k] = b.display(money, false);
        txtFinal[k] = b.display(money, false);
        const std::array<QLineEdit*, 6> cells = rowCells(k);
        // Every cell shows the largest figure in full, whatever the locale.
        fitToFigures(txtTerm[k], termTexts, twips(ColumnWidths[1]));
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

        // Lies over the row's figures; shown in front when the type cannot be afforded.
        auto* mark = new QLabel(tr("This option is not affordable"), panel);
        mark->setObjectName(QStringLiteral("lblAvailable%1").arg(k));
        mark->setAlignment(Qt::AlignCenter);
        mark->setAutoFillBackground(true);
        Skin::applyTo(mark, Skin::Element::Mark);
        mark->setVisible(false);
        lblAvailable[k] = mark;
        grid->addWidget(mark, row, 1, 1, 6);
    }
    return grid;
}

OptionsInput frmMortgage::optionsInput() const {
    // The rate page's figures as it shows them, read as the calculations read them.
    return {MortgageRequirement,
            regional_.toFloat(txtRate[0]->text(), Regional::Percent).valueOr(0.0F),
            regional_.toFloat(txtRate[1]->text()).valueOr(0.0F),
            MonthlyIncomeAfterTax,
            toDouble(MonthlyExpenditure),
            amountOf(txtAfterTaxIncome),
            amountOf(txtTotalBudget)};
}

void frmMortgage::Calculate() {
    const OptionsInput input = optionsInput();
    options_ = calculateOptions(input, Schedules::With);
    const QString termText = txtRate[1]->text();
    for (std::size_t k = 0; k < RowCount; ++k)
        showOptionRow(k, options_->types[k], termText);
    const auto spare = input.shownIncome.minus(input.shownBudget);
    const ReportCase reportCase{optPurpose[static_cast<std::size_t>(Purpose)]->text(),
                                MortgageRequirement, txtRate[0]->text(), termText,
                                regional_.currency(spare.value_or(Currency()))};
    report_ = hw::reportContent(*options_, reportCase, regional_);
}

std::array<QLineEdit*, 6> frmMortgage::rowCells(std::size_t type) const {
    return {txtTerm[type], txtFirst[type],    txtLast[type],
            txtPaid[type], txtInterest[type], txtFinal[type]};
}

void frmMortgage::showOptionRow(std::size_t type, const OptionFigures& figures,
                                const QString& termText) {
    QLabel* mark = lblAvailable[type];
    const QString name = mortgageTypeName(static_cast<int>(type));
    const QString why = notAffordableReason(figures, regional_);
    mark->setToolTip(why);
    // A screen reader meets the mark with its type and its reason.
    mark->setAccessibleName(tr("%1: This option is not affordable").arg(name));
    mark->setAccessibleDescription(why);
    cmdMortgage[type]->setAccessibleDescription(figures.affordable ? tr("Affordable")
                                                : why.isEmpty()
                                                    ? tr("Not affordable")
                                                    : tr("Not affordable: %1").arg(why));
    // The row keeps its old figures behind the mark, hidden, so that a screen
    // reader finds only "This option is not affordable" there.
    for (QLineEdit* cell : rowCells(type))
        cell->setVisible(figures.affordable);
    // The mark stays in its row's place among the widgets (never raised above
    // the others), so that a screen reader meets it with its row.
    mark->setVisible(!figures.affordable);
    if (!figures.affordable)
        return;
    const RowTexts row = rowTexts(static_cast<int>(type), figures, termText, regional_);
    txtTerm[type]->setText(row.term);
    if (row.first)
        txtFirst[type]->setText(*row.first);
    if (row.last)
        txtLast[type]->setText(*row.last);
    txtPaid[type]->setText(row.paid);
    txtInterest[type]->setText(row.interest);
    if (row.finalBalance)
        txtFinal[type]->setText(*row.finalBalance);
}

double frmMortgage::propertyValue() const {
    return buysProperty(Purpose) ? PropertyValue : 0.0;
}

void frmMortgage::cmdPreview_Click() {
    if (!report_)
        return;
    rptMortgage report(*report_, regional_.locale());
    report.setWhatIfSource(
        [this] { return whatIfSummary(optionsInput(), regional_, propertyValue(), whatIf_); });
    report.preview(this);
}

void frmMortgage::cmdWhatIf_Click() {
    if (!options_)
        return;
    frmWhatIf window(optionsInput(), regional_, propertyValue(), whatIf_, this);
    window.exec();
}

void frmMortgage::cmdChart_Click() {
    if (!options_)
        return;
    frmChart chart(*options_, MortgageRequirement, regional_, this);
    chart.exec();
}

void frmMortgage::cmdCompare_Click(const QStringList& paths) {
    frmCompare compare(*this, regional_);
    compare.addCases(paths);
    compare.exec();
}

} // namespace hw
