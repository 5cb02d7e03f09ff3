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
#include "results/CaseReport.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/LenderChecksWindow.h"
#include "results/MortgageReport.h"
#include "results/PreviewWindow.h"
#include "results/WhatIfWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <functional>
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
        if (context && QByteArray(context).startsWith("hw::") && !driver::lookingUp)
            asked.insert({context, source, disambiguation, n >= 0});
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable std::set<Asked> asked;
};

// Opens every window the results of `c` open, with a case to compare and the
// report with all its pages, What If at each tab with its buttons pressed, and
// hands each to `visit` as it stands.
void openEveryResultsWindow(driver::Window& c,
                            const std::function<void(QWidget*, const QString&)>& visit) {
    hw::ChartWindow chart(*c.options(), c.figures().requirement, c.regional(), &c);
    chart.show();
    visit(&chart, QStringLiteral("chart"));
    hw::WhatIfSettings asked;
    hw::WhatIfWindow whatIf(c.optionsInput(), c.regional(), c.figures().propertyValue, asked, &c);
    whatIf.show();
    auto* tabs = driver::child<QTabWidget>(&whatIf, "whatIfTabs");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        for (QPushButton* button : tabs->currentWidget()->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled())
                button->click();
        visit(&whatIf, QStringLiteral("What If, tab %1").arg(tab));
    }
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("saved.hearthwise"));
    QVERIFY(c.writeCaseFile(saved));
    hw::CompareWindow compare(
        &c, c.regional(), {"This case", c.optionsInput(), *c.options(), true, {}}, folder.path());
    compare.addCases({saved});
    compare.show();
    visit(&compare, QStringLiteral("compare"));
    driver::whenModal<hw::LenderChecksWindow>([&visit](hw::LenderChecksWindow* checks) {
        visit(checks, QStringLiteral("lender checks"));
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
    visit(&preview, QStringLiteral("preview"));
}

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

    openEveryResultsWindow(c, [](QWidget*, const QString&) {});
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

// The Alt letters a window offers at once: its menu, its visible buttons and
// tabs, and the labels that lead to a field.
QStringList offeredCaptions(QWidget* window) {
    QStringList captions;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* entry : main->menuBar()->actions())
            captions << entry->text();
    for (auto* button : window->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(window))
            captions << button->text();
    for (auto* label : window->findChildren<QLabel*>())
        if (label->buddy() && label->isVisibleTo(window))
            captions << label->text();
    for (auto* tabs : window->findChildren<QTabWidget*>())
        if (tabs->isVisibleTo(window))
            for (int tab = 0; tab < tabs->count(); ++tab)
                captions << tabs->tabText(tab);
    return captions;
}

