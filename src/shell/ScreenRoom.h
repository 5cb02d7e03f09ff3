#pragma once

#include <QScreen>
#include <QWidget>

namespace hw {

// What the screen a window opens on leaves for the window itself inside a
// window manager's frame; empty where there is no screen.
inline QSize screenRoom(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen ? screen->availableGeometry().size() - QSize(16, 48) : QSize();
}

// `designed`, or less where the screen's room is smaller.
inline QSize withinScreen(const QWidget* window, QSize designed) {
    const QSize room = screenRoom(window);
    return room.isValid() ? designed.boundedTo(room) : designed;
}

} // namespace hw
