// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"
#include "MessageRecorder.h"
#include "info/AboutWindow.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "info/LinkOpener.h"
#include "results/ColumnHead.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using hw::InformationWindow;
using hw::MainWindow;

namespace {

struct Opened {
    int topic = -1; // -1: no window opened
    int page = -1;
    bool pageButton = false;
    QString text;
};

// Runs `trigger` and reports the information window it opened, closing it again.
template <class Trigger> Opened openedBy(Trigger trigger) {
    Opened seen;
    driver::whenModal<InformationWindow>([&seen](InformationWindow* help) {
        seen = {help->topic(), help->page(),
                driver::child<QPushButton>(help, "cmdNext")->isVisible(), help->shownPage()};
        driver::child<QPushButton>(help, "cmdExit")->click();
    });
    trigger();
    QTest::qWait(10);
    return seen;
}

// A help window shown without waiting, on `topic`.
void showTopic(InformationWindow& help, int topic) {
    help.setTopic(topic);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
}

} // namespace

// Stands in for the user's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened = url; }

public:
    QUrl opened;
};

class InformationTest : public QObject {
    Q_OBJECT
private slots:
    // Every sentence the user reads, on every page and in every topic, is free
    // of stray runs of blanks between words and of the misspellings it once had.
    void textsReadCleanly() {
        MainWindow w(QLocale(QStringLiteral("en_US")));
        QStringList texts;
        for (QLabel* label : w.findChildren<QLabel*>())
            if (!qobject_cast<hw::ColumnHead*>(label)) // its gaps lay out two lines
                texts << label->text();
        for (QAbstractButton* button : w.findChildren<QAbstractButton*>())
            texts << button->text();
        for (QLineEdit* field : w.findChildren<QLineEdit*>())
            texts << field->accessibleName();
        int topics = 0; // the steps but the closing, the types, the rates, What If, lender checks
        for (int n = 0; n <= hw::LenderChecksTopic; ++n)
            if (const hw::HelpTopic* topic = hw::helpTopic(n); topic && ++topics)
                texts << topic->firstPage << topic->secondPage;
        QCOMPARE(topics, 18 + 7 + 3 + 1 + 1);
        static const QRegularExpression runOfBlanks(QStringLiteral("[a-z,;]  +[a-zA-Z]"));
        static const QRegularExpression misspelt(
            QStringLiteral("Refinanace|Managment|withold|wish tu|\\bappy\\b|Elecricity|::|"
                           "lower then|(^|\n)@"));
        for (const QString& text : texts) {
            QVERIFY2(!runOfBlanks.match(text).hasMatch(), qPrintable(text));
            QVERIFY2(!misspelt.match(text).hasMatch(), qPrintable(text));
        }
    }

    // The page button turns to the second page and back with its whole caption;
    // a topic of one page has none, and shows its heading as a heading.
    void pageButtonTurnsAndReturns() {
        InformationWindow help;
        showTopic(help, 2);
        auto* page = driver::child<QPushButton>(&help, "cmdNext");
        QCOMPARE(page->text(), QStringLiteral("Next Page"));
        QTest::mouseClick(page, Qt::LeftButton);
        QCOMPARE(help.shownPage(), hw::helpTopic(2)->secondPage);
        QCOMPARE(page->text(), QStringLiteral("Previous Page"));
        QVERIFY(page->width() >= page->sizeHint().width());
        QTest::mouseClick(page, Qt::LeftButton);
        QCOMPARE(help.shownPage(), hw::helpTopic(2)->firstPage);
        InformationWindow onePage;
        showTopic(onePage, 20);
        QVERIFY(!driver::child<QPushButton>(&onePage, "cmdNext")->isVisible());
        QVERIFY(
            driver::child<QLabel>(&onePage, "lblText")->text().startsWith(QStringLiteral("<h3")));
    }

    // The topics as their files give them: shared paragraphs filled in, a
    // line's leading blanks and the blank lines kept.
    void topicsReadFromTheirFiles() {
        QVERIFY(hw::helpTopic(7)->firstPage.startsWith(hw::helpTopic(6)->firstPage +
                                                       QStringLiteral("\n\n")));
        QVERIFY(hw::helpTopic(0)->firstPage.contains(u"\n     1.  The amount of the loan\n"));
        QVERIFY(hw::helpTopic(23)->secondPage.contains(u".\n\n\n\nIn calculating"));
        QVERIFY(hw::helpTopic(21)->firstPage.endsWith(u".\n"));
    }

