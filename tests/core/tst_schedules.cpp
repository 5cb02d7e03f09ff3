// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsCase.h"
#include "calc/MortgageOptions.h"
#include "calc/Schedules.h"

#include <QTest>
#include <cmath>

using namespace hw;

namespace {
const Regional us{QLocale(QStringLiteral("en_US"))};

OptionsResult withSchedules(qint64 amount, const char* rate, const char* term, double income,
                            double spending) {
    const OptionsInput input = optionsInput(us, double(amount), QString::fromLatin1(rate),
                                            QString::fromLatin1(term), income, spending);
    return calculateOptions(input, Schedules::With);
}

} // namespace

class SchedulesTest : public QObject {
    Q_OBJECT
private slots:
    void workedExampleMonths() {
        const auto result = withSchedules(120000, "6.00%", "10.00", 5000, 3000);
        const auto& endowment = result.types[TableEndowmentType].schedule;
        QCOMPARE(us.currency(*endowment.back().fund), QStringLiteral("$30,987.06"));
        // In month 96 the fund (above) covers the balance left after the repayment,
        // $30,059.29, and pays off what was owed at the start of the month.
        QCOMPARE(us.currency(endowment[94].balance), QStringLiteral("$31,235.36"));
        QCOMPARE(us.currency(endowment.back().principal), QStringLiteral("$31,235.36"));
        const auto& card = result.types[CreditCardManagementType].schedule;
        QCOMPARE(us.currency(card[0].repayment), QStringLiteral("$5,000.00"));
        QCOMPARE(us.currency(card[1].repayment), QStringLiteral("$2,000.00"));
    }

