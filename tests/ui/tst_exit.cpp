#include "MessageRecorder.h"
#include "shell/frmMortgage.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

using hw::frmMortgage;

class ExitTest : public QObject {
    Q_OBJECT
private slots:
    void noKeepsEverything() {
        MessageRecorder messages;
        messages.answers = {1};
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        window.show();
        QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        QTest::mouseClick(window.cmdExit, Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].first, QStringLiteral("Are you sure you want to exit?"));
        QCOMPARE(messages.messages[0].second, 6);
        QVERIFY(window.isVisible());
        QCOMPARE(window.CurrentStep, 1);
    }

    void yesSaysFarewellShrinksAndCloses() {
        MessageRecorder messages;
        messages.answers = {0, 0};
        auto* window = new frmMortgage(QLocale(QStringLiteral("en_US")));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setClosingFrameDelay(0);
        window->setGeometry(100, 100, 600, 400); // 9000 by 6000 twips
        window->show();
        QPointer<frmMortgage> alive(window);
        std::vector<int> frames;
        QObject::connect(window, &QObject::destroyed, [&] {});
        window->cmdExit->click();
        QCOMPARE(messages.texts(), QStringList({"Are you sure you want to exit?",
                                                "Thank you for using Hearthwise."}));
        QTRY_VERIFY(alive.isNull());
    }

    void animationFrames() {
        MessageRecorder messages;
        messages.answers = {0, 0};
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        window.setClosingFrameDelay(0);
        window.setGeometry(100, 100, 600, 400);
        window.show();
        window.cmdExit_Click();
        const auto& frames = window.lastClosingFrames();
        // 6000 twips high: 6000, 5750, ..., 500; then 9000 wide: 9000 ... 2000.
        QCOMPARE(int(frames.size()), 23 + 29);
        QCOMPARE(frames.front(), 6000);
        QCOMPARE(frames[22], 500);
        QCOMPARE(frames[23], 9000);
        QCOMPARE(frames.back(), 2000);
    }

    void titleBarCloseAsksLikeExit() {
        MessageRecorder messages;
        messages.answers = {1};
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        window.show();
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(messages.texts(), QStringList({"Are you sure you want to exit?"}));
    }
};

QTEST_MAIN(ExitTest)
#include "tst_exit.moc"
