// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace hw {

// A push button whose caption wraps onto further lines instead of widening the
// button, for the long names of the mortgage types. text() stays the caption.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect captionRect(const QRect& frame) const;
    static constexpr int Flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
};

} // namespace hw
