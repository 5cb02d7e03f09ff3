// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"
#include "calc/CaseResults.h"
#include "calc/WhatIf.h"
#include "steps/StepPath.h"

#include <QTest>
#include <functional>

using namespace hw;

namespace {
const Regional us{QLocale(QStringLiteral("en_US"))};

// A case for `purpose`: a home and rental properties owned, a mortgage owed,
// the income and budget a new case starts with and each purpose's required
// figures typed.
MortgageCase typical(int purpose) {
    MortgageCase c;
    c.purpose = purpose;
    c.assets[0] = dollars(400000);
    c.assets[1] = dollars(200000);
    c.liabilities[0] = dollars(120000);
    c.income[0] = {dollars(60000), 15.0};
    c.budget = {dollars(100), dollars(100), dollars(100), dollars(50),
                dollars(50),  dollars(20),  dollars(30)};
    PurposeFigures& own = c.purposes[static_cast<std::size_t>(purpose)];
    own.first = {dollars(300000), dollars(250000), dollars(0), dollars(0), dollars(0)};
    own.second = {dollars(0), dollars(500000), dollars(300000), dollars(0)};
    c.valuationFee = dollars(200);
    c.legalFee = dollars(500);
    c.chargesPercent = 1.0;
    c.ratePercent = 8.0;
    c.termYears = 25.0;
    return c;
}

using Change = std::function<void(MortgageCase&)>;
struct RefusalRow {
    const char* name;
    int purpose;
    Change change;
    int step;
    std::optional<PageField> field;
    QString message;
};
} // namespace

