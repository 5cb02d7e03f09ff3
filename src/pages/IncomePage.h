// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace hw {

// Three incomes, each with its tax rate and what is left after tax, and the
// monthly income before and after tax.
class IncomePage : public StepPage {
    Q_OBJECT
public:
    explicit IncomePage(PageContext& context);
    void showWorkedOut(const CaseResults& results) override;
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;

protected:
    NumericField* fieldAt(PageField field) override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    bool validate() override;
    bool calculate() override;
    void showTotals() override;
    void repair() override;
    NumericField* entryFocus() override { return gross_[0]; }

private:
    void showIncome(const IncomeResult& result);
    static constexpr std::size_t Rows = 3;
    std::array<NumericField*, Rows> gross_{};
    std::array<NumericField*, Rows> taxRate_{};
    std::array<NumericField*, Rows> afterTax_{};
    QPushButton* calculate_ = nullptr;
    QLineEdit* monthlyGross_ = nullptr;
    QLineEdit* monthlyAfterTax_ = nullptr;
};

} // namespace hw
