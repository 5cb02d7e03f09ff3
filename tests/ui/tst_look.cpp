// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window fits the screen it opens on with every control on it, and every
// text of every page reads well against its background, on a light and on a
// dark desktop. Run once on a 1280 x 720 screen and once on a 1600 x 1000
// screen at 200 %.

#include "CaseDriver.h"
#include "Palettes.h"
#include "base/Language.h"
#include "base/ScreenRoom.h"
#include "base/Twips.h"
#include "info/AboutWindow.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/MortgageReport.h"
#include "results/PreviewWindow.h"
#include "results/WhatIfWindow.h"
#include "shell/Main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>

using hw::MainWindow;

namespace {

using palettes::contrast;

// The contrast of the text drawn in `area`: its most common colour is the
// background, and the text is the colour furthest from it that covers a few
// pixels (the full colour of the glyphs' stems, not their smoothed edges).
std::map<QRgb, int> colourCounts(const QImage& shot, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000u];
    return counts;
}
QRgb backgroundOf(const std::map<QRgb, int>& counts) {
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}
double drawnContrast(const QImage& shot, const QRect& area) {
    const std::map<QRgb, int> counts = colourCounts(shot, area);
    const QRgb background = backgroundOf(counts);
    double best = 1.0;
    for (const auto& [colour, count] : counts)
        if (count >= 3)
            best = std::max(best, contrast(colour, background));
    return best;
}

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return {};
}

// Every text the window shows has a contrast of at least 4.5:1 against its
// background (disabled buttons, which need not, aside).
void checkReadable(QWidget* window, const QString& where) {
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    const double scale = shot.width() / double(window->width());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (textOf(widget).trimmed().isEmpty() || !widget->isVisibleTo(window))
            continue;
        if (qobject_cast<QAbstractButton*>(widget) && !widget->isEnabled())
            continue;
        // A widget the page shows only in part is looked at where it is scrolled to.
        const QRect seen = widget->visibleRegion().boundingRect();
        if (seen != widget->rect())
            continue;
        // Inside the frame of a field or button, where only the text is drawn.
        const int inset = qobject_cast<QLabel*>(widget) ? 0 : 3;
        const QRect inner = seen.adjusted(inset, inset, -inset, -inset)
                                .translated(widget->mapTo(window, QPoint(0, 0)));
        const QRect area(QPoint(int(inner.left() * scale), int(inner.top() * scale)),
                         QPoint(int(inner.right() * scale), int(inner.bottom() * scale)));
        const double ratio = drawnContrast(shot, area & shot.rect());
        QVERIFY2(ratio >= 4.5,
                 qPrintable(QStringLiteral("%1: \"%2\" (%3) has contrast %4")
                                .arg(where, textOf(widget).left(40), widget->objectName())
                                .arg(ratio, 0, 'f', 2)));
    }
}

// Focus is clearly visible: taking the focus changes at least a ring's worth of
// the control's pixels by a contrast of 3:1 or more.
void checkFocusVisible(QWidget* window, const QString& where) {
    // Focus shows only in the active window.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || !widget->isEnabled() ||
            !(widget->focusPolicy() & Qt::TabFocus) || widget->visibleRegion().isEmpty() ||
            widget->visibleRegion().boundingRect() != widget->rect())
            continue;
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget))
            continue;
        window->setFocus();
        QApplication::processEvents();
        const QImage before = widget->grab().toImage();
        widget->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QImage after = widget->grab().toImage();
        int changed = 0;
        for (int y = 0; y < std::min(before.height(), after.height()); ++y)
            for (int x = 0; x < std::min(before.width(), after.width()); ++x)
                if (contrast(before.pixel(x, y), after.pixel(x, y)) >= 3.0)
                    ++changed;
        const int ring = widget->width() + widget->height();
        QVERIFY2(changed >= ring,
                 qPrintable(QStringLiteral("%1: focus on %2 (%3) changes %4 "
                                           "pixels")
                                .arg(where, widget->objectName(), textOf(widget).left(30))
                                .arg(changed)));
    }
}

// The desktop of the test row: light, or dark.
void useDesktopOfRow() {
    QFETCH(bool, dark);
    if (dark)
        QApplication::setPalette(palettes::dark());
}

// Shows every step of the main window in turn and checks it.
void onEveryStep(MainWindow& w, const std::function<void(const QString&)>& check) {
    driver::visitEveryStep(w, [&] { check(QStringLiteral("step %1").arg(w.currentStep())); });
}

// The room the screen leaves a window inside a window manager's frame.
QSize screenRoom() {
    return QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(8, 32);
}

bool scrolled(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return true;
    return false;
}

