// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartWindow.h"

#include "BalanceChart.h"
#include "ReadingTable.h"
#include "base/SaveAs.h"
#include "base/ScreenRoom.h"
#include "calc/OptionTexts.h"
#include "look/ScrolledTab.h"
#include "look/Skin.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hw {

namespace {
const char* const ScheduleHeadTexts[] = {QT_TRANSLATE_NOOP("hw::ChartWindow", "Month"),
                                         QT_TRANSLATE_NOOP("hw::ChartWindow", "Repayment"),
                                         QT_TRANSLATE_NOOP("hw::ChartWindow", "Interest"),
                                         QT_TRANSLATE_NOOP("hw::ChartWindow", "Principal"),
                                         QT_TRANSLATE_NOOP("hw::ChartWindow", "Balance"),
                                         QT_TRANSLATE_NOOP("hw::ChartWindow", "Fund")};
QStringList scheduleHeads(int columns) {
    QStringList heads;
    for (int c = 0; c < columns; ++c)
        heads << QCoreApplication::translate("hw::ChartWindow", ScheduleHeadTexts[c]);
    return heads;
}
} // namespace

ChartWindow::ChartWindow(const OptionsResult& result, Currency amount, const Regional& regional,
                         QWidget* owner)
    : QDialog(owner), result_(result), amount_(amount), regional_(regional) {
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(tr("Mortgage Options Chart"));
    Skin::applyToWindow(this, Skin::Storage::Third);

    tabs = new QTabWidget(this);
    chart = new BalanceChart(tabs);
    chart->setLocale(regional.locale());
    const QLocale locale = regional.locale();
    chart->setSeries(balanceSeries(result_, amount), [locale](double value) {
        return locale.toCurrencyString(value, QString(), 0);
    });
    tabs->addTab(chart, tr("&Balance over time"));
    tabs->addTab(buildScheduleTab(), tr("&Schedule"));

    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    Skin::applyTo(closeButton_, Skin::Element::Button);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);
    // Its designed size, or the screen's room where that is smaller.
    scrollTabsOnSmallScreens(tabs, this);
    resize(withinScreen(this, QSize(760, 560)));
}

