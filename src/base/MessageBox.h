// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace hw {

// The program's own message window: a text and "OK", "Yes"/"No" or "Yes"/"No"/"Cancel".
class MessageBox : public QDialog {
    Q_OBJECT
public:
    explicit MessageBox(QWidget* owner);

    // Fills the window for `style`, shows it modally over its owner and
    // answers the index of the clicked button.
    int ask(const QString& text, int style);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Closing from the title bar or with Escape answers "Cancel" where it is
    // offered, "No" to a question and "OK" otherwise.
    void reject() override;

private:
    QLabel* iconLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    std::array<QPushButton*, 3> buttons_{};
    bool clicked_ = false;
    int buttonIndex_ = 0;
    void answer(int index);
    void arrange(int style);
    void showIcon(int style);
    // The text as shown: a path or other long word too wide for the screen is
    // cut in its middle (the whole text is the tooltip).
    QString fitted(const QString& text, int widest) const;
    int widestWord(const QString& text) const;
    void placeOverOwner();

    int style_ = 4;
};

} // namespace hw