class CaseResultsTest : public QObject {
    Q_OBJECT
private slots:
    // Every check of the pages, as the core meets it on the way to the results:
    // the page it stops on, the field to mend and the page's message; or none.
    void refusals_data() {
        QTest::addColumn<int>("row");
        const QString required = QStringLiteral("Please enter required value.");
        const QString tax = QStringLiteral("Tax rate must be less than 100%.");
        const QString term = QStringLiteral("Term in years must be between 0.1 and 100.");
        const QString bank = QStringLiteral("Bank Charges must be less than 100%.");
        // A purpose page's figure set to `amount`.
        const auto figure = [](int part, int index, double amount) -> Change {
            return [=](MortgageCase& c) {
                figureAt(c.purposes[std::size_t(c.purpose)], {part, index}) = dollars(amount);
            };
        };
        rows_ = {
            // clang-format off
            {"a typical case", 0, [](MortgageCase&) {}, ResultsStep, std::nullopt, {}},
            {"home improvement needs the home", 2, [](MortgageCase& c) { c.assets[0] = {}; }, AssetsStep, PageField{0, 0}, required},
            {"a first home leaves the home out", 0, [](MortgageCase& c) { c.assets[0] = {}; }, ResultsStep, std::nullopt, {}},
            {"first home buyer price", 0, figure(0, 0, 0), 6, PageField{0, 0}, required},
            {"builder's costs", 1, figure(0, 1, 0), 7, PageField{0, 1}, required},
            {"improvements", 2, figure(0, 1, 0), 8, PageField{0, 1}, required},
            {"selling price first", 3, [](MortgageCase& c) { c.purposes[3] = {}; }, 9, PageField{0, 0}, "Please enter Selling Price."},
            {"then the purchase price", 3, figure(1, 1, 0), 9, PageField{1, 1}, "Please enter Purchase Price."},
            {"then the cost to build", 4, figure(1, 2, 0), 10, PageField{1, 2}, "Please enter Cost to build."},
            {"additional purchase", 5, figure(0, 0, 0), 11, PageField{0, 0}, "Please enter Purchase Price."},
            {"additional build", 6, figure(0, 1, 0), 12, PageField{0, 1}, "Please enter Cost to build."},
            {"borrowing nothing", 0, figure(0, 1, 300000), 6, std::nullopt, "The amount you want to borrow must be over $0!"},
            {"refinancing no debts", 7, [](MortgageCase& c) { c.liabilities = {}; }, LiabilitiesStep, std::nullopt, "If you are refinancing your debt must be over $0!"},
            {"other loans need no debts", 8, [](MortgageCase& c) { c.liabilities = {}; }, ResultsStep, std::nullopt, {}},
            {"income before tax rates", 0, [](MortgageCase& c) { c.income[0] = {{}, 150.0}; }, IncomeStep, PageField{0, 0}, "Please enter your income value."},
            {"the first failing rate", 0, [](MortgageCase& c) { c.income[1].taxPercent = 120; c.income[2].taxPercent = 130; }, IncomeStep, PageField{1, 1}, tax},
            {"a tax rate of 99.99", 0, [](MortgageCase& c) { c.income[0].taxPercent = 99.99; }, ResultsStep, std::nullopt, {}},
            {"bank charges of 100 %", 0, [](MortgageCase& c) { c.chargesPercent = 100; }, ChargesStep, PageField{0, 0}, bank},
            {"a fixed amount of all", 0, [](MortgageCase& c) { c.chargesMode = ChargesMode::FixedAmount; c.chargesAmount = dollars(50700); }, ChargesStep, PageField{0, 1}, bank},
            {"rate before term", 0, [](MortgageCase& c) { c.ratePercent = 100; c.termYears = 0; }, RateStep, PageField{0, 0}, "Interest rate must be less than 100%."},
            {"term just under a tenth", 0, [](MortgageCase& c) { c.termYears = 0.09; }, RateStep, PageField{0, 1}, term},
            {"term a tenth", 0, [](MortgageCase& c) { c.termYears = 0.1; }, ResultsStep, std::nullopt, {}},
            {"term a hundred", 0, [](MortgageCase& c) { c.termYears = 100; }, ResultsStep, std::nullopt, {}},
            {"term over a hundred", 0, [](MortgageCase& c) { c.termYears = 100.01; }, RateStep, PageField{0, 1}, term},
            {"nine hundred trillion borrowed", 8, figure(0, 0, 9e14), ResultsStep, std::nullopt, {}},
            {"the largest amount beyond the range with the debts", 8, figure(0, 0, 922337203685477.0), 14, std::nullopt, "This amount is too large."},
            {"assets beyond the range", 2, [](MortgageCase& c) { c.assets.fill(Currency::fromScaled(INT64_MAX / 4)); }, AssetsStep, std::nullopt, "This amount is too large."},
            // clang-format on
        };
        for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
            QTest::newRow(rows_[static_cast<std::size_t>(i)].name) << i;
    }
    void refusals() {
        QFETCH(int, row);
        const RefusalRow& r = rows_[static_cast<std::size_t>(row)];
        MortgageCase c = typical(r.purpose);
        r.change(c);
        const CaseResults results = workOutCase(c, us);
        QCOMPARE(results.reached, r.step);
        QCOMPARE(results.options.has_value(), r.message.isEmpty());
        QCOMPARE(results.refusal.has_value(), !r.message.isEmpty());
        QCOMPARE(QString::fromLatin1(results.refusal ? results.refusal->message : ""), r.message);
        QCOMPARE(results.refusal ? results.refusal->field : std::nullopt, r.field);
        QCOMPARE(results.passed(r.step), false);
    }

    // A refusal names its page and field as a household knows them (the
    // command line's message; its test names another).
    void refusalNamesTheField() {
        MortgageCase c = typical(FirstHomeBuyer);
        c.income[2].taxPercent = 100;
        QCOMPARE(workOutCase(c, us).refusal->describe(),
                 QStringLiteral("Income, Any Other Annual Gross Income, tax rate: Tax rate must be "
                                "less than 100%."));
    }

