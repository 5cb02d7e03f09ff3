// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps/ClosingFrames.h"
#include "steps/StepPath.h"

#include <QTest>

class StepPathTest : public QObject {
    Q_OBJECT
private slots:
    // Forward along the path of every purpose, then back the same way.
    void pathOfEveryPurpose() {
        for (int purpose = 0; purpose < hw::PurposeCount; ++purpose) {
            const std::vector<int> path = {0, 1, 2, 3, 4, 5, 6 + purpose, 15, 16, 17, 18};
            for (std::size_t i = 0; i + 1 < path.size(); ++i) {
                QCOMPARE(hw::nextStep(path[i], purpose), path[i + 1]);
                QCOMPARE(hw::previousStep(path[i + 1], purpose), path[i]);
            }
            // Each step's place on the path, and another purpose's page is off it.
            for (std::size_t i = 0; i < path.size(); ++i) {
                const auto where = hw::placeOnPath(path[i], purpose);
                QCOMPARE(where.place, int(i) + 1);
                QCOMPARE(where.count, int(path.size()));
            }
            QCOMPARE(hw::placeOnPath(6 + (purpose + 1) % hw::PurposeCount, purpose).place, 0);
        }
    }

    void collapseFrames_data() {
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("6000 high") << 6000.0 << 300 << 23 << 6000 << 500;
        QTest::newRow("exactly the limit") << 300.0 << 300 << 1 << 300 << 300;
        QTest::newRow("already low") << 299.0 << 300 << 0 << 0 << 0;
        QTest::newRow("narrow") << 1999.0 << 2000 << 0 << 0 << 0;
        QTest::newRow("rounded size") << 2500.4 << 2000 << 3 << 2500 << 2000;
    }
    void collapseFrames() {
        QFETCH(double, size);
        QFETCH(int, limit);
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(int, last);
        const auto frames = hw::collapseFrames(size, limit);
        QCOMPARE(int(frames.size()), count);
        if (count > 0) {
            QCOMPARE(frames.front(), first);
            QCOMPARE(frames.back(), last);
        }
    }
};

QTEST_APPLESS_MAIN(StepPathTest)
#include "tst_steppath.moc"
