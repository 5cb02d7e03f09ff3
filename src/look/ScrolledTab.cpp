// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrolledTab.h"

#include "base/ScreenRoom.h"

#include <QLayout>
#include <QScrollArea>
#include <QTabWidget>

namespace hw {

namespace {

QWidget* scrolled(QWidget* page) {
    auto* area = new QScrollArea;
    // The skin draws it transparent by this name.
    area->setObjectName(QStringLiteral("tabScroller"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(page);
    page->setAutoFillBackground(false); // setWidget turned it on
    return area;
}

} // namespace

void scrollTabsOnSmallScreens(QTabWidget* tabs, QWidget* window) {
    const QSize room = screenRoom(window);
    window->ensurePolished();
    const QSize least = window->minimumSizeHint();
    if (!room.isValid() || (least.width() <= room.width() && least.height() <= room.height()))
        return;
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* page = tabs->widget(i);
        const QString text = tabs->tabText(i);
        tabs->removeTab(i);
        tabs->insertTab(i, scrolled(page), text);
    }
    tabs->setCurrentIndex(current);
    // The window's least size is worked out afresh, with the pages scrolling.
    tabs->updateGeometry();
    if (QLayout* layout = window->layout())
        layout->invalidate();
}

} // namespace hw
