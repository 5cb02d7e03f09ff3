// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace hw {

// What a window manager's frame may take around a window: the sides, and the
// title bar with the bottom edge.
inline QSize frameAllowance() {
    return {16, 48};
}

// What the screen a window opens on leaves for the window itself inside a
// window manager's frame; empty where there is no screen.
inline QSize screenRoom(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry().size() - frameAllowance() : QSize();
}

// `designed`, or less where the screen's room is smaller.
inline QSize withinScreen(const QWidget* window, QSize designed) {
    const QSize room = screenRoom(window);
    return room.isValid() ? designed.boundedTo(room) : designed;
}

// Where a window of `frame` size goes: centred over `over`, moved as little
// as needed to lie wholly within `screen`.
inline QPoint placeWithin(const QSize& frame, const QRect& over, const QRect& screen) {
    QPoint at = over.center() - QPoint(frame.width() / 2, frame.height() / 2);
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
    return at;
}

// Places a window not yet shown, at its final size, in the middle of its
// screen's free area, its frame wholly on the screen.
inline void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // For a window, move() places the frame's top-left corner.
    window->move(placeWithin(window->size() + frameAllowance(), room, room));
}

} // namespace hw
