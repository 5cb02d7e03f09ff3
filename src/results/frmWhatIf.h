#pragma once

#include "calc/WhatIf.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace hw {

class BalanceChart;

// "What If": four questions about the case already entered, one tab each.
// Nothing the results page or the report shows changes; a question that
// cannot be answered gets one message and leaves the last answer as it was.
class frmWhatIf : public QDialog {
    Q_OBJECT
public:
    frmWhatIf(const OptionsInput& input, const Regional& regional, double propertyValue,
              WhatIfSettings& settings, QWidget* owner = nullptr);

    QTabWidget* tabs = nullptr;
    // Rates rise.
    QDoubleSpinBox* spnRise = nullptr;
    QPushButton* cmdRise = nullptr;
    QTableWidget* grdRise = nullptr;
    // How much could we borrow.
    QTableWidget* grdBorrow = nullptr;
    QLabel* lblTableTerm = nullptr;
    // Paying extra.
    QComboBox* cboExtraType = nullptr;
    QDoubleSpinBox* spnExtra = nullptr;
    QDoubleSpinBox* spnLump = nullptr;
    QSpinBox* spnLumpMonth = nullptr;
    QPushButton* cmdExtra = nullptr;
    QLabel* lblExtra = nullptr;
    BalanceChart* chtExtra = nullptr;
    QTableWidget* grdExtra = nullptr; // month by month, as entered and paying extra
    // A fixed rate that ends.
    QDoubleSpinBox* spnFixedYears = nullptr;
    QDoubleSpinBox* spnResetRate = nullptr;
    QPushButton* cmdReset = nullptr;
    QLabel* lblReset = nullptr;
    BalanceChart* chtReset = nullptr;
    QPushButton* cmdMore = nullptr; // "Tell Me More" about the window
    QPushButton* cmdClose = nullptr;

    void cmdRise_Click();
    void cmdExtra_Click();
    void cmdReset_Click();

private:
    QWidget* buildRiseTab();
    QWidget* buildBorrowTab();
    QWidget* buildExtraTab();
    QWidget* buildResetTab();
    QDoubleSpinBox* amountBox(double value);

    OptionsInput input_;
    const Regional& regional_;
    double propertyValue_;
    WhatIfSettings& settings_;
};

} // namespace hw