    void openers_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("topic");
        QTest::newRow("tell me more on assets") << 2 << "more" << 2;
        QTest::newRow("tell me more on the results") << 17 << "more" << 17;
        QTest::newRow("tell me more on the closing page") << 18 << "more" << -1;
        for (int type = 0; type < hw::MortgageTypeCount; ++type)
            QTest::addRow("type %d", type)
                << 17 << QStringLiteral("type %1").arg(type) << 20 + type;
        for (int rate = 0; rate < 3; ++rate)
            QTest::addRow("rate %d", rate)
                << 16 << QStringLiteral("rate %1").arg(rate) << 30 + rate;
    }
    void openers() {
        QFETCH(int, step);
        QFETCH(QString, opener);
        QFETCH(int, topic);
        driver::Window w;
        driver::openOnStep(w, step);
        const int index = opener.section(u' ', 1).toInt();
        const Opened seen = openedBy([&] {
            if (opener == QLatin1String("more"))
                driver::child<QAction>(&w, "mnuMore")->trigger();
            else if (opener.startsWith(QLatin1String("type")))
                QTest::mouseClick(driver::child<QPushButton>(
                                      &w, QStringLiteral("cmdMortgage%1").arg(std::size_t(index))),
                                  Qt::LeftButton);
            else
                QTest::mouseClick(driver::button(w, hw::RateStep,
                                                 QStringList{"Fixed Rate", "Adjustable Rate",
                                                             "Capped Rate"}[index]),
                                  Qt::LeftButton);
        });
        QCOMPARE(seen.topic, topic);
        QVERIFY(w.texts().isEmpty());
        if (topic < 0)
            return;
        QCOMPARE(seen.page, 0);
        QCOMPARE(seen.text, hw::helpTopic(topic)->firstPage);
        QCOMPARE(seen.pageButton, hw::helpTopic(topic)->hasSecondPage());
    }

    // A right click on Back or Next offers "What's This?", which explains that button.
    void whatsThisOnTheNavigationButtons() {
        MainWindow w(QLocale(QStringLiteral("en_US")));
        driver::openOnStep(w, hw::AssetsStep);
        for (QPushButton* button : {driver::child<QPushButton>(&w, "cmdBack"),
                                    driver::child<QPushButton>(&w, "cmdNext")}) {
            QString offered;
            QTimer::singleShot(0, [&offered] {
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    offered = menu->actions().first()->text();
                    menu->actions().first()->trigger();
                    menu->close();
                }
            });
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    button->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(button, &click);
            QCOMPARE(offered, QStringLiteral("What's This?"));
            QWidget* shown = QApplication::activePopupWidget();
            QVERIFY(shown && !button->whatsThis().isEmpty());
            QCOMPARE(shown->metaObject()->className(), "QWhatsThat");
            shown->close();
        }
    }

    // The opener's own answer counts: one that exits with an error is reported,
    // when it is known, and one that succeeds shows nothing.
    void linkReportsWhatTheOpenerSays_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QStringList>("messages");
        const QStringList none = {
            "There is no application associated with the given file name extension."};
        QTest::newRow("an opener that fails") << "false" << none;
        QTest::newRow("an opener that is not installed") << "no-such-opener-here" << none;
        QTest::newRow("an opener that opens it") << "true" << QStringList();
    }
    void linkReportsWhatTheOpenerSays() {
        QFETCH(QString, opener);
        QFETCH(QStringList, messages);
        MessageRecorder recorder;
        hw::LinkOpener::setProgram(opener);
        hw::AboutWindow about;
        about.show();
        QVERIFY(QFileInfo::exists(hw::AboutWindow::linkTarget().toLocalFile()));
        QTest::mouseClick(driver::child<QPushButton>(&about, "sklbInfo"), Qt::LeftButton);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QTest::qWait(300); // the opener's answer comes when it exits
        QCOMPARE(recorder.texts(), messages);
        hw::LinkOpener::setProgram(QStringLiteral("xdg-open"));
    }

    // F1 that cannot open the handbook says why in plain words, and where the
    // handbook is.
    void handbookNotOpenedSaysWhere() {
        hw::LinkOpener::setProgram(QStringLiteral("false"));
        driver::Window w;
        QTest::keyClick(&w, Qt::Key_F1);
        QTRY_COMPARE(w.texts().size(), 1);
        hw::LinkOpener::setProgram(QStringLiteral("xdg-open"));
        QVERIFY(w.texts().first().startsWith("Nothing on this computer could open the handbook."));
        QVERIFY(w.texts().first().endsWith(
            QDir::toNativeSeparators(hw::AboutWindow::handbook().toLocalFile())));
    }

    // About's link and F1 from any page open the handbook.
    void handbookOpens_data() {
        QTest::addColumn<bool>("byF1");
        QTest::newRow("About's link") << false;
        QTest::newRow("F1") << true;
    }
    void handbookOpens() {
        QFETCH(bool, byF1);
        UrlCatcher catcher;
        hw::LinkOpener::setProgram(QString()); // the desktop's own way
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        driver::Window w;
        hw::AboutWindow about;
        if (byF1) {
            driver::openOnStep(w, hw::IncomeStep);
            QTest::keyClick(&w, Qt::Key_F1);
        } else {
            about.show();
            QTest::mouseClick(driver::child<QPushButton>(&about, "sklbInfo"), Qt::LeftButton);
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        hw::LinkOpener::setProgram(QStringLiteral("xdg-open"));
        QVERIFY(w.texts().isEmpty());
        // F1 opens the section of the page on the screen, through a page of
        // its own, as a file URL's "#section" does not reach every browser.
        QCOMPARE(catcher.opened.toLocalFile(),
                 QFileInfo(hw::AboutWindow::handbook().toLocalFile())
                     .dir()
                     .filePath(byF1 ? QStringLiteral("section-income.html")
                                    : QStringLiteral("index.html")));
        QVERIFY(catcher.opened.toLocalFile().contains(QStringLiteral("share/hearthwise/guide/")));
    }

    // Every page has a section of the handbook that the built handbook leads to.
    void everyPageHasItsSection() {
        driver::Window w;
        for (int step = 0; step < hw::StepCount; ++step) {
            const QString section = w.page(step).handbookSection();
            QVERIFY2(hw::AboutWindow::handbookAt(section) != hw::AboutWindow::handbook(),
                     qPrintable(section));
        }
    }
};

QTEST_MAIN(InformationTest)
#include "tst_information.moc"
