// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Walks the main window through a typical case and saves a picture of every
// page it passes, the report as a PDF, every page of the information window and
// the About window: screenshots for the README and for looking at the windows.
// Usage: hearthwise_screens OUTPUT_FOLDER [PURPOSE] [LOCALE] [large] [dark]
// "large" enters the same case with every amount a million times larger;
// "dark" shows the windows on a dark desktop.

#include "CaseDriver.h"
#include "Palettes.h"
#include "base/Message.h"
#include "calc/CaseFile.h"
#include "info/AboutWindow.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "pages/ResultsPage.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/MortgageReport.h"
#include "results/WhatIfWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString folder = args.value(1, QStringLiteral("screens"));
    const int purpose = args.value(2, QStringLiteral("3")).toInt();
    const QLocale locale(args.value(3, QStringLiteral("en_US")));
    const QString zeros =
        args.contains(QStringLiteral("large")) ? QStringLiteral("000000") : QString();
    if (args.contains(QStringLiteral("dark")))
        QApplication::setPalette(palettes::dark());
    QDir().mkpath(folder);
    hw::setMessageResponder([](const QString&, int) { return 0; });

    hw::MainWindow window(locale);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    const auto save = [&] {
        QApplication::processEvents();
        window.grab().save(QStringLiteral("%1/step%2.png")
                               .arg(folder)
                               .arg(window.currentStep(), 2, 10, QChar(u'0')));
    };
    save();
    driver::choosePurpose(window, purpose);
    save();
    // Each page is pictured with the figures the walk types into it.
    for (int guard = 0; guard < 20 && window.currentStep() < hw::ClosingStep; ++guard) {
        driver::fillRequired(window, zeros);
        // A first home at a price and deposit households meet, not the empty page.
        if (window.currentStep() == hw::FirstRequirementStep) {
            driver::type(
                driver::field(window, hw::FirstRequirementStep, QStringLiteral("Purchase Price")),
                QStringLiteral("450000") + zeros);
            driver::type(driver::field(window, hw::FirstRequirementStep,
                                       QStringLiteral("Your Contribution")),
                         QStringLiteral("60000") + zeros);
        }
        if (window.currentStep() > hw::PurposeStep)
            save();
        if (window.currentStep() == hw::ResultsStep && window.reportContent()) {
            hw::MortgageReport report(*window.reportContent(), window.regional().locale());
            report.saveAsPdf(folder + QStringLiteral("/report.pdf"));
            report.setChartPage(true);
            report.saveAsPdf(folder + QStringLiteral("/report-with-chart.pdf"));
            hw::ChartWindow chart(*window.options(), window.figures().requirement,
                                  window.regional(), &window);
            chart.show();
            QApplication::processEvents();
            chart.grab().save(folder + QStringLiteral("/chart.png"));
            chart.findChild<QTabWidget*>()->setCurrentIndex(1);
            driver::child<QComboBox>(&chart, "cboType")
                ->setCurrentIndex(driver::child<QComboBox>(&chart, "cboType")->count() - 1);
            QApplication::processEvents();
            chart.grab().save(folder + QStringLiteral("/schedule.png"));
            hw::WhatIfSettings asked;
            asked.extra.extraMonthly = 200;
            asked.offsetSavings = 30000;
            asked.offsetMonthly = 200;
            asked.current = hw::CurrentLoanAsked::whole({240000, 8.75, 24, 3500});
            hw::WhatIfWindow whatIf(window.optionsInput(), window.regional(),
                                    window.resultsPage().propertyValue(), asked, &window);
            whatIf.show();
            for (int tab = 0; tab < driver::child<QTabWidget>(&whatIf, "whatIfTabs")->count();
                 ++tab) {
                driver::child<QTabWidget>(&whatIf, "whatIfTabs")->setCurrentIndex(tab);
                QApplication::processEvents();
                whatIf.grab().save(QStringLiteral("%1/whatif%2.png").arg(folder).arg(tab));
            }
            // Two other banks' offers: the same case at other rates, beside this one.
            QStringList offers;
            for (const auto& [name, change] :
                 {std::pair{"Bank A", -0.5}, std::pair{"Bank B", 0.75}}) {
                hw::CaseFileContent offer{window.caseValue(), {}};
                offer.value.ratePercent += change;
                QFile file(folder + QStringLiteral("/%1.hearthwise").arg(QLatin1String(name)));
                if (file.open(QIODevice::WriteOnly))
                    file.write(hw::caseFileText(offer));
                offers << file.fileName();
            }
            hw::CompareWindow compare(
                &window, window.regional(),
                {QStringLiteral("This case"), window.optionsInput(), *window.options(), true, {}},
                folder);
            compare.addCases(offers);
            compare.show();
            QApplication::processEvents();
            compare.grab().save(folder + QStringLiteral("/compare.png"));
        }
        const int before = window.currentStep();
        driver::next(window);
        if (window.currentStep() == before)
            break;
    }
    save();

    // Every page of every topic of the information window, and the About window.
    for (int topic = 0; topic <= hw::WhatIfTopic; ++topic) {
        if (!hw::helpTopic(topic))
            continue;
        hw::InformationWindow help(&window);
        help.setTopic(topic);
        help.show();
        for (int page = 1; page <= (hw::helpTopic(topic)->hasSecondPage() ? 2 : 1); ++page) {
            QApplication::processEvents();
            help.grab().save(QStringLiteral("%1/help%2-%3.png")
                                 .arg(folder)
                                 .arg(topic, 2, 10, QChar(u'0'))
                                 .arg(page));
            driver::child<QPushButton>(&help, "cmdNext")->click();
        }
    }
    hw::AboutWindow about(&window);
    about.show();
    QTest::qWait(1200); // the entry animation
    about.grab().save(folder + QStringLiteral("/about.png"));
    return 0;
}
