// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <span>
#include <vector>

class QLineEdit;
class QPushButton;

namespace hw {

// How a purpose's page looks: one row per purpose. (What the page computes,
// carries and requires is the core's purposeRules; its captions the core's
// captions::Purposes.)
struct PurposeRow {
    const char* title = nullptr;
    const char* guidance = nullptr;
    std::span<const FieldSpec> fields = {};
    std::span<const FieldSpec> secondFields = {}; // the buying or building part, if any
    const char* partHeads[2] = {nullptr, nullptr};
    const char* totalCaption = QT_TRANSLATE_NOOP("hw::RequirementPage", "Total:");
    PageField entryFocus = {}; // the field the focus goes to on entry
};
const PurposeRow& purposeRow(int purpose);

// A purpose's own figures, built from its row: what is paid, the debts
// carried from the liabilities page, what the household brings, and the
// mortgage requirement they make.
class RequirementPage : public StepPage {
    Q_OBJECT
public:
    RequirementPage(PageContext& context, int purpose);
    void forgetWorkedOut(MortgageCase& value) const override;
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;
    void showWorkedOut(const CaseResults& results) override;

protected:
    NumericField* fieldAt(PageField which) override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    bool prepare() override;
    bool validate() override;
    bool calculate() override;
    void showTotals() override;
    // The amount to borrow must be over 0.
    bool confirm() override;
    NumericField* entryFocus() override { return fieldAt(row_.entryFocus); }

private:
    // The debts and what the page carries, as `value` holds them.
    void showCarried(const MortgageCase& value);
    // The equity of the sale as its figures stand.
    void refreshEquity();
    int purpose_;
    const PurposeRow& row_;
    std::vector<NumericField*> parts_[2];
    QPushButton* calculate_ = nullptr;
    QLineEdit* totalShown_ = nullptr;
    Currency total_;
};

} // namespace hw
