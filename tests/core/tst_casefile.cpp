// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"
#include "calc/CaseFile.h"
#include "store/WholeFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace hw;

namespace {

// A case with a figure in every kind of place.
CaseFileContent sample() {
    CaseFileContent content;
    MortgageCase& c = content.value;
    c.purpose = SellingAndBuying;
    c.assets[0] = units(350000);
    c.assets[9] = Currency::fromScaled(12345678); // 1,234.5678
    c.liabilities[2] = units(120000);
    c.income[0] = {units(60000), 15.0};
    c.income[2] = {Currency::fromScaled(1000050), 33.33};
    c.budget = {units(100), units(100), units(100), units(50), units(50), units(20), units(30)};
    c.fortnightlyBudget = false;
    c.purposes[SellingAndBuying].first = {units(400000), units(10000), units(120000)};
    c.purposes[SellingAndBuying].second = {Currency(), units(500000), units(20000)};
    c.valuationFee = units(200);
    c.legalFee = units(500);
    c.chargesMode = ChargesMode::FixedAmount;
    c.chargesPercent = 0.5;
    c.chargesAmount = units(3000);
    c.ratePercent = 7.25;
    c.termYears = 20.0;
    c.compounding = Compounding::HalfYearly;
    c.lender = {
        LenderCountry::Canada, units(4200), units(150), units(300), units(400), units(5000)};
    content.whatIf.risePoints = 1.5;
    content.whatIf.resetRate = 9.0;
    content.whatIf.extraType = ReducingBalanceType;
    content.whatIf.extra = {250.5, 10000.0, 12};
    content.whatIf.frequencyType = ReducingBalanceType;
    content.whatIf.offsetSavings = 30000.0;
    content.whatIf.offsetMonthly = 150.25;
    content.whatIf.current = CurrentLoanAsked::whole({240000.0, 8.75, 24.5, 3500.0});
    return content;
}

} // namespace

class CaseFileTest : public QObject {
    Q_OBJECT
private slots:
    // Written and read again, the case and the What If settings are the same.
    void roundTrip() {
        const CaseFileContent written = sample();
        const QByteArray text = caseFileText(written);
        QVERIFY(text.contains("\"format\": \"hearthwise-case\""));
        QVERIFY(text.contains("\"1234.5678\""));
        const auto read = readCaseFile(text, 4);
        QVERIFY(std::holds_alternative<CaseFileContent>(read));
        const CaseFileContent& content = std::get<CaseFileContent>(read);
        QVERIFY(content.value == written.value);
        QCOMPARE(content.whatIf.risePoints, 1.5);
        QCOMPARE(*content.whatIf.resetRate, 9.0);
        QCOMPARE(content.whatIf.extraType, int(ReducingBalanceType));
        QCOMPARE(content.whatIf.extra.lumpMonth, 12);
        QCOMPARE(content.whatIf.extra.extraMonthly, 250.5);
        QCOMPARE(content.whatIf.frequencyType, int(ReducingBalanceType));
        QCOMPARE(content.whatIf.offsetMonthly, 150.25);
        QVERIFY(content.whatIf.current);
        QCOMPARE(*content.whatIf.current->yearsLeft, 24.5);
        QCOMPARE(*content.whatIf.current->costs, 3500.0);
    }

