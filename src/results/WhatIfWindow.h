#pragma once

#include "calc/WhatIf.h"
#include "entry/NumericField.h"

#include <QDialog>

class QComboBox;
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

    QTabWidget* tabs = nullptr;
    // Rates rise.
    NumericField* txtRise = nullptr;
    QPushButton* cmdRise = nullptr;
    QTableWidget* grdRise = nullptr;
    // How much could we borrow.
    QTableWidget* grdBorrow = nullptr;
    QLabel* lblTableTerm = nullptr;
    // Paying extra.
    QComboBox* cboExtraType = nullptr;
    NumericField* txtExtra = nullptr;
    NumericField* txtLump = nullptr;
    NumericField* txtLumpMonth = nullptr;
    QPushButton* cmdExtra = nullptr;
    QLabel* lblExtra = nullptr;
    BalanceChart* chtExtra = nullptr;
    QTableWidget* grdExtra = nullptr; // month by month, as entered and paying extra
    // A fixed rate that ends.
    NumericField* txtFixedYears = nullptr;
    NumericField* txtResetRate = nullptr;
    QPushButton* cmdReset = nullptr;
    QLabel* lblReset = nullptr;
    BalanceChart* chtReset = nullptr;
    QTableWidget* grdExtraWays = nullptr; // shorten the term, or keep it and pay less
    // How often you pay.
    QComboBox* cboOftenType = nullptr;
    QTableWidget* grdOften = nullptr;
    // An offset account.
    NumericField* txtSavings = nullptr;
    NumericField* txtMonthlySavings = nullptr;
    QPushButton* cmdOffset = nullptr;
    QTableWidget* grdOffset = nullptr;
    // Refinancing.
    NumericField* txtCurrentBalance = nullptr;
    NumericField* txtCurrentRate = nullptr;
    NumericField* txtYearsLeft = nullptr;
    NumericField* txtCosts = nullptr;
    QPushButton* cmdRefinance = nullptr;
    QLabel* lblRefinance = nullptr;
    QPushButton* cmdMore = nullptr; // "Tell Me More" about the window
    QPushButton* cmdClose = nullptr;

    void workOutRise();
    void workOutExtra();
    void workOutReset();
    void workOutHowOften();
    void workOutOffset();
    void workOutRefinancing();

private:
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

    OptionsInput input_;
    const Regional& regional_;
    double propertyValue_;
    WhatIfSettings& settings_;
};

} // namespace hw
