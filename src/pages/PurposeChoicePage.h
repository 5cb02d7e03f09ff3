// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

#include <array>

class QPushButton;

namespace hw {

// The caption of a purpose's button: "First Home Buyer".
QString purposeCaption(int purpose);

// The purpose of the mortgage: nine buttons of which one is pressed.
class PurposeChoicePage : public StepPage {
    Q_OBJECT
public:
    explicit PurposeChoicePage(PageContext& context);
    QString name() const override { return tr("Purpose of the mortgage"); }
    // The first purpose's button waits until the opening page is left.
    void setUp() override;
    void store(MortgageCase& value) const override;

    QPushButton* button(int purpose) const { return buttons_[static_cast<std::size_t>(purpose)]; }
    // The purpose chosen, as in any group of choices.
    QWidget* focusOnEntry() override;

protected:
    void enter() override;
    void build(QWidget* panel, QVBoxLayout* layout) override;
    bool prepare() override;

private:
    void choose(int purpose);
    std::array<QPushButton*, PurposeCount> buttons_{};
};

} // namespace hw
