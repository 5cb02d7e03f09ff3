#include "look/Skin.h"
#include "look/SkinElement.h"

#include <QTest>

using namespace hw;

class SkinTest : public QObject {
    Q_OBJECT
private slots:
    void movetoAnimatesBackToItsPlace() {
        QWidget window;
        window.resize(400, 300);
        auto* heading = new QWidget(&window);
        heading->setGeometry(20, 40, 200, 30);
        window.show();
        // The heading starts 30 away from its place and moves back, slowing down.
        Skin::SkinElement element = Skin::elementOf(heading);
        const int top = element.value(2);
        element.setValue(2, QString::number(top - 30));
        QCOMPARE(heading->y(), 10);
        QVERIFY(element.command(QStringLiteral("moveto - %1 - - - - 200 decel").arg(top)));
        QTRY_COMPARE(heading->geometry(), QRect(20, 40, 200, 30));
    }

    void badCommandsAreRefused_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("unknown verb") << "jump 1 2 - - - - 100 decel";
        QTest::newRow("too few words") << "moveto 1 2";
        QTest::newRow("not a number") << "moveto x - - - - - 100 decel";
        QTest::newRow("negative duration") << "moveto 1 - - - - - -5 decel";
    }
    void badCommandsAreRefused() {
        QFETCH(QString, command);
        QWidget w;
        QVERIFY(!Skin::elementOf(&w).command(command));
        QVERIFY(!Skin::elementOf(nullptr).command(command));
    }
};

QTEST_MAIN(SkinTest)
#include "tst_skin.moc"
