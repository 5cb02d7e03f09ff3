// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/WhatIf.h"
#include "entry/NumericField.h"

#include <QDialog>
#include <variant>

class QButtonGroup;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace hw {

class BalanceChart;

// "What If": seven questions about the case already entered, one tab each.
// Nothing the results page or the report shows changes; a question that
// cannot be answered gets one message and leaves the last answer as it was.
// Its figures are typed as on the main pages: the same fields, the same rules.
class WhatIfWindow : public QDialog {
    Q_OBJECT
public:
    // `suggested` is the current loan the refinancing tab starts with until one was asked.
    WhatIfWindow(const OptionsInput& input, const Regional& regional, double propertyValue,
                 WhatIfSettings& settings, QWidget* owner = nullptr,
                 const CurrentLoan& suggested = {});

    void workOutRise();
    void workOutExtra();
    void workOutReset();
    void workOutHowOften();
    void workOutOffset();
    void workOutRefinancing();

private:
    QTabWidget* tabs_ = nullptr;
    // Rates rise.
    NumericField* riseField_ = nullptr;
    QPushButton* riseButton_ = nullptr;
    QTableWidget* riseTable_ = nullptr;
    // How much could we borrow.
    QTableWidget* borrowTable_ = nullptr;
    QLabel* tableTermLabel_ = nullptr;
    // Paying extra.
    QButtonGroup* extraType_ = nullptr;
    NumericField* extraField_ = nullptr;
    NumericField* lumpField_ = nullptr;
    NumericField* lumpMonthField_ = nullptr;
    QPushButton* extraButton_ = nullptr;
    QLabel* extraLabel_ = nullptr;
    BalanceChart* extraChart_ = nullptr;
    QTableWidget* extraTable_ = nullptr; // month by month, as entered and paying extra
    // A fixed rate that ends.
    NumericField* fixedYearsField_ = nullptr;
    NumericField* resetRateField_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QLabel* resetLabel_ = nullptr;
    BalanceChart* resetChart_ = nullptr;
    QTableWidget* extraWaysTable_ = nullptr; // shorten the term, or keep it and pay less
    // How often you pay.
    QButtonGroup* oftenType_ = nullptr;
    QTableWidget* oftenTable_ = nullptr;
    // An offset account.
    NumericField* savingsField_ = nullptr;
    NumericField* monthlySavingsField_ = nullptr;
    QPushButton* offsetButton_ = nullptr;
    QTableWidget* offsetTable_ = nullptr;
    // Refinancing.
    NumericField* currentBalanceField_ = nullptr;
    NumericField* currentRateField_ = nullptr;
    NumericField* yearsLeftField_ = nullptr;
    NumericField* costsField_ = nullptr;
    QPushButton* refinanceButton_ = nullptr;
    QLabel* refinanceLabel_ = nullptr;
    QPushButton* moreButton_ = nullptr; // "Tell Me More" about the window
    QPushButton* closeButton_ = nullptr;
    QWidget* buildRiseTab();
    QWidget* buildBorrowTab();
    QWidget* buildExtraTab();
    QWidget* buildResetTab();
    QWidget* buildOftenTab();
    QWidget* buildOffsetTab();
    QWidget* buildRefinanceTab(const CurrentLoan& suggested);
    // Shortening the term beside keeping it, for the extra payments asked.
    void showExtraWays(int type, const ExtraPayments& extra, const PayingExtra& shorter);
    NumericField* field(NumericField::Format format, double value, const char* name,
                        const QString& accessibleName, QWidget* page);
    double valueOf(const NumericField* field) const;
    // Commits the field being typed in, as leaving it would; false when it refused its text.
    bool commitTyping();
    // Shows why a question was refused and puts the focus on the figure at fault.
    void refuse(const WhatIfRefusal& refusal);
    // A question's answer; null once its refusal is shown.
    template <class Answer>
    const Answer* answered(const std::variant<Answer, WhatIfRefusal>& answer) {
        if (const auto* refused = std::get_if<WhatIfRefusal>(&answer)) {
            refuse(*refused);
            return nullptr;
        }
        return &std::get<Answer>(answer);
    }

    OptionsInput input_;
    const Regional& regional_;
    double propertyValue_;
    WhatIfSettings& settings_;
};

} // namespace hw
