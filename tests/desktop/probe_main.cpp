// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user starts it, with one addition for the real-desktop
// tests: every 100 ms it writes what the windows show to the file named by
// HEARTHWISE_PROBE, so that a test driving it with real X key and mouse events
// reads the figures back from the program itself, never from pixels.

#include "Children.h"
#include "base/Language.h"
#include "base/MessageBox.h"
#include "money/Regional.h"
#include "results/LenderChecksWindow.h"
#include "results/WhatIfWindow.h"
#include "shell/Main.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

namespace {

QString rect(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

class Probe {
public:
    explicit Probe(QString path) : path_(std::move(path)) {
        // Every control the focus passes through, as a screen reader hears them.
        QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* now) {
            if (now)
                trail_ << (now->objectName().isEmpty()
                               ? QString::fromLatin1(now->metaObject()->className())
                               : now->objectName());
        });
    }

    void write() {
        QStringList lines;
        auto* w = mainWindow();
        if (!w)
            return;
        lines << QStringLiteral("step=%1").arg(w->currentStep());
        lines << QStringLiteral("title=") + w->windowTitle();
        lines << QStringLiteral("modified=%1").arg(w->isWindowModified() ? 1 : 0);
        QWidget* focus = QApplication::focusWidget();
        lines << QStringLiteral("focus=") + (focus ? focus->objectName() : QString());
        lines << QStringLiteral("focusTrail=") + trail_.join(u',');
        if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
            lines << QStringLiteral("focusText=") + edit->text();
            lines << QStringLiteral("selection=") + edit->selectedText();
        }
        QWidget* active = QApplication::activeWindow();
        // By its name, or by its class for Qt's own dialogs.
        lines << QStringLiteral("active=") +
                     (!active ? QString()
                      : active->objectName().isEmpty()
                          ? QString::fromLatin1(active->metaObject()->className())
                          : active->objectName());
        lines << QStringLiteral("mainFrame=") + rect(w->frameGeometry());
        if (const QScreen* screen = w->screen())
            lines << QStringLiteral("screen=") + rect(screen->availableGeometry());
        for (QWidget* top : QApplication::topLevelWidgets()) {
            // Every other window shown, by its frame, as the main window's.
            if (top != w && top->isVisible() && top->isWindow() && !top->objectName().isEmpty())
                lines << QStringLiteral("window.%1=%2")
                             .arg(top->objectName(), rect(top->frameGeometry()));
            // The What If window's figures and answers.
            if (auto* whatIf = qobject_cast<hw::WhatIfWindow*>(top);
                whatIf && whatIf->isVisible()) {
                for (auto* field : whatIf->findChildren<hw::NumericField*>())
                    lines << QStringLiteral("whatif.%1=%2").arg(field->objectName(), field->text());
                lines << QStringLiteral("whatif.lblExtra=") +
                             driver::child<QLabel>(whatIf, "lblExtra")->text().replace(u'\n', u' ');
                if (const QTableWidgetItem* cleared =
                        driver::child<QTableWidget>(whatIf, "grdOffset")->item(0, 1))
                    lines << QStringLiteral("whatif.offsetCleared=") + cleared->text();
            }
            if (auto* checks = qobject_cast<hw::LenderChecksWindow*>(top);
                checks && checks->isVisible())
                lines << QStringLiteral("lenderSummary=") + checks->summary->text();
            if (auto* box = qobject_cast<hw::MessageBox*>(top); box && box->isVisible()) {
                lines << QStringLiteral("message=") +
                             driver::child<QLabel>(box, "lblMessage")->text();
                lines << QStringLiteral("messageFrame=") + rect(box->frameGeometry());
            }
        }
        // The pages are built just after the window first appears.
        if (w->stepPanel(hw::AssetsStep)->findChild<hw::NumericField*>()) {
            fields(lines, w);
            for (auto* button : w->findChildren<QAbstractButton*>())
                if (button->isVisible() && !button->objectName().isEmpty())
                    lines << QStringLiteral("button.%1=%2|%3")
                                 .arg(button->objectName(), centre(button))
                                 .arg(button->isChecked() ? 1 : 0);
            lines << QStringLiteral("caption=") +
                         w->findChild<QLabel*>(QStringLiteral("sknpnMortgage"))->text();
            if (const auto* lender = w->findChild<QLabel*>(QStringLiteral("lblLenderChecks")))
                lines << QStringLiteral("lender=") +
                             (lender->isVisible() ? lender->text() : QString());
        }
        const QString text = lines.join(u'\n') + u'\n';
        if (text == last_)
            return;
        QSaveFile file(path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text.toUtf8());
            if (file.commit())
                last_ = text;
        }
    }

private:
    static hw::MainWindow* mainWindow() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<hw::MainWindow*>(top))
                return w;
        return nullptr;
    }
    // In the screen's own pixels, where X events land, whatever the scaling.
    static QString centre(const QWidget* widget) {
        const QPointF at =
            QPointF(widget->mapToGlobal(widget->rect().center())) * widget->devicePixelRatioF();
        return QStringLiteral("%1,%2").arg(qRound(at.x())).arg(qRound(at.y()));
    }
    // The fields of a page in the order they are made, which is the order of
    // the names the scenarios use ("txtIncome0" is the first field of the income page).
    static void group(QStringList& lines, const char* name, const hw::MainWindow* w, int step,
                      int count) {
        const auto fields =
            w->stepPanel(step)->findChildren<hw::NumericField*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < count; ++i) {
            hw::NumericField* field = fields.at(i);
            field->setObjectName(QLatin1String(name) + QString::number(i));
            lines << QStringLiteral("%1%2=%3|%4")
                         .arg(QLatin1String(name))
                         .arg(i)
                         .arg(field->text(), centre(field));
        }
    }
    static void fields(QStringList& lines, hw::MainWindow* w) {
        group(lines, "txtLiabilities", w, hw::LiabilitiesStep, 1);
        group(lines, "txtIncome", w, hw::IncomeStep, 1);
        group(lines, "txtBudget", w, hw::BudgetStep, 1);
        group(lines, "txtCosts", w, hw::ChargesStep, 1);
        group(lines, "txtRate", w, hw::RateStep, 2);
        for (int k = 0; k < hw::MortgageTypeCount; ++k) {
            const auto cell = [&](int column) {
                return w->findChild<QLineEdit*>(QStringLiteral("row%1cell%2").arg(k).arg(column))
                    ->text();
            };
            lines << QStringLiteral("txtFirst%1=%2").arg(k).arg(cell(1));
        }
    }

    QString path_;
    QString last_;
    QStringList trail_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hearthwise"));
    QLocale::setDefault(hw::workingLocale(QLocale::system()));
    // The language last chosen, or the system's, as the program starts.
    hw::speak(hw::startingLanguage());
    Probe probe(qEnvironmentVariable("HEARTHWISE_PROBE"));
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&probe] { probe.write(); });
    timer.start(100);
    hw::Main();
    return QApplication::exec();
}
