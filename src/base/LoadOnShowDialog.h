// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace hw {

// A dialog that loads itself (its skin, its texts, its entry effects) when it
// is first shown, after its caller has set what it should show.
class LoadOnShowDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    virtual void loadOnShow() = 0;
    void showEvent(QShowEvent* event) override {
        if (!loaded_) {
            loaded_ = true;
            loadOnShow();
        }
        QDialog::showEvent(event);
    }

private:
    bool loaded_ = false;
};

} // namespace hw
