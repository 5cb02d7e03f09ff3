// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QtGlobal>

namespace driver {

// A window's control by the name it is made with ("cmdNext", "grdCompare");
// the test stops where there is none.
template <class Control> Control* child(const QObject* window, const QString& objectName) {
    auto* found = window->findChild<Control*>(objectName);
    if (!found)
        qFatal("no control %s", qPrintable(objectName));
    return found;
}

// Acts on the modal window of class `Window` once it is up, from inside its
// modal wait; a modal window of another class is left alone.
template <class Window = QWidget, class Act> void whenModal(Act act) {
    QTimer::singleShot(0, [act] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget()))
            act(window);
    });
}

} // namespace driver
