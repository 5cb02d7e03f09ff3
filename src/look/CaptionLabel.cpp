// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionLabel.h"

#include <algorithm>

namespace hw {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setWordWrap(true);
}

QSize CaptionLabel::sizeHint() const {
    ensurePolished();
    const QMargins margins = contentsMargins();
    // One pixel more than the text, so that rounding never wraps its last word.
    const int extra = 2 * (margin() + frameWidth()) + std::max(indent(), 0) + 1;
    const int oneLine =
        fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right() + extra;
    return {oneLine, heightForWidth(oneLine)};
}

} // namespace hw
