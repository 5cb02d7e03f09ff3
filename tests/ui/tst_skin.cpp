// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/Skin.h"
#include "look/SkinElement.h"

#include <QTest>

using namespace hw;

class SkinTest : public QObject {
    Q_OBJECT
private slots:
    // A panel starts away from its place and moves back to it, slowing down;
    // "-" leaves a value as it is.
    void movetoAnimatesBackToItsPlace() {
        QWidget window;
        window.resize(400, 300);
        auto* panel = new QWidget(&window);
        panel->setGeometry(3, 40, 250, 62);
        window.show();
        Skin::SkinElement element = Skin::elementOf(panel);
        const int a = element.value(1), b = element.value(2), c = element.value(5),
                  d = element.value(6);
        for (int n : {1, 2, 5, 6})
            element.setValue(n, QStringLiteral("10"));
        QCOMPARE(panel->geometry(), QRect(10, 10, 10, 10));
        QVERIFY(element.command(
            QStringLiteral("moveto %1 %2 - - %3 %4 200 decel").arg(a).arg(b).arg(c).arg(d)));
        QTRY_COMPARE(panel->geometry(), QRect(3, 40, 250, 62));
    }
};

QTEST_MAIN(SkinTest)
#include "tst_skin.moc"
