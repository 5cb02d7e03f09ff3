// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Money: exact amounts, and the forms every locale shows and reads them in.

#include "money/Currency.h"
#include "money/Regional.h"

#include <QTest>
#include <limits>

using hw::Currency;
using hw::ParseError;
using hw::Regional;

namespace {
const QString nbsp = QString(QChar(0x00A0));
const QString narrow = QString(QChar(0x202F));
} // namespace

class RegionalTest : public QObject {
    Q_OBJECT
private slots:
    void workingLocaleHasACurrency_data() {
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QString>("working");
        QTest::newRow("C, as with LANG unset") << QLocale::c() << "en_US";
        QTest::newRow("de_DE kept") << QLocale(QStringLiteral("de_DE")) << "de_DE";
        QTest::newRow("en_IN kept") << QLocale(QStringLiteral("en_IN")) << "en_IN";
    }
    void workingLocaleHasACurrency() {
        QFETCH(QLocale, system);
        QFETCH(QString, working);
        const QLocale locale = hw::workingLocale(system);
        QCOMPARE(locale.name(), working);
        QVERIFY(!locale.currencySymbol().isEmpty());
        QVERIFY(hw::Regional(locale).currency(1.0).contains(locale.currencySymbol()));
    }

    void currencyForms_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("scaled");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << "en_US" << qint64(12345000) << "$1,234.50";
        QTest::newRow("en_US negative") << "en_US" << qint64(-12345000) << "($1,234.50)";
        QTest::newRow("en_US zero") << "en_US" << qint64(0) << "$0.00";
        QTest::newRow("en_US half cent up") << "en_US" << qint64(1250) << "$0.13";
        QTest::newRow("en_US below half") << "en_US" << qint64(1249) << "$0.12";
        QTest::newRow("en_US tiny negative is zero") << "en_US" << qint64(-40) << "$0.00";
        QTest::newRow("de_DE") << "de_DE" << qint64(12345000)
                               << "1.234,50" + nbsp + QString::fromUtf8("€");
        QTest::newRow("de_DE negative")
            << "de_DE" << qint64(-12345000) << "-1.234,50" + nbsp + QString::fromUtf8("€");
        QTest::newRow("fr_FR") << "fr_FR" << qint64(12345000)
                               << "1" + narrow + "234,50" + nbsp + QString::fromUtf8("€");
        QTest::newRow("en_US largest")
            << "en_US" << std::numeric_limits<qint64>::max() << "$922,337,203,685,477.58";
    }
    void currencyForms() {
        QFETCH(QString, locale);
        QFETCH(qint64, scaled);
        QFETCH(QString, text);
        const Regional regional{QLocale(locale)};
        QCOMPARE(regional.currency(Currency::fromScaled(scaled)), text);
        // Every form reads back to the cent it shows.
        const auto back = regional.toCurrency(text);
        QVERIFY(back);
        const __int128 wide = scaled;
        const __int128 cents = (wide >= 0 ? wide + 50 : wide - 50) / 100;
        QCOMPARE(back.value.scaled(),
                 static_cast<qint64>(cents * 100 > INT64_MAX ? wide : cents * 100));
    }

    void doubleAmountsRoundFromTheirBinaryValue() {
        const Regional regional{QLocale(QStringLiteral("en_US"))};
        QCOMPARE(regional.currency(2.675), QStringLiteral("$2.67")); // stored as 2.67499999...
        QCOMPARE(regional.currency(216.66666666666666), QStringLiteral("$216.67"));
        QCOMPARE(regional.currency(-0.004), QStringLiteral("$0.00"));
        QCOMPARE(regional.currency(-1500.0), QStringLiteral("($1,500.00)"));
    }

    void percentNumberAndEditingForms_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("editing");
        QTest::newRow("en_US") << "en_US" << 1234.5 << "1,234.50%"
                               << "1,234.50"
                               << "1234.50";
        QTest::newRow("de_DE") << "de_DE" << 1234.5 << "1.234,50" + nbsp + "%"
                               << "1.234,50"
                               << "1234,50";
        QTest::newRow("fr_FR") << "fr_FR" << 12.5 << "12,50" + nbsp + "%"
                               << "12,50"
                               << "12,50";
    }
    void percentNumberAndEditingForms() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, percent);
        QFETCH(QString, number);
        QFETCH(QString, editing);
        const Regional regional{QLocale(locale)};
        QCOMPARE(regional.percent(value / 100.0), percent);
        QCOMPARE(regional.number(value), number);
        QCOMPARE(regional.editing(value), editing);
    }

    void readings_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("error");
        QTest::addColumn<qint64>("scaled");
        const int ok = int(ParseError::None), nan = int(ParseError::NotANumber);
        const int typed = int(Regional::Typed), percent = int(Regional::Percent);
        const struct {
            const char *name, *locale, *text;
            int reading, error;
            qint64 scaled;
        } rows[] = {
            // clang-format off
            {"accounting negative", "en_US", "($1,234.50)", 0, ok, -12345000},
            {"minus before symbol", "en_US", "-$5.00", 0, ok, -50000},
            {"plain", "en_US", "1234.5", 0, ok, 12345000},
            {"design literal", "en_US", "$100000.00", 0, ok, 1000000000},
            {"German amount", "de_DE", "1.234,50 €", 0, ok, 12345000},
            {"German typed with point", "de_DE", "1234.50", typed, ok, 12345000},
            {"German dollar literal", "de_DE", "$200.00", 0, ok, 2000000},
            {"French grouping", "fr_FR", "1 234,50 €", 0, ok, 12345000},
            {"fifth decimal rounds half to even", "en_US", "0.00005", 0, ok, 0},
            {"fifth decimal above half", "en_US", "0.000051", 0, ok, 1},
            {"percent allowed", "en_US", "8.00%", percent, ok, 80000},
            {"percent refused", "en_US", "8.00%", 0, nan, 0},
            {"empty", "en_US", "", 0, nan, 0},
            {"two points German", "de_DE", "1.2.3", 0, nan, 0},
            {"letters", "en_US", "12abc", 0, nan, 0},
            {"bad grouping", "en_US", "1,23,4", 0, nan, 0},
            {"sign twice", "en_US", "(-5)", 0, nan, 0},
            {"beyond range", "en_US", "922337203685478", 0, int(ParseError::OutOfRange), 0},
            // clang-format on
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.locale << QString::fromUtf8(row.text) << row.reading
                                    << row.error << row.scaled;
    }
    void readings() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(int, reading);
        QFETCH(int, error);
        QFETCH(qint64, scaled);
        const Regional regional{QLocale(locale)};
        const auto amount = regional.toCurrency(text, Regional::Reading::fromInt(reading));
        QCOMPARE(int(amount.error), error);
        if (amount)
            QCOMPARE(amount.value.scaled(), scaled);
    }

    // Every locale Qt knows reads back what it shows: amounts (negatives too)
    // to the currency's own decimals, percentages and numbers.
    void everyLocaleReadsBackWhatItShows_data() {
        QTest::addColumn<QLocale>("locale");
        const auto all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                  QLocale::AnyTerritory);
        for (const QLocale& locale : all)
            QTest::newRow(qPrintable(locale.bcp47Name() + u' ' + locale.name())) << locale;
    }
    void everyLocaleReadsBackWhatItShows() {
        QFETCH(QLocale, locale);
        const Regional regional(locale);
        const qint64 amounts[] = {0,
                                  1,
                                  100,
                                  1234500,
                                  99999999,
                                  123456789,
                                  1500000000,
                                  999999999999999,
                                  -1,
                                  -1234500,
                                  -999999999999999};
        std::int64_t unit = 1;
        for (int i = regional.currencyDecimals(); i < 4; ++i)
            unit *= 10;
        for (const qint64 scaled : amounts) {
            const Currency amount = Currency::fromScaled(scaled);
            const QString shown = regional.currency(amount);
            const auto read = regional.toCurrency(shown);
            QVERIFY2(read, qPrintable(shown));
            const qint64 rounded = qint64(amount.magnitudeIn(regional.currencyDecimals())) * unit;
            QVERIFY2(read.value.scaled() == (scaled < 0 ? -rounded : rounded), qPrintable(shown));
            // A field left unchanged reads its own display form the same way.
            const auto typed = regional.toCurrency(shown, Regional::Typed);
            QVERIFY2(typed && typed.value == read.value, qPrintable(shown));
            if (!locale.currencySymbol().isEmpty())
                QVERIFY2(shown.contains(locale.currencySymbol()), qPrintable(shown));
        }
        for (const double value : {0.0, 8.0, 12.5, 99.99, 150.0, 1234567.25}) {
            const QString percent = regional.percent(value / 100.0);
            const auto percentRead = regional.toDouble(percent, Regional::Percent);
            QVERIFY2(percentRead && qAbs(percentRead.value - value) < 1e-9, qPrintable(percent));
            const QString number = regional.number(value);
            const auto numberRead = regional.toDouble(number);
            QVERIFY2(numberRead && qAbs(numberRead.value - value) < 1e-9, qPrintable(number));
            const QString editing = regional.editing(value);
            const auto editingRead = regional.toDouble(editing, Regional::Typed);
            QVERIFY2(editingRead && qAbs(editingRead.value - value) < 1e-9, qPrintable(editing));
        }
    }

    // What a household types into a focused field, where "." may group thousands.
    void typedForms_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("cents");
        const struct {
            const char* locale;
            const char* typed;
            qint64 cents;
        } rows[] = {
            {"de_DE", "650.000", 65000000},
            {"de_DE", "1.234.567", 123456700},
            {"de_DE", "650.000,50", 65000050},
            {"de_DE", "1.5", 150},
            {"de_DE", "0.500", 50},
            {"de_DE", "1234.5678", 123457},
            {"de_CH", "650.000", 65000},
            {"fr_FR", "650.000", 65000000},
            {"fr_FR", "650000,5", 65000050},
            {"it_IT", "1.234.567,89", 123456789},
            {"pt_BR", "12,5", 1250},
            {"en_IN", "1,50,000.00", 15000000},
            {"en_IN", "1.5", 150},
            {"en_IN", "12,00,000", 120000000},
        };
        for (const auto& row : rows)
            QTest::addRow("%s %s", row.locale, row.typed) << row.locale << row.typed << row.cents;
    }
    void typedForms() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(qint64, cents);
        const Regional regional{QLocale(locale)};
        const auto read = regional.toCurrency(typed, Regional::Typed);
        QVERIFY(read);
        QCOMPARE(qint64(read.value.magnitudeIn(2)), cents);
        // "1.2.3" is never a number.
        QVERIFY(!regional.toCurrency(QStringLiteral("1.2.3"), Regional::Typed));
    }

    void singlePrecisionReading() {
        const Regional regional{QLocale(QStringLiteral("en_US"))};
        QCOMPARE(regional.toFloat(QStringLiteral("$100,700.00")).value, 100700.0F);
        QCOMPARE(regional.toFloat(QStringLiteral("0.1")).value, 0.1F);
        QVERIFY(!regional.toFloat(QStringLiteral("1e40")));
        QCOMPARE(int(regional.toFloat(QString(400, QChar(u'9'))).error),
                 int(ParseError::OutOfRange));
    }

    void fromDoubleRoundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("scaled");
        QTest::newRow("whole") << 1234.5 << qint64(12345000);
        QTest::newRow("half down to even") << 0.00005 << qint64(0);
        QTest::newRow("half up to even") << 0.00035 << qint64(4);
        QTest::newRow("half stays even") << 0.00045 << qint64(4);
        QTest::newRow("negative half") << -0.00025 << qint64(-2);
        QTest::newRow("cent") << 0.01 << qint64(100);
        QTest::newRow("large") << 900000000000000.0 << qint64(9000000000000000000);
    }
    void fromDoubleRoundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(qint64, scaled);
        const auto c = Currency::fromDouble(value);
        QVERIFY(c);
        QCOMPARE(c->scaled(), scaled);
    }

    void fromDoubleRefusesWhatDoesNotFit_data() {
        QTest::addColumn<double>("value");
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("above range") << 1e15;
        QTest::newRow("below range") << -1e15;
    }
    void fromDoubleRefusesWhatDoesNotFit() {
        QFETCH(double, value);
        QVERIFY(!Currency::fromDouble(value));
    }

    void sumsAreExact() {
        const Currency a = Currency::fromScaled(1000); // 0.10
        const Currency b = Currency::fromScaled(2000); // 0.20
        const Currency amounts[] = {a, b};
        QCOMPARE(hw::sum(amounts)->scaled(), 3000);
        QCOMPARE(a.minus(b)->scaled(), -1000);
        QCOMPARE(a.times(26)->scaled(), 26000);
    }

    void overflowIsReported() {
        const Currency top = Currency::fromScaled(std::numeric_limits<std::int64_t>::max());
        const Currency bottom = Currency::fromScaled(std::numeric_limits<std::int64_t>::min());
        QVERIFY(!top.plus(Currency::fromScaled(1)));
        QVERIFY(!bottom.minus(Currency::fromScaled(1)));
        QVERIFY(!top.times(2));
        QVERIFY(!Currency::fromUnits(std::numeric_limits<std::int64_t>::max() / 1000));
        const Currency many[] = {top, top};
        QVERIFY(!hw::sum(many));
    }
};

QTEST_APPLESS_MAIN(RegionalTest)
#include "tst_regional.moc"
