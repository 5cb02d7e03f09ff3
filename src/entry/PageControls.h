#pragma once

#include "NumericField.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hw {

template <std::size_t N> using FieldGroup = std::array<NumericField*, N>;

// The controls of the data pages, under the names the rest of the program uses.
struct PageControls {
    // The eighteen field groups.
    FieldGroup<10> txtAssets{};
    FieldGroup<6> txtLiabilities{};
    FieldGroup<9> txtIncome{};
    FieldGroup<7> txtBudget{};
    FieldGroup<3> txtFHBuyer{};
    FieldGroup<4> txtFHBuilder{};
    FieldGroup<4> txtImprovement{};
    FieldGroup<4> txtSBuying{};
    FieldGroup<3> txtBuying{};
    FieldGroup<4> txtSBuilding{};
    FieldGroup<4> txtBuilding{};
    FieldGroup<4> txtRealEstate{};
    FieldGroup<5> txtABuilding{};
    FieldGroup<4> txtRefinance{};
    FieldGroup<3> txtOther{};
    FieldGroup<4> txtCosts{};
    FieldGroup<2> txtCharges{};
    FieldGroup<2> txtRate{};

    // Page totals: display fields outside the groups.
    QLineEdit* txtTotalAssets = nullptr;
    QLineEdit* txtTotalLiabilities = nullptr;
    QLineEdit* txtTaxIncome = nullptr;
    QLineEdit* txtAfterTaxIncome = nullptr;
    QLineEdit* txtTotalBudget = nullptr;
    std::array<QLineEdit*, 10> txtTotal{};

    // Calculate buttons; cmdTotal 0..8 are the purpose pages', 9 the charges page's.
    QPushButton* cmdAssets = nullptr;
    QPushButton* cmdLiabilities = nullptr;
    QPushButton* cmdIncome = nullptr;
    QPushButton* cmdBudget = nullptr;
    std::array<QPushButton*, 10> cmdTotal{};

    // Two-state buttons: budget period and charge-entry mode.
    std::array<QPushButton*, 2> optBudget{};
    std::array<QPushButton*, 2> optCharges{};

    // Rate page: the five summary lines and the rate-type buttons.
    std::array<QLabel*, 5> lblMortgage{};
    std::array<QPushButton*, 3> cmdRates{};

    // Results page: the caption, the column heads and one row per mortgage type.
    QLabel* sknpnMortgage = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdChart = nullptr;
    QPushButton* cmdWhatIf = nullptr;
    QPushButton* cmdCompare = nullptr;
    std::array<QLabel*, 6> SkinPanel1{};
    std::array<QPushButton*, 7> cmdMortgage{};
    std::array<QLineEdit*, 7> txtTerm{};
    std::array<QLineEdit*, 7> txtFirst{};
    std::array<QLineEdit*, 7> txtLast{};
    std::array<QLineEdit*, 7> txtPaid{};
    std::array<QLineEdit*, 7> txtInterest{};
    std::array<QLineEdit*, 7> txtFinal{};
    std::array<QLabel*, 7> lblAvailable{};
};

} // namespace hw
