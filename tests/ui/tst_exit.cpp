#include "MessageRecorder.h"
#include "shell/frmMortgage.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
        QCOMPARE(window.currentStep(), 1);
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
        window.show();
        const int height = window.height() * 15;
        const int width = window.width() * 15;
        window.cmdExit_Click();
        const auto& frames = window.lastClosingFrames();
        // Height from its own size down by 250 twips while at least 300, then the width down to
        // 2000.
        const int vertical = (height - 300) / 250 + 1;
        const int horizontal = (width - 2000) / 250 + 1;
        QCOMPARE(int(frames.size()), vertical + horizontal);
        QCOMPARE(frames.front(), height);
        QCOMPARE(frames[std::size_t(vertical - 1)], height - 250 * (vertical - 1));
        QCOMPARE(frames[std::size_t(vertical)], width);
        QVERIFY(frames.back() >= 2000 && frames.back() < 2250);
        QVERIFY(window.height() <= 300 / 15 + 17);
    }

    void closeDuringTheAnimationEndsCleanly() {
        MessageRecorder messages;
        messages.answers = {0, 0};
        auto* window = new frmMortgage(QLocale(QStringLiteral("en_US")));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setClosingFrameDelay(5);
        window->show();
        QPointer<frmMortgage> alive(window);
        // The window manager's close arrives between two frames.
        QTimer::singleShot(20, window, [window] { window->close(); });
        window->cmdExit->click();
        QCOMPARE(messages.texts(), QStringList({"Are you sure you want to exit?",
                                                "Thank you for using Hearthwise."}));
        QTRY_VERIFY(alive.isNull());
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
