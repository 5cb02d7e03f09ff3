// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappedLabel.h"

#include <QEvent>

namespace hw {

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

int WrappedLabel::heightForWidth(int width) const {
    if (text() != measured_) {
        heights_.clear();
        measured_ = text();
    }
    if (const auto known = heights_.constFind(width); known != heights_.cend())
        return *known;
    const int height = QLabel::heightForWidth(width);
    heights_.insert(width, height);
    return height;
}

bool WrappedLabel::event(QEvent* event) {
    // Whatever else the height depends on: the font, the style's margins, the
    // screen.
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
    case QEvent::Polish:
    case QEvent::ScreenChangeInternal:
        heights_.clear();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

} // namespace hw
