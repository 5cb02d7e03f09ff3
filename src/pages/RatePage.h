// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <array>

class QLabel;
class QPushButton;

namespace hw {

// The affordability summary, the interest rate and the term, and the three
// rate types' information.
class RatePage : public StepPage {
    Q_OBJECT
public:
    explicit RatePage(PageContext& context);
    void showWorkedOut(const CaseResults&) override { prepare(); }
    void store(MortgageCase& value) const override;
    void load(const MortgageCase& value) override;
    void setUp() override;

    // The first topic of the rate types' information.
    static constexpr int RateTypeTopics = 30;

protected:
    NumericField* fieldAt(PageField field) override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    // The summary of what the pages before worked out.
    bool prepare() override;
    bool validate() override;
    void repair() override;
    NumericField* entryFocus() override { return rate_; }
    void chooseCompounding(Compounding compounding);

private:
    std::array<QLabel*, 5> summaryCaptions_{};
    std::array<QLabel*, 5> summary_{};
    NumericField* rate_ = nullptr;
    NumericField* term_ = nullptr;
    std::array<QPushButton*, 3> rateTypes_{};
    // Monthly, Half-yearly.
    std::array<QPushButton*, 2> compounding_{};
};

} // namespace hw