    // What a purpose page is given on entry (the liabilities' total, and the
    // home's value, the sale's equity exact to the cent, or the properties
    // owned) and what it comes to: its requirement and the property value
    // that secures the loan.
    void carriedFigures_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QString>("debts");
        QTest::addColumn<QString>("carried");
        QTest::addColumn<QString>("requirement");
        QTest::addColumn<QString>("assets");
        QTest::addColumn<float>("propertyValue");
        const QString owned = QStringLiteral("$600,000.00");
        const QString debts = QStringLiteral("$120,000.00");
        // clang-format off
        QTest::newRow("first home buyer owns and owes no home") << 0 << "$0.00" << "" << "$50,000.00" << "$0.00" << 300000.0F;
        QTest::newRow("first home builder") << 1 << "$0.00" << "" << "$550,000.00" << "$0.00" << 550000.0F;
        QTest::newRow("home improvement") << 2 << debts << "$400,000.00" << "$370,000.00" << owned << 650000.0F;
        QTest::newRow("selling and buying") << 3 << debts << "$5,000.10" << "$794,999.90" << owned << 500000.0F;
        QTest::newRow("selling and building") << 4 << debts << "$5,000.10" << "$794,999.90" << owned << 800000.0F;
        QTest::newRow("additional purchase") << 5 << debts << owned << "$420,000.00" << owned << 900000.0F;
        QTest::newRow("additional building") << 6 << debts << owned << "$670,000.00" << owned << 1150000.0F;
        QTest::newRow("refinance") << 7 << debts << owned << "$420,000.00" << owned << 600000.0F;
        QTest::newRow("other loans") << 8 << debts << "" << "$420,000.00" << owned << 300000.0F;
        // clang-format on
    }
    void carriedFigures() {
        QFETCH(int, purpose);
        MortgageCase c = typical(purpose);
        if (purpose == SellingAndBuying || purpose == SellingAndBuilding)
            // Selling at $370,000.10 less $250,000 fees and the $120,000 owed,
            // with $5,000 brought: 32-bit floats would lose the cent.
            c.purposes[static_cast<std::size_t>(purpose)].first = {
                dollars(370000.10), dollars(250000), {}, dollars(5000), {}};
        const CaseResults results = workOutCase(c, us);
        QVERIFY(!results.refusal);
        const PurposeRules& rules = purposeRules(purpose);
        const PurposeFigures& worked = results.worked.purposes[static_cast<std::size_t>(purpose)];
        QTEST(us.currency(figureAt(worked, rules.debts)), "debts");
        QTEST(rules.carried == Carried::Nothing ? QString()
                                                : us.currency(figureAt(worked, rules.carriedInto)),
              "carried");
        QTEST(us.currency(results.purposeTotal), "requirement");
        QTEST(us.currency(results.figures.totalAssets), "assets");
        QTEST(results.figures.propertyValue, "propertyValue");
    }

    // What the What If window starts from: the current loan to refinance is
    // the debts moved (or the amount borrowed), with no costs of switching;
    // the property value is what secures the loan, none for other loans.
    void whatIfStartsFrom_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<double>("balance");
        QTest::addColumn<double>("propertyValue");
        QTest::newRow("first home buyer") << 0 << 51207.0 << 300000.0;
        QTest::newRow("refinance") << 7 << 120000.0 << 600000.0;
        QTest::newRow("other loans") << 8 << 424907.0 << 0.0;
    }
    void whatIfStartsFrom() {
        QFETCH(int, purpose);
        const CaseResults results = workOutCase(typical(purpose), us);
        const CurrentLoan loan = suggestedCurrentLoan(results.worked, results.figures);
        QTEST(loan.balance, "balance");
        QCOMPARE(loan.ratePercent, 8.0);
        QCOMPARE(loan.yearsLeft, 25.0);
        QCOMPARE(loan.costs, 0.0);
        QTEST(securedPropertyValue(results.worked, results.figures), "propertyValue");
    }

private:
    std::vector<RefusalRow> rows_;
};

QTEST_MAIN(CaseResultsTest)
#include "tst_caseresults.moc"