QWidget* ChartWindow::buildScheduleTab() {
    auto* page = new QWidget(tabs);
    typeBox_ = new QComboBox(page);
    typeBox_->setObjectName(QStringLiteral("cboType"));
    for (int type = 0; type < MortgageTypeCount; ++type)
        if (!result_.types[static_cast<std::size_t>(type)].schedule.empty())
            typeBox_->addItem(mortgageTypeName(type), type);
    auto* caption = new QLabel(tr("Mortgage &type:"), page);
    caption->setBuddy(typeBox_);

    scheduleTable_ = readingTable(0, {}, page);
    scheduleTable_->setObjectName(QStringLiteral("grdSchedule"));
    scheduleTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    scheduleTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The table's own Copy takes one cell; the schedule copies whole rows.
    scheduleTable_->installEventFilter(this);

    copyButton_ = new QPushButton(tr("C&opy"), page);
    copyButton_->setObjectName(QStringLiteral("copyButton"));
    exportButton_ = new QPushButton(tr("&Export CSV..."), page);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    for (QPushButton* button : {copyButton_, exportButton_})
        Skin::applyTo(button, Skin::Element::Button);
    connect(copyButton_, &QPushButton::clicked, this, &ChartWindow::copySchedule);
    connect(exportButton_, &QPushButton::clicked, this, &ChartWindow::exportSchedule);
    connect(typeBox_, &QComboBox::currentIndexChanged, this, &ChartWindow::showSchedule);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(typeBox_, 1);
    top->addWidget(copyButton_);
    top->addWidget(exportButton_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(scheduleTable_, 1);
    showSchedule();
    return page;
}

std::vector<ShownScheduleRow> ChartWindow::shownSchedule() const {
    if (typeBox_->currentIndex() < 0)
        return {};
    const int type = typeBox_->currentData().toInt();
    return hw::shownSchedule(type, result_.types[static_cast<std::size_t>(type)], amount_,
                             regional_.currencyDecimals());
}

void ChartWindow::showSchedule() {
    const std::vector<ShownScheduleRow> rows = shownSchedule();
    const bool withFund = !rows.empty() && rows.front().fund.has_value();
    scheduleTable_->clear();
    scheduleTable_->setColumnCount(withFund ? 6 : 5);
    scheduleTable_->setHorizontalHeaderLabels(scheduleHeads(withFund ? 6 : 5));
    scheduleTable_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const ShownScheduleRow& row = rows[static_cast<std::size_t>(i)];
        QStringList cells = {regional_.locale().toString(row.month),
                             regional_.currency(row.repayment), regional_.currency(row.interest),
                             regional_.currency(row.principal), regional_.currency(row.balance)};
        if (withFund)
            cells << regional_.currency(row.fund.value_or(Currency()));
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            scheduleTable_->setItem(i, c, item);
        }
    }
    // The columns share the width, none narrower than its widest figure; the
    // table scrolls sideways where the window is too narrow for them.
    const QFontMetrics metrics(scheduleTable_->font());
    int widest = metrics.horizontalAdvance(scheduleHeads(scheduleTable_->columnCount()).join(u' '));
    widest /= scheduleTable_->columnCount();
    for (const ShownScheduleRow& row : rows)
        for (const Currency figure : {row.repayment, row.interest, row.principal, row.balance})
            widest = std::max(widest, metrics.horizontalAdvance(regional_.currency(figure)));
    scheduleTable_->horizontalHeader()->setMinimumSectionSize(widest +
                                                              3 * metrics.averageCharWidth());
    copyButton_->setEnabled(!rows.empty());
    exportButton_->setEnabled(!rows.empty());
}

void ChartWindow::copySchedule() {
    QList<int> rows;
    for (const QModelIndex& index : scheduleTable_->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty())
        for (int i = 0; i < scheduleTable_->rowCount(); ++i)
            rows << i;
    std::sort(rows.begin(), rows.end());
    const std::vector<ShownScheduleRow> all = shownSchedule();
    std::vector<ShownScheduleRow> chosen;
    for (int row : rows)
        chosen.push_back(all[static_cast<std::size_t>(row)]);
    // Plain numbers in the region's decimal form, so that its spreadsheet
    // reads them as numbers, not as text with a currency sign.
    CsvStyle style = regionalCsv(regional_);
    style.separator = u'\t';
    QApplication::clipboard()->setText(scheduleCsv(chosen, style));
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scheduleTable_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copySchedule();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

WriteOutcome ChartWindow::exportCsv(const QString& path, CsvStyle style) const {
    // Figures in the currency's own decimals, whichever style.
    style.decimals = regional_.currencyDecimals();
    return writeWholeFile(path, scheduleCsv(shownSchedule(), style).toUtf8());
}

void ChartWindow::exportSchedule() {
    // Where the region writes decimals with a comma, its spreadsheets read ";"
    // between fields: that form is offered first, the plain one after it.
    const CsvStyle regional = regionalCsv(regional_);
    const bool twoForms = regional.separator != CsvStyle{}.separator;
    const QString plain = tr("CSV files, comma-separated (*.csv)");
    const QString filters =
        twoForms
            ? tr("CSV files for your spreadsheet, %1-separated (*.csv)").arg(regional.separator) +
                  QStringLiteral(";;") + plain
            : plain;
    saveAs(this,
           {tr("Export CSV"), typeBox_->currentText() + QStringLiteral(".csv"),
            QStringLiteral(".csv"), filters, tr("The schedule was saved as %1."),
            tr("The schedule could not be saved as %1: %2")},
           [this, twoForms, regional](const QString& path, int filter) {
               return exportCsv(path, twoForms && filter == 0 ? regional : CsvStyle{});
           });
}

} // namespace hw
