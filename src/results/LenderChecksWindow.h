// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/LenderTexts.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace hw {

class NumericField;

// What the bank will ask: the usual checks of the lender country for each of
// the seven types, with the few figures they need that the pages do not ask.
class LenderChecksWindow : public QDialog {
    Q_OBJECT
public:
    LenderChecksWindow(const MortgageCase& value, const CaseFigures& figures,
                       const Regional& regional, QWidget* owner = nullptr);
    // The country and figures as the household left them.
    const LenderFigures& lenderFigures() const { return case_.figures; }

    QComboBox* countryBox = nullptr;
    QTreeWidget* checksTree = nullptr;
    QLabel* summary = nullptr;

    // A figure still being typed counts as the window closes; one refused keeps it open.
    void done(int result) override;

private:
    void takeFigures();
    void showChecks();

    const Regional& regional_;
    LenderCase case_;
    std::array<NumericField*, 5> amounts_{};
    QLabel* sources_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace hw
