// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace hw {

// Where a topic puts the text label of the information window, in twips. A
// height of 0 leaves the label's height as it is.
struct LabelPlacement {
    int top = 0;
    int height = 0;
};

// One topic of the information window: one or two pages of fixed text.
struct HelpTopic {
    QString firstPage;
    QString secondPage; // empty for a one-page topic
    std::optional<LabelPlacement> placement;

    bool hasSecondPage() const { return !secondPage.isEmpty(); }
};

// The What If window's topic, and the lender checks' window's, the last.
constexpr int WhatIfTopic = 40;
constexpr int LenderChecksTopic = 41;

// The topic with this number: a wizard step 0..17, a mortgage type 20..26, an
// interest-rate type 30..32, the What If or the lender checks' window. Null for a number without a
// topic.
const HelpTopic* helpTopic(int number);

} // namespace hw