    // The months as shown add up to the row's figures to the cent, every
    // balance follows from the one before, and the months run on from 1 to the
    // row's term (an endowment's with its fund).
    void shownMonthsAddUp_data() {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("term");
        QTest::addColumn<double>("income");
        QTest::addColumn<int>("type");
        for (int type = 0; type < MortgageTypeCount; ++type) {
            QTest::addRow("worked example, type %d", type) << qint64(120000) << "6.00%"
                                                           << "10.00" << 5000.0 << type;
            QTest::addRow("200,000 at 7.5 %% over 25 years, type %d", type)
                << qint64(200000) << "7.50%"
                << "25.00" << 9000.0 << type;
            QTest::addRow("thirty years, type %d", type) << qint64(350000) << "6.50%"
                                                         << "30.00" << 9000.0 << type;
            QTest::addRow("a part month, type %d", type) << qint64(120000) << "6.00%"
                                                         << "10.05" << 9000.0 << type;
        }
    }
    void shownMonthsAddUp() {
        QFETCH(qint64, amount);
        QFETCH(QString, rate);
        QFETCH(QString, term);
        QFETCH(double, income);
        QFETCH(int, type);
        const auto result = withSchedules(amount, qPrintable(rate), qPrintable(term), income, 3000);
        const OptionFigures& figures = result.types[std::size_t(type)];
        QVERIFY(figures.affordable);
        const Currency borrowed = *Currency::fromUnits(amount);
        const auto rows = shownSchedule(type, figures, borrowed);
        QCOMPARE(rows.size(), figures.schedule.size());
        const bool endowment = type == TableEndowmentType || type == InterestOnlyEndowmentType;
        Currency repaid, charged, balance = borrowed;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ShownScheduleRow& row = rows[i];
            // Every month but the last: the repayment is its own figure rounded, so a
            // level repayment is one figure throughout; the balance and interest stay
            // within a cent (and the rounding of the repayment) of the exact ones.
            // The last month carries what the rounding leaves, and its balance is the
            // row's own (a Table over a part month overpays by under a dollar).
            if (i + 1 < rows.size()) {
                QCOMPARE(row.repayment, *Currency::fromDouble(
                                            std::round(figures.schedule[i].repayment * 100) / 100));
                QVERIFY(qAbs(row.balance.toDouble() - figures.schedule[i].balance) < 0.0101);
                QVERIFY(qAbs(row.interest.toDouble() - figures.schedule[i].interest) < 0.0151);
            }
            repaid = *repaid.plus(row.repayment);
            charged = *charged.plus(row.interest);
            if (!endowment)
                QCOMPARE(*row.interest.plus(row.principal), row.repayment);
            balance = *balance.minus(row.principal);
            QCOMPARE(row.balance, balance);
        }
        QCOMPARE(us.currency(repaid), us.currency(figures.totalPaid));
        if (!endowment)
            QCOMPARE(us.currency(charged), us.currency(figures.interest));
        QCOMPARE(us.currency(rows.back().balance), us.currency(figures.finalBalance.value_or(0.0)));
        for (std::size_t i = 0; i < rows.size(); ++i)
            QCOMPARE(figures.schedule[i].month, int(i) + 1);
        QCOMPARE(figures.schedule.back().fund.has_value(), endowment);
        if (figures.years)
            QCOMPARE(double(rows.size()), std::round(*figures.years * 12.0));
    }

    void csv() {
        const auto result = withSchedules(120000, "6.00%", "10.00", 5000, 3000);
        const Currency borrowed = *Currency::fromUnits(120000);
        const QStringList table =
            scheduleCsv(shownSchedule(TableType, result.types[TableType], borrowed)).split("\r\n");
        QCOMPARE(table.size(), 122); // heads, 120 months, and the empty rest after the last
        QCOMPARE(table[0], QStringLiteral("Month,Repayment,Interest,Principal,Balance"));
        QCOMPARE(table[1], QStringLiteral("1,1332.25,600.00,732.25,119267.75"));
        // A level repayment of 1,332.246 shows as 1,332.25 every month; the last month
        // pays what the rounding leaves of "Total Amount Paid", $159,869.52.
        for (int month = 1; month < 120; ++month)
            QVERIFY(table[month].startsWith(QStringLiteral("%1,1332.25,").arg(month)));
        QCOMPARE(table[120], QStringLiteral("120,1331.77,6.15,1325.62,0.00"));
        const QStringList fund =
            scheduleCsv(
                shownSchedule(TableEndowmentType, result.types[TableEndowmentType], borrowed))
                .split("\r\n");
        QCOMPARE(fund[0], QStringLiteral("Month,Repayment,Interest,Principal,Balance,Fund"));
        QVERIFY(fund[96].startsWith(QStringLiteral("96,1600.00,")));
        // A spreadsheet in a decimal-comma region reads ";" between fields and "," decimals.
        const CsvStyle german = regionalCsv(Regional(QLocale(QStringLiteral("de_DE"))));
        const QStringList regional =
            scheduleCsv(shownSchedule(TableType, result.types[TableType], borrowed), german)
                .split("\r\n");
        QCOMPARE(regional[0], QStringLiteral("Month;Repayment;Interest;Principal;Balance"));
        QCOMPARE(regional[1], QStringLiteral("1;1332,25;600,00;732,25;119267,75"));
    }

    // A currency without decimals: the schedule in whole yen that add up, and
    // its CSV without fractions of a yen.
    void wholeYen() {
        const Regional yen{QLocale(QStringLiteral("ja_JP"))};
        const OptionsInput input =
            optionsInput(yen, 200000, QStringLiteral("7.50%"), QStringLiteral("25.00"), 9000, 3000);
        const auto result = calculateOptions(input, Schedules::With);
        const CsvStyle style = regionalCsv(yen);
        QCOMPARE(style.decimals, 0);
        for (int type : {int(TableType), int(ReducingBalanceType), int(CashManagementType)}) {
            const OptionFigures& figures = result.types[std::size_t(type)];
            const auto rows = shownSchedule(type, figures, input.amount, 0);
            Currency repaid;
            for (const ShownScheduleRow& row : rows) {
                for (Currency figure : {row.repayment, row.interest, row.principal, row.balance})
                    QCOMPARE(figure.scaled() % Currency::Scale, 0);
                repaid = *repaid.plus(row.repayment);
            }
            QCOMPARE(yen.currency(repaid), yen.currency(figures.totalPaid));
            const QStringList csv = scheduleCsv(rows, style).split(QStringLiteral("\r\n"));
            QVERIFY2(!csv[1].contains(u'.'), qPrintable(csv[1]));
        }
        QCOMPARE(
            scheduleCsv(shownSchedule(TableType, result.types[TableType], input.amount, 0), style)
                .section(QStringLiteral("\r\n"), 1, 1),
            QStringLiteral("1,1478,1250,228,199772"));
    }

    void balanceSeriesFollowTheSchedules() {
        const auto result = withSchedules(200000, "7.50%", "25.00", 4000, 2500);
        const auto series = balanceSeries(result, *Currency::fromUnits(200000));
        QStringList names;
        for (const BalanceSeries& s : series) {
            names << s.name;
            QCOMPARE(s.points.front(), QPointF(0.0, 200000.0));
            QCOMPARE(s.points.size(), result.types[std::size_t(s.type)].schedule.size() + 1);
        }
        // The three types beyond the budget have no months.
        QCOMPARE(names,
                 QStringList({"Table", "Interest Only", "Revolving Credit with Cash Management",
                              "Revolving Credit with Credit Card Management"}));
        for (int type : {ReducingBalanceType, TableEndowmentType, InterestOnlyEndowmentType})
            QVERIFY(result.types[std::size_t(type)].schedule.empty());
        QCOMPARE(series[0].points.back(), QPointF(25.0, series[0].points.back().y()));
        QVERIFY(std::abs(series[0].points.back().y()) < 0.005);
        QCOMPARE(series[1].points.back().y(), 200000.0); // interest only still owes it all
    }
};

QTEST_APPLESS_MAIN(SchedulesTest)
#include "tst_schedules.moc"
