// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"
#include "base/Language.h"
#include "calc/CaseFile.h"
#include "calc/Durations.h"
#include "command/ResultsCommand.h"
#include "info/AboutWindow.h"
#include "info/HelpTopics.h"
#include "info/InformationWindow.h"
#include "pages/ResultsPage.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/LenderChecksWindow.h"
#include "results/MortgageReport.h"
#include "results/PreviewWindow.h"
#include "results/WhatIfWindow.h"

#include <QComboBox>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <set>
#include <tuple>

using hw::MainWindow;

namespace {

// Every text the program asks to have translated, as it asks: its context,
// its words, and whether a count chooses its form.
using Asked = std::tuple<QByteArray, QByteArray, QByteArray, bool>;

class Recorder : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (context && QByteArray(context).startsWith("hw::"))
            asked.insert({context, source, disambiguation, n >= 0});
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable std::set<Asked> asked;
};

// What a household meets: every page, every window the results open, the
// report with all its pages, every help topic and About.
void meetEverything() {
    driver::Window w("en_NZ");
    driver::visitEveryStep(w, [] {});
    driver::Window c("fr_CA");
    driver::choosePurpose(c, 3);
    driver::walkTo(c, hw::ResultsStep);
    hw::durationText(13, c.regional().locale());
    hw::durationText(26, c.regional().locale());

    hw::ChartWindow chart(*c.options(), c.figures().requirement, c.regional(), &c);
    chart.show();
    hw::WhatIfSettings asked;
    hw::WhatIfWindow whatIf(c.optionsInput(), c.regional(), c.figures().propertyValue, asked, &c);
    whatIf.show();
    auto* tabs = driver::child<QTabWidget>(&whatIf, "whatIfTabs");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        for (QPushButton* button : tabs->currentWidget()->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled())
                button->click();
    }
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("saved.hearthwise"));
    QVERIFY(c.writeCaseFile(saved));
    hw::CompareWindow compare(&c, c.regional(), {"This case", c.optionsInput(), *c.options(), true, {}},
                              folder.path());
    compare.addCases({saved});
    compare.show();
    driver::whenModal<hw::LenderChecksWindow>([](hw::LenderChecksWindow* checks) {
        checks->countryBox->setCurrentIndex(
            checks->countryBox->findData(int(hw::LenderCountry::Ireland)));
        checks->reject();
    });
    QTest::mouseClick(driver::child<QPushButton>(&c, QStringLiteral("cmdLenderChecks")),
                      Qt::LeftButton);

    hw::MortgageReport report(*c.reportContent(), c.regional().locale());
    report.setChartPage(true);
    report.setWhatIfPage(true);
    report.setLenderChecksPage(true);
    QVERIFY(report.saveAsPdf(folder.filePath(QStringLiteral("report.pdf"))));
    QPrinter printer;
    hw::PreviewWindow preview(report, printer, &c);
    preview.show();
    for (int topic = 0; topic <= hw::LenderChecksTopic; ++topic) {
        if (!hw::helpTopic(topic))
            continue;
        hw::InformationWindow help(&c);
        help.setTopic(topic);
    }
    hw::AboutWindow about(&c);
    // A case file that is not one, and the command line's help.
    hw::readCaseFile("{", 2);
    hw::runCommand({QStringLiteral("hearthwise"), QStringLiteral("--help")}, QLocale());
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    // Each text the program asks for on the way through it has its
    // translation in every language it speaks, and English its plurals.
    void everyTextMetIsTranslated() {
        Recorder recorder;
        QCoreApplication::installTranslator(&recorder);
        meetEverything();
        QCoreApplication::removeTranslator(&recorder);
        QVERIFY(recorder.asked.size() > 300);
        for (const QString& language : hw::spokenLanguages()) {
            QTranslator translation;
            QVERIFY(translation.load(QStringLiteral(":/i18n/hearthwise_%1.qm").arg(language)));
            QStringList missing;
            for (const auto& [context, source, disambiguation, counted] : recorder.asked)
                if ((language != QLatin1String("en") || counted) &&
                    translation.translate(context, source, disambiguation, counted ? 2 : -1)
                        .isEmpty())
                    missing << QString::fromUtf8(context + " | " + source);
            for (const QString& text : missing)
                qWarning().noquote() << language << text;
            QVERIFY(missing.isEmpty());
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
