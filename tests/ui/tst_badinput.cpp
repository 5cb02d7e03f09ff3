// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using hw::MainWindow;
using hw::NumericField;

namespace {

// What a refusal or a check may say; anything else is a fault.
const QStringList KnownMessages = {
    "Please enter a number.",
    "Please enter a number of 0 or more.",
    "Please enter an amount with no more decimals than the currency shows.",
    "This currency has no decimals: please enter a whole amount.",
    "This amount is too large.",
    "Please enter required value.",
    "Please enter your income value.",
    "Tax rate must be less than 100%.",
    "Please enter Selling Price.",
    "Please enter Purchase Price.",
    "Please enter Cost to build.",
    "Bank Charges must be less than 100%.",
    "Interest rate must be less than 100%.",
    "Term in years must be between 0.1 and 100.",
    "If you are refinancing your debt must be over $0!",
    "The amount you want to borrow must be over $0!",
};

struct Entry {
    QString text;
    bool pasted; // put in as a paste, past the keystroke filter
};

QList<Entry> entriesFor(NumericField::Format format) {
    switch (format) {
    case NumericField::Format::Amount:
        return {{"922337203685477", false}, {"0", false},    {"99999999999999999999", false},
                {"twelve", true},           {"1e999", true}, {"-5", true}};
    case NumericField::Format::Percentage:
        return {{"99.99", false}, {"100", false}, {"0", false}, {"%", true}, {"1e40", true}};
    case NumericField::Format::Number:
        return {{"0.1", false}, {"100", false}, {"0", false}, {"nan", true}, {"inf", true}};
    case NumericField::Format::Count:
        return {{"12", false}, {"1.5", false}, {"nan", true}};
    }
    return {};
}

void enter(NumericField* field, const Entry& entry) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    if (entry.pasted)
        field->insert(entry.text);
    else
        QTest::keyClicks(field, entry.text);
    QTest::keyClick(field, Qt::Key_Tab);
    // A refused entry keeps the focus with the value restored: leave it again.
    if (field->hasFocus())
        QTest::keyClick(field, Qt::Key_Tab);
}

// Texts a broken figure shows: nan, inf, or an exponent.
bool looksBroken(const QString& text) {
    static const QRegularExpression broken(QStringLiteral("nan|inf|e[+-]?\\d"),
                                           QRegularExpression::CaseInsensitiveOption);
    return broken.match(text).hasMatch();
}

QStringList brokenTexts(QWidget* page) {
    QStringList found;
    for (auto* edit : page->findChildren<QLineEdit*>())
        if (looksBroken(edit->text()))
            found << edit->objectName() + u'=' + edit->text();
    for (auto* label : page->findChildren<QLabel*>())
        if (label->objectName().startsWith(QLatin1String("lblMortgage")) &&
            looksBroken(label->text()))
            found << label->text();
    return found;
}

// Every message said once per action, and each one a known message.
void checkMessages(MessageRecorder& messages, const QString& where) {
    QVERIFY2(messages.messages.size() <= 1, qPrintable(where + messages.texts().join(u'|')));
    for (const QString& text : messages.texts())
        QVERIFY2(KnownMessages.contains(text), qPrintable(where + text));
    messages.clear();
}

} // namespace

// Every field of every page of every purpose takes the extremes a user can type
// or paste: nothing crashes, hangs or shows a broken figure, and every refusal
// is one clear message.
class BadInputTest : public QObject {
    Q_OBJECT
private slots:
    void sweep_data() {
        QTest::addColumn<int>("purpose");
        for (int purpose = 0; purpose < hw::PurposeCount; ++purpose)
            QTest::addRow("purpose %d", purpose) << purpose;
    }
    void sweep() {
        QFETCH(int, purpose);
        driver::Window w;
        driver::choosePurpose(w, purpose);
        driver::next(w);
        int entered = 0;
        while (w.currentStep() < hw::RateStep) {
            const int step = w.currentStep();
            QWidget* page = w.stepPanel(int(std::size_t(step)));
            for (NumericField* field : page->findChildren<NumericField*>()) {
                if (field->isReadOnly() || !field->isVisible() || !field->isEnabled())
                    continue;
                const QString original = field->text();
                for (const Entry& entry : entriesFor(field->format())) {
                    const QString where = QStringLiteral("step %1 %2 '%3': ")
                                              .arg(step)
                                              .arg(field->accessibleName(), entry.text);
                    enter(field, entry);
                    ++entered;
                    checkMessages(w, where);
                    // Work the page out with the value in place, as Next would.
                    for (auto* button : page->findChildren<QPushButton*>())
                        if (button->text().remove(u'&') == QLatin1String("Calculate"))
                            QTest::mouseClick(button, Qt::LeftButton);
                    checkMessages(w, where + QStringLiteral("Calculate: "));
                    const QStringList broken = brokenTexts(page);
                    QVERIFY2(broken.isEmpty(), qPrintable(where + broken.join(u' ')));
                }
                field->setText(original);
            }
            driver::fillRequired(w);
            driver::next(w);
            checkMessages(w, QStringLiteral("Next on step %1: ").arg(step));
            QVERIFY2(w.currentStep() > step, qPrintable(QString::number(step)));
        }

        QVERIFY(entered > 100);
        qInfo("%d entries", entered);

        // The rate page's extremes, each carried through to the results.
        const QList<QPair<QString, QString>> cases = {
            {"0", "25"}, {"99.99", "0.1"}, {"99.99", "100"}, {"0", "0.1"}, {"0.01", "100"}};
        for (const auto& [rate, term] : cases) {
            driver::type(driver::field(w, hw::RateStep, "Interest Rate"), rate);
            driver::type(driver::field(w, hw::RateStep, "Term in Years"), term);
            driver::next(w);
            checkMessages(w, QStringLiteral("rate %1 term %2: ").arg(rate, term));
            QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
            const QStringList broken = brokenTexts(w.stepPanel(int(hw::ResultsStep)));
            QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u' ')));
            driver::back(w);
        }
    }
};

QTEST_MAIN(BadInputTest)
#include "tst_badinput.moc"
