// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Schedules.h"
#include "store/WholeFile.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace hw {

class BalanceChart;

// The chart of the outstanding balance of every affordable type, and the
// month-by-month schedule of the type the user picks.
class ChartWindow : public QDialog {
    Q_OBJECT
public:
    ChartWindow(const OptionsResult& result, Currency amount, const Regional& regional,
                QWidget* owner = nullptr);

    QTabWidget* tabs = nullptr;
    BalanceChart* chart = nullptr;

    // The schedule shown, in cents that add up: of the type picked in typeBox_.
    std::vector<ShownScheduleRow> shownSchedule() const;
    // Copies the selected rows (all rows when none is selected), with the column
    // heads, as tab-separated text that a spreadsheet takes.
    void copySchedule();
    // Writes the shown schedule as CSV; a file that could not be written says why.
    WriteOutcome exportCsv(const QString& path, CsvStyle style = {}) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* typeBox_ = nullptr; // the affordable types, in type order
    QTableWidget* scheduleTable_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QWidget* buildScheduleTab();
    void showSchedule();
    void exportSchedule();

    OptionsResult result_;
    Currency amount_;
    const Regional& regional_;
};

} // namespace hw
