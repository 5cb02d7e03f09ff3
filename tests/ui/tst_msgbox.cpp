// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message box, and leaving the program through it.

#include "Children.h"
#include "MessageRecorder.h"
#include "base/Message.h"
#include "base/MessageBox.h"
#include "base/ScreenRoom.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using hw::MainWindow;
using hw::MessageBox;

namespace {
// Acts on the message box once it is up, from inside its modal wait.
// The box's three buttons, left to right.
std::array<QPushButton*, 3> buttonsOf(const MessageBox* box) {
    std::array<QPushButton*, 3> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i] = driver::child<QPushButton>(box, QStringLiteral("cmdButton%1").arg(i));
    return buttons;
}

void whenShown(const std::function<void(MessageBox*)>& action) {
    QTimer::singleShot(0, [action] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<MessageBox*>(w); box && box->isVisible()) {
                action(box);
                return;
            }
        QFAIL("no message box shown");
    });
}
} // namespace

class MsgBoxTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsByStyle_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("click");
        QTest::addColumn<bool>("secondVisible");
        QTest::addColumn<QString>("firstCaption");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("icon");
        QTest::newRow("OK") << 4 << 0 << false << "OK" << 0 << "Warning";
        QTest::newRow("style 0 is OK") << 0 << 0 << false << "OK" << 0 << "Warning";
        QTest::newRow("information")
            << (4 | hw::MsgInformation) << 0 << false << "OK" << 0 << "Information";
        QTest::newRow("Yes") << 6 << 0 << true << "&Yes" << 0 << "Question";
        QTest::newRow("No") << 6 << 1 << true << "&Yes" << 1 << "Question";
        QTest::newRow("Cancel of three") << 3 << 2 << true << "&Yes" << 2 << "Question";
        QTest::newRow("Don't Save") << 7 << 1 << true << "&Save" << 1 << "Question";
    }
    void buttonsByStyle() {
        QFETCH(int, style);
        QFETCH(int, click);
        QFETCH(bool, secondVisible);
        QFETCH(QString, firstCaption);
        QFETCH(int, answer);
        QFETCH(QString, icon);
        bool checked = false;
        whenShown([&](MessageBox* box) {
            const auto buttons = buttonsOf(box);
            QCOMPARE(driver::child<QLabel>(box, "lblMessage")->text(), QStringLiteral("Hello"));
            const auto* iconLabel = driver::child<QLabel>(box, "lblIcon");
            QCOMPARE(iconLabel->accessibleName(), icon);
            QVERIFY(!iconLabel->pixmap().isNull());
            QVERIFY(iconLabel->geometry().right() <
                    driver::child<QLabel>(box, "lblMessage")->geometry().left());
            QCOMPARE(buttons[0]->text(), firstCaption);
            QCOMPARE(buttons[1]->isVisible(), secondVisible);
            QCOMPARE(buttons[2]->isVisible(), style == 3 || style == 7);
            if (!secondVisible) {
                const int middle = buttons[0]->geometry().center().x();
                QVERIFY(qAbs(middle - box->width() / 2) <= 1);
            }
            // The buttons stand side by side within the window, none over another.
            for (std::size_t i = 0; i + 1 < buttons.size(); ++i)
                if (buttons[i + 1]->isVisible())
                    QVERIFY(buttons[i]->geometry().right() < buttons[i + 1]->geometry().left());
            // Each wholly in the window, its caption whole.
            for (QPushButton* button : buttons)
                QVERIFY(!button->isVisible() || (box->rect().contains(button->geometry()) &&
                                                 button->width() >= button->sizeHint().width()));
            checked = true;
            QTest::mouseClick(buttons[static_cast<std::size_t>(click)], Qt::LeftButton);
        });
        QCOMPARE(hw::ShowMessage(QStringLiteral("Hello"), style), answer);
        QVERIFY(checked);
    }

    void closingFromTheTitleBarAnswersNoOrOk_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("question") << 6 << 1;
        QTest::newRow("OK") << 4 << 0;
        QTest::newRow("with Cancel") << 3 << 2;
    }
    void closingFromTheTitleBarAnswersNoOrOk() {
        QFETCH(int, style);
        QFETCH(int, answer);
        whenShown([](MessageBox* box) { box->close(); });
        QCOMPARE(hw::ShowMessage(QStringLiteral("Leave?"), style), answer);
        whenShown([](MessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(hw::ShowMessage(QStringLiteral("Leave?"), style), answer);
    }

    // Centred over its owner, and moved as little as needed to lie wholly on
    // the screen (a window manager may not do it).
    void keptWhollyOnTheScreen_data() {
        QTest::addColumn<QRect>("over");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("centred where it fits") << QRect(300, 200, 640, 480) << QPoint(519, 364);
        QTest::newRow("owner at the right edge") << QRect(1000, 200, 640, 480) << QPoint(1080, 364);
        QTest::newRow("owner below the bottom") << QRect(300, 600, 640, 480) << QPoint(519, 570);
        QTest::newRow("owner above the top left") << QRect(-500, -400, 640, 480) << QPoint(0, 0);
    }
    void keptWhollyOnTheScreen() {
        QFETCH(QRect, over);
        QFETCH(QPoint, at);
        QCOMPARE(hw::placeWithin(QSize(200, 150), over, QRect(0, 0, 1280, 720)), at);
    }

    // A long text grows the box downwards; a path stands on one line, cut in
    // its middle only where the screen is too narrow for it.
    void longTextIsShownWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("cut");
        QTest::newRow("many lines")
            << QString("A long message that needs several lines. ").repeated(6) << "" << false;
        const QString path = "/home/household/Documents/Mortgages/our-first-home-2026.hearthwise";
        QTest::newRow("a path")
            << QString("The case could not be saved as %1: Permission denied.").arg(path) << path
            << false;
        const QString endless = "/home/" + QString("folder/").repeated(60) + "case.hearthwise";
        QTest::newRow("a path wider than the screen")
            << QString("The case could not be opened: %1").arg(endless) << endless << true;
    }
    void longTextIsShownWhole() {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(bool, cut);
        QRect area, button;
        int needed = 0, wordWidth = 0;
        QString shown, tip;
        whenShown([&](MessageBox* box) {
            const auto* label = driver::child<QLabel>(box, "lblMessage");
            area = label->geometry();
            needed = label->heightForWidth(area.width());
            wordWidth = label->fontMetrics().horizontalAdvance(word);
            shown = label->text();
            tip = label->toolTip();
            button = buttonsOf(box)[0]->geometry();
            buttonsOf(box)[0]->click();
        });
        hw::ShowMessage(text, 4);
        QVERIFY(area.height() >= needed);
        QVERIFY(button.top() >= area.bottom());
        QCOMPARE(shown.contains(word), !cut);
        QCOMPARE(tip, cut ? text : QString());
        if (cut)
            QVERIFY(shown.contains(QChar(0x2026)) && shown.endsWith("case.hearthwise"));
        else
            QVERIFY(wordWidth <= area.width());
    }

    // No to "Are you sure?", from Exit or from the title bar, keeps everything.
    // Yes says farewell above the page, with no second box, shrinks the window
    // (its height, then its width) and closes it. (Closed by the window manager
    // while it shrinks: the desktop layer.)
    void exitAsksOnce() {
        MessageRecorder messages;
        messages.answers = {hw::AnswerNo, hw::AnswerNo, hw::AnswerOk};
        auto* window = new MainWindow(QLocale(QStringLiteral("en_US")));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setClosingFrameDelay(0);
        window->show();
        QTest::mouseClick(driver::child<QPushButton>(window, "cmdNext"), Qt::LeftButton);
        QTest::mouseClick(driver::child<QPushButton>(window, "cmdExit"), Qt::LeftButton);
        QVERIFY(!window->close() && window->isVisible());
        QCOMPARE(window->currentStep(), 1);
        const int height = window->height() * 15;
        QPointer<MainWindow> alive(window);
        driver::child<QPushButton>(window, "cmdExit")->click();
        QCOMPARE(messages.texts(), QStringList(3, "Are you sure you want to exit?"));
        QCOMPARE(messages.messages[0].second, int(hw::MsgYesNo));
        QCOMPARE(driver::child<QLabel>(window, "lblPlace")->text(),
                 QStringLiteral("Thank you for using Hearthwise."));
        QCOMPARE(window->lastClosingFrames().front(), height);
        QVERIFY(window->lastClosingFrames().back() >= 2000 &&
                window->lastClosingFrames().back() < 2250);
        QTRY_VERIFY(alive.isNull());
    }
};

QTEST_MAIN(MsgBoxTest)
#include "tst_msgbox.moc"
