#include "catalogue/counting.h"

#include <QTest>

using namespace tessaly;

class tst_Counting : public QObject
{
    Q_OBJECT

private slots:
    void countOutValues_data();
    void countOutValues();
    void pyramid_data();
    void pyramid();
    void pyramidNeedsThreeCards();
    void triangleChangesOnlyMagicCard();
};

void tst_Counting::countOutValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("card");
    QTest::newRow("zero gives 36") << 0 << 36;
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("36") << 36 << 36;
    QTest::newRow("37") << 37 << 1;
    QTest::newRow("38") << 38 << 2;
    QTest::newRow("71") << 71 << 35;
    QTest::newRow("72") << 72 << 36;
    QTest::newRow("73") << 73 << 1;
    QTest::newRow("80 is a remainder, not one subtraction") << 80 << 8;
    QTest::newRow("105") << 105 << 33;
    QTest::newRow("108") << 108 << 36;
    QTest::newRow("largest sum, ten cards of 36") << 360 << 36;
}

void tst_Counting::countOutValues()
{
    QFETCH(int, value);
    QFETCH(int, card);
    QCOMPARE(countOut(value), card);
}

void tst_Counting::pyramid_data()
{
    QTest::addColumn<PyramidSlots>("chosen");
    QTest::addColumn<PyramidSlots>("counted");
    QTest::addColumn<int>("magic");
    QTest::addColumn<int>("triangleMagic");
    QTest::newRow("1 2 3") << PyramidSlots{1, 2, 3} << PyramidSlots{1, 2, 3, 6, 3, 5, 9, 8, 14, 22} << 1
                           << 22;
    QTest::newRow("36 36 36") << PyramidSlots{36, 36, 36}
                              << PyramidSlots{36, 36, 36, 36, 36, 36, 36, 36, 36, 36} << 36 << 36;
    // 20+30+35+13+14+29+12+7+5+12 = 177 -> 33; triangle 20+30+35+14+29+7 = 135 -> 27
    QTest::newRow("20 30 35") << PyramidSlots{20, 30, 35}
                              << PyramidSlots{20, 30, 35, 13, 14, 29, 12, 7, 5, 12} << 33 << 27;
}

void tst_Counting::pyramid()
{
    QFETCH(PyramidSlots, chosen);
    QFETCH(PyramidSlots, counted);
    QFETCH(int, magic);
    QFETCH(int, triangleMagic);
    QVERIFY(RecountPyramid(chosen));
    QCOMPARE(chosen, counted);
    QCOMPARE(RecountMagicCard(chosen, false), magic);
    QCOMPARE(RecountMagicCard(chosen, true), triangleMagic);
}

void tst_Counting::pyramidNeedsThreeCards()
{
    PyramidSlots pyramid{1, 0, 3, 9, 9, 9, 9, 9, 9, 9};
    const PyramidSlots before = pyramid;
    QVERIFY(!RecountPyramid(pyramid));
    QCOMPARE(pyramid, before);
    // Slots that never received a card count as 0, and a sum of 0 is 36.
    QCOMPARE(RecountMagicCard(PyramidSlots{}, false), 36);
}

void tst_Counting::triangleChangesOnlyMagicCard()
{
    PyramidSlots pyramid{1, 2, 3};
    RecountPyramid(pyramid);
    const PyramidSlots counted = pyramid;
    QCOMPARE(RecountMagicCard(pyramid, true), countOut(1 + 2 + 3 + 3 + 5 + 8));
    QCOMPARE(pyramid, counted);
}

QTEST_APPLESS_MAIN(tst_Counting)
#include "tst_counting.moc"
