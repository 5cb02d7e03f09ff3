// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QStackedWidget>

namespace hw {

// A stack of pages that asks for the room of the page it shows, not of its
// largest page: in a scroll area, a small page then fits the window and only
// a page that cannot shrink (the results) scrolls.
class CurrentPageStack : public QStackedWidget {
public:
    explicit CurrentPageStack(QWidget* parent = nullptr) : QStackedWidget(parent) {
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        connect(this, &QStackedWidget::currentChanged, this, [this] { updateGeometry(); });
    }
    QSize sizeHint() const override {
        return currentWidget() ? currentWidget()->sizeHint() : QStackedWidget::sizeHint();
    }
    QSize minimumSizeHint() const override {
        return currentWidget() ? currentWidget()->minimumSizeHint()
                               : QStackedWidget::minimumSizeHint();
    }
    // The least room that shows any of the pages whole.
    QSize largestPageMinimum() const {
        QSize largest;
        for (int i = 0; i < count(); ++i)
            largest = largest.expandedTo(widget(i)->minimumSizeHint());
        return largest;
    }
};

} // namespace hw
