// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Hearthwise as the program does and reports, one line each, when the
// main window is first painted ("painted", with the peak resident memory so
// far, VmHWM in kB) and, given "actions", how long three actions take from the
// key press to their window painted: Next from the rate page to the results
// ("results MS"), Preview to its first page ("preview MS"), Chart to the chart
// ("chart MS"), and opening the case, saved to a file, to its results painted
// ("open MS"), and Compare with three saved cases to its table painted
// ("compare MS"). Run by hearthwise_startup, which times the start from outside.

#include "base/Message.h"
#include "results/BalanceChart.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/PreviewWindow.h"
#include "shell/Main.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QByteArray peakResident() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "unknown";
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).simplified();
    return "unknown";
}

void report(const char* what, const QByteArray& value) {
    std::printf("%s %s\n", what, value.constData());
    std::fflush(stdout);
}

// Calls `then` once, after the first paint of a widget that `wanted` accepts.
class PaintWatch : public QObject {
public:
    PaintWatch(std::function<bool(QObject*)> wanted, std::function<void()> then)
        : wanted_(std::move(wanted)), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_ && wanted_(watched)) {
            // After the paint itself, not before it.
            auto then = std::move(then_);
            then_ = nullptr;
            QTimer::singleShot(0, this, [then] { then(); });
        }
        return false;
    }

private:
    std::function<bool(QObject*)> wanted_;
    std::function<void()> then_;
};

template <class T> T* shown() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(top); window && window->isVisible())
            return window;
    return nullptr;
}

QString milliseconds(const QElapsedTimer& clock) {
    return QString::number(static_cast<double>(clock.nsecsElapsed()) / 1e6, 'f', 1);
}

// Times one action: `act` starts it, and the first paint that `painted`
// accepts ends it; `close` then closes what it opened, and `next` goes on.
void timeAction(const char* name, std::function<void()> act, std::function<bool(QObject*)> painted,
                std::function<void()> close, std::function<void()> next) {
    auto* clock = new QElapsedTimer;
    auto* watch = new PaintWatch(std::move(painted), [=] {
        report(name, milliseconds(*clock).toLatin1());
        delete clock;
        close();
        QTimer::singleShot(0, next);
    });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, watch, &QObject::deleteLater);
    clock->start();
    act();
}

void runActions(hw::MainWindow* w) {
    // A case at the rate page, as a walk through the pages leaves it: 250,000
    // to borrow, 7,000 a month after tax, 2,500 spent.
    hw::MortgageCase value;
    value.purpose = hw::OtherLoans;
    value.income[0] = {*hw::Currency::fromUnits(84000), 0.0};
    value.budget[0] = *hw::Currency::fromUnits(2500);
    value.fortnightlyBudget = false;
    value.purposes[hw::OtherLoans].first[0] = *hw::Currency::fromUnits(250000);
    value.ratePercent = 8.0;
    value.termYears = 25.0;
    w->openCase(value);
    w->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    QWidget* results = w->stepPanel(hw::ResultsStep);
    const auto quit = [] { QApplication::exit(0); };
    auto* folder = new QTemporaryDir;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [folder] { delete folder; });
    const QString path = folder->filePath(QStringLiteral("case.hearthwise"));
    const auto compare = [=] {
        // This case beside three saved ones.
        const QStringList saved{path, path, path};
        timeAction(
            "compare", [=] { w->openCompare(saved); },
            [](QObject* o) {
                auto* window = shown<hw::CompareWindow>();
                return window && o == window->findChild<QTableWidget*>(QStringLiteral("grdCompare"))
                                          ->viewport();
            },
            [] {
                if (auto* window = shown<hw::CompareWindow>())
                    window->accept();
            },
            quit);
    };
    const auto open = [=] {
        w->writeCaseFile(path);
        timeAction(
            "open", [=] { w->openCaseFile(path); }, [=](QObject* o) { return o == results; }, [] {},
            compare);
    };
    const auto chart = [=] {
        timeAction(
            "chart", [=] { w->findChild<QPushButton*>(QStringLiteral("cmdChart"))->click(); },
            [](QObject* o) { return qobject_cast<hw::BalanceChart*>(o) != nullptr; },
            [] {
                if (auto* dialog = shown<hw::ChartWindow>())
                    dialog->accept();
            },
            open);
    };
    const auto preview = [=] {
        timeAction(
            "preview", [=] { w->findChild<QPushButton*>(QStringLiteral("cmdPreview"))->click(); },
            [](QObject* o) {
                auto* dialog = shown<hw::PreviewWindow>();
                auto* view = dialog
                                 ? dialog->findChild<QPrintPreviewWidget*>(QStringLiteral("pages"))
                                       ->findChild<QGraphicsView*>()
                                 : nullptr;
                return view && o == view->viewport();
            },
            [] {
                if (auto* dialog = shown<hw::PreviewWindow>())
                    dialog->accept();
            },
            chart);
    };
    timeAction(
        "results", [=] { w->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click(); },
        [=](QObject* o) { return o == results; }, [] {}, preview);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hearthwise"));
    const bool actions = QApplication::arguments().contains(QStringLiteral("actions"));
    // The start-up hint is answered at once; the window is what is timed.
    hw::setMessageResponder([](const QString&, int) { return 0; });
    PaintWatch first([](QObject* o) { return qobject_cast<hw::MainWindow*>(o) != nullptr; },
                     [actions] {
                         report("painted", peakResident());
                         // The actions start half a second later, as a user's first
                         // click would: the window is then settled.
                         if (actions)
                             QTimer::singleShot(500, [] { runActions(shown<hw::MainWindow>()); });
                         else // the event loop has not started: exit() would be lost
                             std::_Exit(0);
                     });
    hw::Main();
    return QApplication::exec();
}