    // The small case of the README, written by hand: what is left out is 0.
    void handWritten() {
        const QByteArray text = R"({
            "format": "hearthwise-case", "version": "1.0",
            "purpose": "other-loans",
            "income": [{"gross": "90000", "taxPercent": 30}],
            "purposeFigures": {"other-loans": {"first": ["200000"]}},
            "rate": {"percent": 6.5, "years": 25},
            "a key of a later 1.x version": true
        })";
        const auto read = readCaseFile(text, 2);
        QVERIFY(std::holds_alternative<CaseFileContent>(read));
        const MortgageCase& c = std::get<CaseFileContent>(read).value;
        QCOMPARE(c.purpose, int(OtherLoans));
        QCOMPARE(c.income[0].gross, units(90000));
        QCOMPARE(c.income[0].taxPercent, 30.0);
        QCOMPARE(c.purposes[OtherLoans].first[0], units(200000));
        QCOMPARE(c.purposes[OtherLoans].first[1], Currency());
        QCOMPARE(c.termYears, 25.0);
        QVERIFY(c.fortnightlyBudget);
        QVERIFY(c.compounding == Compounding::Monthly);
        QVERIFY(c.lender == LenderFigures());
    }

    // Every way a file can be wrong is refused with one message naming the field
    // by its page and caption and the range in the region's forms; nothing of
    // it is taken. What If figures are checked as their fields and questions check them.
    void refusals_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("message");
        const QByteArray good = caseFileText(sample());
        const auto with = [&good](const char* from, const char* to) {
            return QByteArray(good).replace(from, to);
        };
        const QString damaged = QStringLiteral("It is not a Hearthwise case, or it is damaged");
        const QString home = QStringLiteral("Assets, Current Domestic Residence is \"%1\"; it ");
        const QString rate = QStringLiteral("Interest rate and term, Interest Rate is ");
        // clang-format off
        QTest::newRow("truncated") << good.left(good.size() / 2) << 2 << "en_US" << damaged;
        QTest::newRow("empty") << QByteArray(" \n") << 2 << "en_US" << "It is empty.";
        QTest::newRow("another format") << with("hearthwise-case", "spreadsheet") << 2 << "en_US" << "It is not a Hearthwise case.";
        QTest::newRow("a newer version") << with("\"1.0\"", "\"2.0\"") << 2 << "en_US" << "It comes from a newer Hearthwise";
        QTest::newRow("a rate of 100 %") << with("\"percent\": 7.25", "\"percent\": 100") << 4 << "de_DE"
            << rate + QStringLiteral(u"\"100\"; it must be a percentage from 0,00\u00A0% to 99,99\u00A0%.");
        QTest::newRow("a rate that shows as 100 %") << with("\"percent\": 7.25", "\"percent\": 99.999") << 4 << "en_US"
            << rate + "\"99.999\"";
        QTest::newRow("a rate kept as text") << with("\"percent\": 7.25", "\"percent\": \"7.25\"") << 4 << "en_US"
            << rate + "\"7.25\"; it must be a number written without quotes.";
        QTest::newRow("a negative amount") << with("\"350000\"", "\"-5\"") << 2 << "en_US" << home.arg("-5") + "must be an amount of 0 or more.";
        QTest::newRow("a 30-digit number") << with("\"350000\"", "\"123456789012345678901234567890\"") << 2 << "en_US"
            << home.arg("123456789012345678901234567890") + "is too large.";
        QTest::newRow("an amount as a number") << with("\"350000\"", "350000") << 2 << "en_US" << home.arg("350000") + "must be an amount written in quotes";
        QTest::newRow("a fraction of a yen") << good << 0 << "ja_JP" << "Assets, Other is \"1234.5678\"; it must be a whole amount";
        QTest::newRow("a fraction of a cent") << good << 2 << "en_US"
            << "Assets, Other is \"1234.5678\"; it must be an amount with no more than 2 decimals.";
        QTest::newRow("a term under a tenth") << with("\"years\": 20", "\"years\": 0.05") << 4 << "de_DE"
            << "Interest rate and term, Term in Years is \"0.05\"; it must be between 0,1 and 100.";
        QTest::newRow("a compounding not known") << with("\"half-yearly\"", "\"yearly\"") << 4 << "en_US" << "The rate's compounding is \"yearly\"";
        QTest::newRow("a lender country not known") << with("\"ca\"", "\"fr\"") << 4 << "en_US" << "The lender country is \"fr\"";
        QTest::newRow("a lender figure as a number") << with("\"4200\"", "4200") << 4 << "en_US" << "Lender checks, Property Tax a Year is \"4200\"; it must be an amount written in quotes";
        QTest::newRow("an unknown purpose") << with("\"selling-and-buying\"", "\"yacht\"") << 2 << "en_US" << "The purpose is \"yacht\"";
        QTest::newRow("invalid UTF-8") << with("\"selling-and-buying\"", "\"\xff\xfe\"") << 2 << "en_US"
            << damaged + ": invalid UTF8 string.";
        QTest::newRow("50 MB") << QByteArray(50 * 1024 * 1024, ' ') << 2 << "en_US" << "It is too large to be a Hearthwise case.";
        QTest::newRow("not even JSON") << QByteArray("\x89PNG\r\n") << 2 << "en_US" << damaged;
        QTest::newRow("a list where figures belong") << with("\"rate\": {", "\"rate\": [1], \"x\": {") << 4 << "en_US"
            << "Its section \"rate\" is damaged";
        QTest::newRow("figures where a list belongs") << with("\"income\": [", "\"income\": {}, \"x\": [") << 4 << "en_US"
            << "Its section \"income\" is damaged";
        QTest::newRow("a current loan that is a number") << with("\"currentLoan\": {", "\"currentLoan\": 5, \"x\": {") << 4 << "en_US"
            << "Its section \"currentLoan\" is damaged";
        QTest::newRow("no fixed years") << with("\"fixedYears\": 5", "\"fixedYears\": 0") << 4 << "en_US"
            << "The fixed period must be at least a month and shorter than the term. (What If, Years at the entered rate is \"0\".)";
        QTest::newRow("month 0") << with("\"lumpMonth\": 12", "\"lumpMonth\": 0") << 4 << "de_DE"
            << "The month of the lump sum must be a whole month from 1 to 1.200.";
        QTest::newRow("a rise not in quarter points") << with("\"risePoints\": 1.5", "\"risePoints\": 1.3") << 4 << "de_DE"
            << "The rise must be between 0 and 10 percentage points, in steps of 0,25.";
        QTest::newRow("a balance of 1e15") << with("\"balance\": 240000", "\"balance\": 1e15") << 4 << "en_US"
            << "The balance of the current loan is too large.";
        QTest::newRow("no years left") << with("\"yearsLeft\": 24.5", "\"yearsLeft\": 0") << 4 << "en_US"
            << "The years left on the current loan must be between 0.1 and 100.";
        QTest::newRow("a negative extra") << with("\"extraMonthly\": 250.5", "\"extraMonthly\": -1") << 4 << "en_US"
            << "The extra amount each month must be 0 or more.";
        QTest::newRow("an extra a fraction of a cent") << with("\"extraMonthly\": 250.5", "\"extraMonthly\": 250.50505") << 4 << "en_US"
            << "What If, Extra each month is \"250.50505\"; it must be an amount with no more than 4 decimals.";
        // clang-format on
    }
    void refusals() {
        QFETCH(QByteArray, text);
        QFETCH(int, decimals);
        QFETCH(QString, locale);
        QFETCH(QString, message);
        const auto read = readCaseFile(text, decimals, Regional(QLocale(locale)));
        QVERIFY(std::holds_alternative<CaseFileError>(read));
        const QString said = std::get<CaseFileError>(read).what;
        QVERIFY2(said.startsWith(message), qPrintable(said));
    }

    // A What If key left out or null takes the window's start, never 0: the
    // file opens, and what is saved from it opens again the same.
    void whatIfKeysLeftOut_data() {
        QTest::addColumn<QByteArray>("whatIf");
        QTest::newRow("no years left") << QByteArray(R"({"currentLoan": {"balance": 5000}})");
        QTest::newRow("years left null") << QByteArray(R"({"currentLoan": {"yearsLeft": null}})");
        QTest::newRow("no month") << QByteArray(R"({"lumpSum": 100, "lumpMonth": null})");
        QTest::newRow("no settings") << QByteArray("null");
    }
    void whatIfKeysLeftOut() {
        QFETCH(QByteArray, whatIf);
        const QByteArray text =
            R"({"format": "hearthwise-case", "version": "1.0", "whatIf": )" + whatIf + "}";
        const auto read = readCaseFile(text, 2);
        QVERIFY(std::holds_alternative<CaseFileContent>(read));
        const WhatIfSettings& w = std::get<CaseFileContent>(read).whatIf;
        QCOMPARE(w.extra.lumpMonth, 1);
        QVERIFY(!w.current || !w.current->yearsLeft);
        const QByteArray saved = caseFileText(std::get<CaseFileContent>(read));
        const auto again = readCaseFile(saved, 2);
        QVERIFY(std::holds_alternative<CaseFileContent>(again));
        QCOMPARE(caseFileText(std::get<CaseFileContent>(again)), saved);
    }

    // A file that cannot be written whole (here, larger than the process may
    // write, as on a full disk) is not written at all: the old file stays byte
    // for byte and the reason is said. The write is buffered, so only the flush
    // meets the limit.
    void fullDiskKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ours.hearthwise"));
        const QByteArray old = caseFileText(sample());
        QVERIFY(writeWholeFile(path, old));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limit = before;
        limit.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        const WriteOutcome tooLarge = writeWholeFile(path, QByteArray(4096, 'x'));
        setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(!tooLarge);
        QVERIFY2(tooLarge.why.contains(QStringLiteral("large")), qPrintable(tooLarge.why));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // nothing left beside it
    }
};

QTEST_APPLESS_MAIN(CaseFileTest)
#include "tst_casefile.moc"
