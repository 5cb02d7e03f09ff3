// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"
#include "calc/MortgageOptions.h"
#include "calc/OptionTexts.h"
#include "calc/WhatIf.h"

#include <array>
#include <functional>
#include <optional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hw {

// The seven mortgage types side by side for the case, each type's
// information, and the windows that look further: What If, Chart, Preview
// and Compare.
class ResultsPage : public StepPage {
    Q_OBJECT
public:
    // What the page's buttons open; the main window owns the windows they open.
    struct Openers {
        std::function<void()> whatIf, chart, preview, compare, lenderChecks;
    };
    ResultsPage(PageContext& context, Openers openers);
    QString name() const override { return tr("Mortgage Options"); }
    // A case opened has no results until they are worked out from it.
    void load(const MortgageCase& value) override;
    void showWorkedOut(const CaseResults& results) override;

    // The case as the seven types are worked out from it.
    OptionsInput optionsInput() const;
    // The seven types as last worked out, with their schedules.
    const std::optional<OptionsResult>& options() const { return options_; }
    // What the report shows, once the types have been worked out.
    const std::optional<ReportContent>& reportContent() const { return report_; }
    // The value of the property the loan buys, for its loan-to-value; 0 where it buys none.
    double propertyValue() const;
    // The current loan the refinancing question starts with.
    CurrentLoan suggestedLoan() const;

    // What the What If window was last asked; a case file keeps it.
    const WhatIfSettings& whatIfAsked() const { return whatIfAsked_; }
    WhatIfSettings& whatIfAsked() { return whatIfAsked_; }
    void setWhatIfAsked(const WhatIfSettings& asked) { whatIfAsked_ = asked; }

    // Under the table: how many types pass the lender country's usual checks;
    // and the report's page of them.
    void showLenderSummary();

    // The first topic of the mortgage types' information.
    static constexpr int MortgageTypeTopics = 20;

protected:
    // The caption names the amount and the rate.
    void enter() override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    // Works out the seven types from the case.
    bool prepare() override;

private:
    QGridLayout* buildTable(QWidget* panel, PageBuilder& b);
    // Shows the seven types worked out from the case, and the report they make.
    void showOptions(const OptionsResult& options);
    // The six figures of a type's row, left to right.
    std::array<QLineEdit*, 6> rowCells(std::size_t type) const;
    void showRow(std::size_t type, const OptionFigures& figures, const QString& termText);
    // Marks the lowest first repayment and the lowest total paid of the affordable types.
    void markLowest(const OptionsResult& result);
    Openers open_;
    QLabel* caption_ = nullptr;
    QPushButton* whatIf_ = nullptr;
    QPushButton* chart_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* lenderButton_ = nullptr;
    QLabel* lenderLine_ = nullptr;
    std::array<QLabel*, 6> heads_{};
    std::array<QPushButton*, MortgageTypeCount> types_{};
    std::array<QLineEdit*, MortgageTypeCount> term_{};
    std::array<QLineEdit*, MortgageTypeCount> first_{};
    std::array<QLineEdit*, MortgageTypeCount> last_{};
    std::array<QLineEdit*, MortgageTypeCount> paid_{};
    std::array<QLineEdit*, MortgageTypeCount> interest_{};
    std::array<QLineEdit*, MortgageTypeCount> final_{};
    // Under a type that cannot be afforded: "This option is not affordable" and why.
    std::array<QWidget*, MortgageTypeCount> notes_{};
    std::array<QLabel*, MortgageTypeCount> marks_{};
    std::array<QLabel*, MortgageTypeCount> reasons_{};
    QGridLayout* table_ = nullptr;
    QLabel* legend_ = nullptr;

    std::optional<OptionsResult> options_;
    std::optional<ReportContent> report_;
    // What the What If window was last asked, for it and for the report's page.
    WhatIfSettings whatIfAsked_;
};

} // namespace hw