// The window, as shown and at its least, fits the screen and lies wholly on
// it, and every control on it lies inside it.
void checkFits(QWidget* window, const QString& where) {
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY2(screen.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1 lies off the screen").arg(where)));
    const QSize room = screenRoom();
    const auto fits = [&](QSize size) {
        return size.width() <= room.width() && size.height() <= room.height();
    };
    QVERIFY2(fits(window->size()), qPrintable(QStringLiteral("%1 opens at %2 x %3")
                                                  .arg(where)
                                                  .arg(window->width())
                                                  .arg(window->height())));
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    QVERIFY2(fits(least), qPrintable(QStringLiteral("%1 cannot shrink below %2 x %3")
                                         .arg(where)
                                         .arg(least.width())
                                         .arg(least.height())));
    // Buttons on a page that scrolls are reached by scrolling it.
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || scrolled(button))
            continue;
        const QRect place(button->mapTo(window, QPoint(0, 0)), button->size());
        QVERIFY2(
            window->rect().contains(place),
            qPrintable(
                QStringLiteral("%1: %2 lies outside the window").arg(where, button->objectName())));
    }
}

// The results' shading of the lowest figures stands out from the row it is in:
// 3:1 at least against the row's other cells. (Its text: checkReadable.)
void checkLowestStandsOut(MainWindow& w) {
    // The whole page, also where it scrolls out of the window.
    QWidget* page = w.stepPanel(hw::ResultsStep);
    const QImage shot = page->grab().toImage();
    const double scale = shot.width() / double(page->width());
    const auto areaOf = [&](const QWidget* cell) {
        const QRectF inner(cell->mapTo(page, QPoint(0, 0)), cell->size());
        return QRectF(inner.topLeft() * scale, inner.size() * scale).toRect() & shot.rect();
    };
    const auto background = [&](const QWidget* cell) {
        return backgroundOf(colourCounts(shot, areaOf(cell)));
    };
    int marked = 0;
    for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k)
        for (const driver::Column column : {driver::First, driver::Paid}) {
            const QLineEdit* cell = driver::cell(w, k, column);
            if (!cell->isVisible() || !cell->property("best").toBool())
                continue;
            ++marked;
            const QRgb row = background(driver::cell(w, k, driver::Interest));
            QVERIFY2(contrast(background(cell), row) >= 3.0,
                     qPrintable(QStringLiteral("the lowest %1 of row %2 hardly stands out")
                                    .arg(int(column))
                                    .arg(k)));
        }
    QVERIFY(marked >= 2);
}

// One grid: the captions and fields of each column of every data page end at
// one right edge, each Calculate stands as far from its total, and captions
// wrap only when the widest page fills the window. Read from the widgets where
// each page shows them.
struct GridReading {
    std::map<int, std::set<int>> rightEdges; // by column
    std::set<int> calculateGaps;
    bool captionWraps = false;
    int widestRight = 0;
    int room = 0;

    void read(MainWindow& w) {
        const int step = w.currentStep();
        if (step < hw::AssetsStep || step > hw::RateStep)
            return;
        QWidget* panel = w.stepPanel(step);
        room = panel->width();
        const auto place = [&](QWidget* widget) {
            return QRect(widget->mapTo(panel, QPoint(0, 0)), widget->size());
        };
        for (QGridLayout* grid : panel->findChildren<QGridLayout*>()) {
            // Past its first column, the income page is a table of its own.
            const int shared = step == hw::IncomeStep ? 2 : grid->columnCount();
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                QWidget* widget = grid->itemAt(i)->widget();
                if (!widget || !widget->isVisible())
                    continue;
                widestRight = std::max(widestRight, place(widget).right());
                const auto* label = qobject_cast<QLabel*>(widget);
                // Its text at its width takes more lines than one (in the fonts
                // it is drawn in, a Chinese one's taller lines included).
                if (label && label->wordWrap() &&
                    label->heightForWidth(label->width()) >
                        3 * label->heightForWidth(QWIDGETSIZE_MAX / 2) / 2)
                    captionWraps = true;
                if (column < shared && (qobject_cast<QLineEdit*>(widget) ||
                                        (label && label->alignment() & Qt::AlignRight)))
                    rightEdges[column].insert(place(widget).right());
                if (textOf(widget) ==
                    driver::spoken(QStringLiteral("&Calculate"), {"hw::PageBuilder"}))
                    calculateGaps.insert(
                        place(widget).left() -
                        place(grid->itemAtPosition(row, column - 1)->widget()).right());
            }
        }
    }
    void check() const {
        for (const auto& [column, edges] : rightEdges)
            QVERIFY2(
                edges.size() == 1,
                qPrintable(
                    QStringLiteral("column %1 ends at %2 places").arg(column).arg(edges.size())));
        QCOMPARE(int(calculateGaps.size()), 1);
        // The room a page that scrolls leaves, and the gap before it.
        const int slack =
            QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * hw::twips(150);
        QVERIFY2(!captionWraps || widestRight >= room - slack,
                 "a caption wraps with room beside it");
    }
};

