// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/numbers.h"

#include <QTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void clampInt_data();
    void clampInt();
};

void TestNumbers::clampInt_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 5 << 1.0 << 10.0 << 5;
    QTest::newRow("below") << 0 << 1.0 << 9.0 << 1;
    QTest::newRow("above") << 10 << 1.0 << 9.0 << 9;
    QTest::newRow("on the low edge") << 1 << 1.0 << 9.0 << 1;
    QTest::newRow("on the high edge") << 9 << 1.0 << 9.0 << 9;
    QTest::newRow("low above high gives high") << 5 << 8.0 << 3.0 << 3;
    QTest::newRow("low above high, value below both") << 0 << 8.0 << 3.0 << 3;
    QTest::newRow("negative range") << -100 << -5.0 << -1.0 << -5;
    QTest::newRow("fractional bound rounds") << 0 << 2.5 << 9.0 << 2;
    QTest::newRow("bound beyond 16 bits") << 32767 << 0.0 << 1e9 << 32767;
    QTest::newRow("low bound beyond 16 bits") << -32768 << -1e9 << 0.0 << -32768;
}

void TestNumbers::clampInt() {
    QFETCH(int, value);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, expected);
    QCOMPARE(int(::clampInt(int16_t(value), low, high)), expected);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
