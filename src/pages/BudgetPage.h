// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace hw {

// The living expenses, fortnightly or monthly, and the monthly expenditure they make.
class BudgetPage : public StepPage {
    Q_OBJECT
public:
    explicit BudgetPage(PageContext& context);
    void setUp() override;
    void showWorkedOut(const CaseResults& results) override;
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;

protected:
    void build(QWidget* panel, QVBoxLayout* layout) override;
    bool calculate() override;
    void showTotals() override;
    NumericField* entryFocus() override { return expenses_[0]; }

private:
    void choosePeriod(bool fortnightly);
    bool fortnightly() const;
    std::array<QPushButton*, 2> period_{}; // fortnightly, monthly
    std::array<NumericField*, 7> expenses_{};
    QPushButton* calculate_ = nullptr;
    QLineEdit* monthly_ = nullptr;
};

} // namespace hw
