// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace hw {

namespace {
constexpr int Padding = 6; // pixels between the frame and the caption
}

WrappingButton::WrappingButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrappingButton::captionRect(const QRect& frame) const {
    return frame.adjusted(Padding, Padding / 2, -Padding, -Padding / 2);
}

int WrappingButton::heightForWidth(int width) const {
    ensurePolished(); // measured in the skin's font
    const QRect room = captionRect(QRect(0, 0, width, 10000));
    const QRect used = fontMetrics().boundingRect(room, Flags, text());
    return std::max(minimumHeight(), used.height() + 2 * Padding);
}

QSize WrappingButton::sizeHint() const {
    const int width = std::max(minimumWidth(), QPushButton::sizeHint().width() / 2);
    return {width, heightForWidth(width)};
}

QSize WrappingButton::minimumSizeHint() const {
    return {minimumWidth(), heightForWidth(std::max(minimumWidth(), 1))};
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(captionRect(rect()), Flags, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace hw