void checkMnemonics(QWidget* window, const QString& where) {
    QMap<QKeySequence, QString> taken;
    for (const QString& caption : offeredCaptions(window)) {
        const QKeySequence letter = QKeySequence::mnemonic(caption);
        if (letter.isEmpty())
            continue;
        QVERIFY2(!taken.contains(letter),
                 qPrintable(
                     QStringLiteral("%1: '%2' and '%3'").arg(where, taken.value(letter), caption)));
        taken.insert(letter, caption);
    }
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

    void cleanup() { hw::speak(QStringLiteral("en")); }

    void languageOfTheSystem_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("Quebec") << QStringList{"fr-Latn-CA", "fr-CA"} << "fr";
        QTest::newRow("Mexico") << QStringList{"es-Latn-MX", "es-MX"} << "es";
        QTest::newRow("Austria") << QStringList{"de-Latn-AT", "de-AT"} << "de";
        QTest::newRow("mainland China") << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "zh_CN";
        QTest::newRow("Singapore") << QStringList{"zh-Hans-SG", "zh-SG"} << "zh_CN";
        QTest::newRow("Taiwan: not the other script") << QStringList{"zh-Hant-TW", "zh-TW"} << "en";
        QTest::newRow("Brazil") << QStringList{"pt-Latn-BR", "pt-BR", "pt"} << "en";
        QTest::newRow("the second language") << QStringList{"ja-JP", "fr-FR"} << "fr";
    }
    void languageOfTheSystem() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, spoken);
        QCOMPARE(hw::languageFor(uiLanguages), spoken);
    }

    // The Language menu changes every word at once and keeps the case, the
    // page, the unsaved changes and the region's figures; the choice is kept
    // for the next start, and Qt's own dialogs speak it too.
    void menuSwitchesAtOnce() {
        driver::Window w("fr_CA");
        driver::choosePurpose(w, 3);
        driver::walkTo(w, hw::ResultsStep);
        QVERIFY(w.hasUnsavedChanges());
        const hw::MortgageCase before = w.caseValue();
        const QString firstRepayment = driver::cell(w, 0, driver::First)->text();
        w.findChild<QAction*>(QStringLiteral("mnuLanguage_fr"))->trigger();
        QCOMPARE(hw::spokenLanguage(), QStringLiteral("fr"));
        QCOMPARE(driver::child<QPushButton>(&w, "cmdBack")->text(), QStringLiteral("&Précédent"));
        QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
        QVERIFY(w.caseValue() == before);
        QVERIFY(w.hasUnsavedChanges());
        QCOMPARE(driver::cell(w, 0, driver::First)->text(), firstRepayment);
        QVERIFY(driver::child<QLabel>(&w, "lblPlace")->text().startsWith(QStringLiteral("Étape")));
        QVERIFY(w.findChild<QAction*>(QStringLiteral("mnuLanguage_fr"))->isChecked());
        QCOMPARE(hw::startingLanguage(), QStringLiteral("fr"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
                 QStringLiteral("Voir dans :"));
        QVERIFY(w.texts().isEmpty());
        // Back to English, and Back still leads to the rate page.
        w.findChild<QAction*>(QStringLiteral("mnuLanguage_en"))->trigger();
        QCOMPARE(driver::child<QPushButton>(&w, "cmdBack")->text(), QStringLiteral("&Back"));
        QCOMPARE(hw::startingLanguage(), QStringLiteral("en"));
        driver::back(w);
        QCOMPARE(int(w.currentStep()), int(hw::RateStep));
    }

    void inEachLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "en"
                                 << "en_US";
        QTest::newRow("German") << "de"
                                << "de_DE";
        QTest::newRow("French") << "fr"
                                << "fr_CA";
        QTest::newRow("Spanish") << "es"
                                 << "es_MX";
        QTest::newRow("Chinese") << "zh_CN"
                                 << "zh_CN";
    }
    // The walk through a case in each language, its figures read back from
    // the results; and no two controls a window offers at once share an Alt
    // letter, on any page of any purpose nor in the windows the results open.
    void inEachLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, locale);
        hw::speak(language);
        driver::Window w(qPrintable(locale));
        QCOMPARE(driver::child<QPushButton>(&w, "cmdNext")->text() == QStringLiteral("&Next"),
                 language == QLatin1String("en"));
        driver::choosePurpose(w, 3);
        for (int guard = 0; guard < hw::StepCount && w.currentStep() != hw::ResultsStep; ++guard) {
            checkMnemonics(&w, QStringLiteral("step %1").arg(w.currentStep()));
            driver::fillRequired(w);
            driver::next(w);
        }
        QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
        QVERIFY2(w.texts().isEmpty(), qPrintable(w.texts().join(u'|')));
        const hw::Regional& regional = w.regional();
        QCOMPARE(w.figures().requirement, *hw::Currency::fromUnits(233007));
        QCOMPARE(driver::child<QLabel>(&w, QStringLiteral("sknpnMortgage"))->text(),
                 QCoreApplication::translate("hw::ResultsPage", "Amount borrowed:  %1  at  %2")
                     .arg(regional.currency(w.figures().requirement),
                          hw::rateText(w.caseValue(), regional)));
        // 8% a year, compounded monthly, or half-yearly as Canada's lenders quote it.
        const double r = w.caseValue().compounding == hw::Compounding::HalfYearly
                             ? std::pow(1.04, 1.0 / 6.0) - 1.0
                             : double(8.0F / 100.0F / 12.0F);
        const double table = 233007.0 * r / (1.0 - std::pow(1.0 + r, -300.0));
        QCOMPARE(driver::cell(w, 0, driver::First)->text(), regional.currency(table));
        checkMnemonics(&w, QStringLiteral("results"));
        for (int purpose = 0; purpose < hw::PurposeCount; ++purpose) {
            while (w.currentStep() != hw::PurposeStep)
                driver::back(w);
            QTest::mouseClick(driver::purposeButton(w, purpose), Qt::LeftButton);
            driver::walkTo(w, hw::requirementStep(purpose));
            checkMnemonics(&w, QStringLiteral("purpose %1").arg(purpose));
        }
        driver::walkTo(w, hw::ResultsStep);

        openEveryResultsWindow(w, checkMnemonics);
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
