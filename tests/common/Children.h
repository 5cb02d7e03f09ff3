#pragma once

#include <QObject>
#include <QString>
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

} // namespace driver
