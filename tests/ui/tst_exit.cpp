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
    // No to "Are you sure?", from Exit or from the title bar, keeps everything.
    void noKeepsEverything() {
        MessageRecorder messages;
        messages.answers = {hw::AnswerNo, hw::AnswerNo};
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        window.show();
        QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        QTest::mouseClick(window.cmdExit, Qt::LeftButton);
        QVERIFY(!window.close());
        QCOMPARE(messages.texts(),
                 QStringList({"Are you sure you want to exit?", "Are you sure you want to exit?"}));
        QCOMPARE(messages.messages[0].second, int(hw::MsgYesNo));
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentStep(), 1);
    }

    // Yes says farewell, shrinks the window (its height, then its width) and
    // closes it, also when the window manager closes it between two frames.
    void yesSaysFarewellShrinksAndCloses_data() {
        QTest::addColumn<int>("frameDelay");
        QTest::newRow("shrinking to the end") << 0;
        QTest::newRow("closed while shrinking") << 5;
    }
    void yesSaysFarewellShrinksAndCloses() {
        QFETCH(int, frameDelay);
        MessageRecorder messages;
        messages.answers = {hw::AnswerOk, hw::AnswerOk};
        auto* window = new frmMortgage(QLocale(QStringLiteral("en_US")));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setClosingFrameDelay(frameDelay);
        window->show();
        const int height = window->height() * 15;
        QPointer<frmMortgage> alive(window);
        if (frameDelay > 0) // the window manager's close arrives between two frames
            QTimer::singleShot(20, window, [window] { window->close(); });
        window->cmdExit->click();
        QCOMPARE(messages.texts(), QStringList({"Are you sure you want to exit?",
                                                "Thank you for using Hearthwise."}));
        if (frameDelay == 0) {
            const auto& frames = window->lastClosingFrames();
            QCOMPARE(frames.front(), height);
            QVERIFY(frames.back() >= 2000 && frames.back() < 2250);
        }
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(ExitTest)
#include "tst_exit.moc"
