// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StepPage.h"

namespace hw {

// The opening and closing pages: guidance and a picture.
class PicturePage : public StepPage {
    Q_OBJECT
public:
    PicturePage(PageContext& context, int step, const char* name, const char* guidance);
    QString name() const override { return tr(name_); }
    // The closing page has nothing more to tell.
    int helpTopic() const override { return step() == ClosingStep ? -1 : step(); }
    // The opening page is the first, the closing page the last.
    Furniture furniture() const override {
        return {.first = step() == OpeningStep, .last = step() == ClosingStep};
    }

protected:
    void build(QWidget* panel, QVBoxLayout* layout) override;

private:
    const char* name_;
};

// The two picture pages, with their texts.
std::unique_ptr<StepPage> makeOpeningPage(PageContext& context);
std::unique_ptr<StepPage> makeClosingPage(PageContext& context);

} // namespace hw
