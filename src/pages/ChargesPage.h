// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace hw {

// The fees and bank charges: the purpose's requirement, the valuation and
// legal fees, the bank charges as a percentage or a fixed amount, and the
// total to borrow.
class ChargesPage : public StepPage {
    Q_OBJECT
public:
    explicit ChargesPage(PageContext& context);
    void setUp() override;
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;
    void showWorkedOut(const CaseResults& results) override;
    void forgetWorkedOut(MortgageCase& value) const override;

protected:
    NumericField* fieldAt(PageField field) override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    // Takes the purpose page's requirement, keeping the bank charges as given.
    bool prepare() override;
    // The charges are checked where the user gives them: the percentage, or the
    // fixed amount against the total before bank charges.
    bool validate() override;
    bool calculate() override;
    void repair() override;
    NumericField* entryFocus() override { return valuation_; }

private:
    ChargesMode mode() const;
    void setMode(ChargesMode mode);
    void chooseMode(ChargesMode mode);
    ChargesFigures figures() const;
    void showFigures(const ChargesFigures& page);
    // "Total Before Bank Charges:" as the fees change, until the page is calculated.
    void refreshBeforeBank();

    NumericField* subtotal_ = nullptr;
    NumericField* valuation_ = nullptr;
    NumericField* legal_ = nullptr;
    NumericField* beforeBank_ = nullptr;
    std::array<QPushButton*, 2> modeButtons_{}; // percent, fixed amount
    NumericField* percent_ = nullptr;
    NumericField* amount_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QLineEdit* totalShown_ = nullptr;
    // The figures the page shows, as it last worked them out.
    ChargesFigures shown_;
};

} // namespace hw
