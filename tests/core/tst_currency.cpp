#include "money/Currency.h"

#include <QTest>
#include <limits>

using hw::Currency;

class CurrencyTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_APPLESS_MAIN(CurrencyTest)
#include "tst_currency.moc"