// The window fits the screen and every text on it reads well.
void checkLook(QWidget* window, const QString& where) {
    checkFits(window, where);
    checkReadable(window, where);
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    // In the system's language, as the program starts (each language is a run of its own).
    void initTestCase() { hw::speak(hw::languageFor(QLocale::system().uiLanguages())); }
    void cleanup() { QApplication::setPalette(QPalette()); }

    void pages_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }
    // Every page, with the figures of a walk through a case, its focus clearly
    // visible, the data pages on one grid; then the results of a case with
    // twelve-digit amounts, in a locale of long figures.
    void pages() {
        useDesktopOfRow();
        driver::Window w;
        GridReading grid;
        onEveryStep(w, [&](const QString& where) {
            checkLook(&w, where);
            checkFocusVisible(&w, where);
            grid.read(w);
            if (w.currentStep() == hw::ResultsStep) {
                checkLowestStandsOut(w);
                // On a laptop's screen the table of the seven types shows whole.
                const auto* scroller = driver::child<QScrollArea>(&w, "stepScroller");
                if (w.screen()->geometry().width() >= 1280)
                    QVERIFY(scroller->horizontalScrollBar()->maximum() == 0);
            }
        });
        grid.check();
        driver::Window large("en_IN");
        driver::choosePurpose(large, 3);
        for (int guard = 0; guard < 20 && large.currentStep() < hw::ResultsStep; ++guard) {
            driver::fillRequired(large, QStringLiteral("000000"));
            driver::next(large);
        }
        QCOMPARE(int(large.currentStep()), int(hw::ResultsStep));
        checkReadable(&large, QStringLiteral("large results"));
        // With a hundredth of the income no type is affordable: the dimmed
        // figures and their notes read too.
        while (large.currentStep() != hw::IncomeStep)
            driver::back(large);
        driver::type(driver::field(large, hw::IncomeStep, "Annual Gross Taxable Income"),
                     QStringLiteral("600000000"));
        driver::walkTo(large, hw::ResultsStep);
        QVERIFY(driver::notAffordable(large, 0)->isVisible());
        checkReadable(&large, QStringLiteral("results not affordable"));
    }

    // The program opens its window once, at its final size, in the middle of
    // the screen with its Exit, Back and Next row on it, whatever else is open.
    void mainWindowPlacedOnce() {
        QWidget other;
        other.setGeometry(0, 0, 400, 300);
        other.show();
        std::unique_ptr<MainWindow> w(hw::showMainWindow());
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QSize before = w->size();
        // The pages built after the first paint change nothing.
        QTRY_VERIFY(w->stepPanel(hw::AssetsStep)->findChild<hw::NumericField*>());
        const QRect screen = w->screen()->availableGeometry();
        const QRect frame = w->frameGeometry();
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                        .arg(frame.x())
                                                        .arg(frame.y())
                                                        .arg(frame.width())
                                                        .arg(frame.height())));
        QVERIFY(std::abs(frame.left() - screen.left() - (screen.right() - frame.right())) <= 16);
        QVERIFY(std::abs(frame.top() - screen.top() - (screen.bottom() - frame.bottom())) <= 48);
        QVERIFY(screen.contains(
            driver::child<QPushButton>(w.get(), "cmdNext")
                ->mapToGlobal(
                    driver::child<QPushButton>(w.get(), "cmdNext")->rect().bottomRight())));
        QCOMPARE(w->size(), before);
        // The opening picture's hill runs across the whole page.
        QCOMPARE(w->findChild<QWidget*>("Picture10")->width(),
                 w->stepPanel(hw::OpeningStep)->width());
    }

    // The chart, the preview, every page of the information window and About.
    void otherWindows_data() { pages_data(); }
    void otherWindows() {
        useDesktopOfRow();
        driver::Window w("de_DE");
        driver::choosePurpose(w, 3);
        driver::walkTo(w, hw::ResultsStep);

        hw::ChartWindow chart(*w.options(), w.figures().requirement, w.regional(), &w);
        chart.show();
        checkLook(&chart, QStringLiteral("chart"));

        hw::WhatIfSettings asked;
        hw::WhatIfWindow whatIf(w.optionsInput(), w.regional(), w.figures().propertyValue, asked,
                                &w);
        whatIf.show();
        // Every tab's name shows, unless the screen is too narrow for them all.
        const QTabBar* bar = driver::child<QTabWidget>(&whatIf, "whatIfTabs")->tabBar();
        QVERIFY2(whatIf.width() >= hw::screenRoom(&whatIf).width() ||
                     bar->width() >= bar->sizeHint().width(),
                 qPrintable(QStringLiteral("What If's tabs need %1 of %2")
                                .arg(bar->sizeHint().width())
                                .arg(bar->width())));
        for (int tab = 0; tab < driver::child<QTabWidget>(&whatIf, "whatIfTabs")->count(); ++tab) {
            driver::child<QTabWidget>(&whatIf, "whatIfTabs")->setCurrentIndex(tab);
            const QString where = QStringLiteral("What If, tab %1").arg(tab);
            checkLook(&whatIf, where);
            // An answer table shows every row whole; a schedule at least ten.
            for (QTableWidget* table : whatIf.findChildren<QTableWidget*>()) {
                const int rows = table->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                                     ? table->rowCount()
                                     : std::min(10, table->rowCount());
                QVERIFY2(!table->isVisible() ||
                             table->viewport()->height() >= rows * table->rowHeight(0),
                         qPrintable(where + u' ' + table->objectName()));
            }
        }

        QTemporaryDir folder;
        const QString saved = folder.filePath(QStringLiteral("saved.hearthwise"));
        QVERIFY(w.writeCaseFile(saved));
        hw::CompareWindow compare(&w, w.regional(),
                                  {"This case", w.optionsInput(), *w.options(), true, {}},
                                  folder.path());
        compare.addCases({saved, saved});
        compare.show();
        checkLook(&compare, QStringLiteral("Compare"));

        hw::MortgageReport report(*w.reportContent(), w.regional().locale());
        QPrinter printer;
        hw::PreviewWindow preview(report, printer, &w);
        preview.show();
        checkLook(&preview, QStringLiteral("preview"));

        for (int topic = 0; topic <= hw::LenderChecksTopic; ++topic) {
            if (!hw::helpTopic(topic))
                continue;
            hw::InformationWindow help(&w);
            help.setTopic(topic);
            help.show();
            const QString where = QStringLiteral("information %1").arg(topic);
            checkLook(&help, where);
            if (driver::child<QPushButton>(&help, "cmdNext")->isVisible()) {
                driver::child<QPushButton>(&help, "cmdNext")->click();
                checkFits(&help, where + QStringLiteral(", second page"));
            }
        }
        hw::AboutWindow about(&w);
        about.show();
        QTest::qWait(1200); // the entry animation
        checkLook(&about, QStringLiteral("About"));
        checkFocusVisible(&about, QStringLiteral("About"));
    }

    void largestFiguresShowInFull_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "de_DE", "en_IN", "ar_EG", "ja_JP", "fr_CH"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // Every amount field, total and results cell has room for the largest
    // amount either way, in the locale's own form and digits.
    void largestFiguresShowInFull() {
        QFETCH(QString, locale);
        driver::Window w(qPrintable(locale));
        const hw::Regional& regional = w.regional();
        const qint64 largest = std::numeric_limits<qint64>::max();
        const QStringList amounts = {regional.currency(hw::Currency::fromScaled(largest)),
                                     regional.currency(hw::Currency::fromScaled(-largest))};
        int checked = 0;
        for (QLineEdit* edit : w.findChildren<QLineEdit*>()) {
            const auto* field = qobject_cast<hw::NumericField*>(edit);
            const bool percentage =
                field && field->format() == hw::NumericField::Format::Percentage;
            const bool term = edit->objectName().endsWith(QLatin1String("cell0")) ||
                              (field && field->format() == hw::NumericField::Format::Number);
            const QStringList texts = percentage ? QStringList{regional.percent(0.9999)}
                                      : term     ? QStringList{regional.number(100.0)}
                                                 : amounts;
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            const QRect room =
                edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
            for (const QString& text : texts) {
                const int needed = edit->fontMetrics().horizontalAdvance(text) + 4;
                QVERIFY2(needed <= room.width(),
                         qPrintable(QStringLiteral("%1 (%2) needs %3 px for \"%4\", has %5")
                                        .arg(edit->accessibleName(), edit->objectName())
                                        .arg(needed)
                                        .arg(text)
                                        .arg(room.width())));
            }
            ++checked;
        }
        QVERIFY(checked > 100);
    }

    // A desktop that turns dark while the program runs gives it the dark look.
    void followsTheDesktop() {
        driver::Window w;
        const QColor lightPaper = w.palette().color(QPalette::Window);
        QApplication::setPalette(palettes::dark());
        QApplication::processEvents();
        QVERIFY(w.palette().color(QPalette::Window).lightness() < 128);
        QVERIFY(lightPaper.lightness() > 128);
        checkReadable(&w, QStringLiteral("after the change"));
    }
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
