#include "spreads/nine_card_orders.h"
#include "spreads/nine_card_spread.h"

#include <QTest>

using namespace tessaly;

namespace {

// Distinct texts "c1".."c9" in slots 1..9, so every move is visible.
NineTexts tagged()
{
    NineTexts texts;
    for (int slot = 1; slot <= 9; ++slot)
        texts[slot] = QStringLiteral("c%1").arg(slot);
    return texts;
}

NineTexts textsOf(std::initializer_list<const char *> cells)
{
    NineTexts texts;
    int slot = 1;
    for (const char *text : cells)
        texts[slot++] = QString::fromLatin1(text);
    return texts;
}

} // namespace

class tst_NineCardOrders : public QObject
{
    Q_OBJECT

private slots:
    void stepHints_data();
    void stepHints();
    void toggleHints_data();
    void toggleHints();
    void crossShowsPositionsOneToFive();
    void fullCycleBringsEveryCardHome_data();
    void fullCycleBringsEveryCardHome();
    void cyclingWraps();
    void squareStepAToB();
    void crossCornersFromDThroughEToF();
    void crossEArrangementSeenInTheSquare();
    void positionLookupsInvert();
    void visibleRings_data();
    void visibleRings();
    void totalCountsShownSlots_data();
    void totalCountsShownSlots();
    void cornersAndMiddles();
};

void tst_NineCardOrders::stepHints_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("square");
    QTest::addColumn<QString>("cross");
    QTest::newRow("A") << 1 << "     A  \r  6-4-7 \r  1-2-3 \r  8-5-9 \r Midden "
                       << "     A  \r  0-4-0 \r  1-2-3 \r  0-5-0 \r Midden ";
    QTest::newRow("B") << 2 << "     B  \r  7-2-8 \r  4-1-5 \r  6-3-9 \r  Kruis "
                       << "     B  \r  0-2-0 \r  4-1-5 \r  0-3-0 \r  Kruis ";
    QTest::newRow("C") << 3 << "     C  \r  6-1-9 \r  2-5-4 \r  7-3-8 \r Cros+ "
                       << "     C  \r  0-1-0 \r  2-5-4 \r  0-3-0 \r Cros+ ";
    QTest::newRow("D") << 4 << "     D  \r  7-3-8 \r  2-1-4 \r  6-5-9 \r Algem. "
                       << "     D  \r  0-3-0 \r  2-1-4 \r  0-5-0 \r Algem. ";
    QTest::newRow("E") << 5 << "     E  \r  6-4-8 \r  2-1-3 \r  9-5-7 \r Morvel "
                       << "     E  \r  0-4-0 \r  2-1-3 \r  0-5-0 \r Morvel ";
    QTest::newRow("F") << 6 << "     F  \r  2-6-3 \r  7-1-8 \r  4-9-5 \r Hoeken "
                       << "     F  \r  2-0-3 \r  0-1-0 \r  4-0-5 \r Penta ";
    QTest::newRow("G") << 7 << "     G  \r  1-6-2 \r  9-5-7 \r  4-8-3 \r Quarts  "
                       << "     G  \r  1-0-2 \r  0-5-0 \r  4-0-3 \r Quarts  ";
    QTest::newRow("H") << 8 << "     H  \r  6-2-7 \r  1-9-3 \r  5-4-8 \r Vesdra. " << QString();
    QTest::newRow("I") << 9 << "     I  \r  6-1-8 \r  7-5-3 \r  2-9-4 \r FengSui " << QString();
    QTest::newRow("J") << 10 << "     J  \r  1-2-3 \r  4-5-6 \r  7-8-9 \r Horizon" << QString();
    QTest::newRow("K") << 11 << "     K  \r  1-4-7 \r  2-5-8 \r  3-6-9 \r Vertica" << QString();
}

void tst_NineCardOrders::stepHints()
{
    QFETCH(int, index);
    QFETCH(QString, square);
    QFETCH(QString, cross);
    QCOMPARE(StepHint(index, false), square);
    QCOMPARE(StepHint(index, true), cross.isEmpty() ? square : cross);
    QCOMPARE(NineCardOrderAt(index).cross.has_value(), !cross.isEmpty());
    QCOMPARE(OrderCaption(index), QStringLiteral("Volgorde ") + QChar(u'A' + index - 1));
}

void tst_NineCardOrders::toggleHints_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("hint");
    QTest::newRow("A") << 1 << "    A   \r  0-4-0 \r  1-2-3 \r  0-5-0 \r Midden ";
    QTest::newRow("B") << 2 << "    B   \r  0-2-0 \r  4-1-5 \r  0-3-0 \r  Kruis ";
    QTest::newRow("C keeps five spaces") << 3 << "     C  \r  0-1-0 \r  2-5-4 \r  0-3-0 \r Cros+ ";
    QTest::newRow("D") << 4 << "    D   \r  0-3-0 \r  2-1-4 \r  0-5-0 \r Algem. ";
    QTest::newRow("E") << 5 << "    E   \r  0-4-0 \r  2-1-3 \r  0-5-0 \r Morvel ";
    QTest::newRow("F") << 6 << "     F  \r  2-0-3 \r  0-1-0 \r  4-0-5 \r Penta ";
    QTest::newRow("G") << 7 << "     G  \r  1-0-2 \r  0-5-0 \r  4-0-3 \r Quarts  ";
}

void tst_NineCardOrders::toggleHints()
{
    QFETCH(int, index);
    QFETCH(QString, hint);
    QCOMPARE(ToggleHint(index, true), std::optional<QString>(hint));
    QCOMPARE(ToggleHint(index, false), std::optional<QString>(StepHint(index, false)));
    for (int beyond = 8; beyond <= NineOrderCount; ++beyond)
        QVERIFY(!ToggleHint(beyond, true));
}

void tst_NineCardOrders::crossShowsPositionsOneToFive()
{
    for (int index = 1; index <= CrossOrderCount; ++index) {
        const NineSlotMap cross = *NineCardOrderAt(index).cross;
        const NineSlotFlags visible = VisibleSlots(true, index);
        for (int slot = 1; slot <= 9; ++slot) {
            QCOMPARE(cross[slot] != 0, visible[slot]);
            if (visible[slot])
                QCOMPARE(cross[slot], NineCardOrderAt(index).square[slot]);
        }
    }
    QCOMPARE(NineCardOrderAt(OrderF).crossLabel, QStringLiteral("Penta"));
    QCOMPARE(NineCardOrderAt(OrderF).label, QStringLiteral("Hoeken"));
}

void tst_NineCardOrders::fullCycleBringsEveryCardHome_data()
{
    QTest::addColumn<bool>("cross");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("steps");
    for (int start = 1; start <= NineOrderCount; ++start)
        QTest::addRow("square from %c", 'A' + start - 1) << false << start << NineOrderCount;
    for (int start = 1; start <= CrossOrderCount; ++start)
        QTest::addRow("cross from %c", 'A' + start - 1) << true << start << CrossOrderCount;
}

void tst_NineCardOrders::fullCycleBringsEveryCardHome()
{
    QFETCH(bool, cross);
    QFETCH(int, start);
    QFETCH(int, steps);
    NineTexts texts = tagged();
    texts[4].clear(); // an empty slot travels like the others
    const NineTexts home = texts;
    int index = start;
    for (int step = 1; step <= steps; ++step) {
        const NineOrderStep next = NextOrder(index, cross, texts);
        // Every card keeps its position number.
        for (int slot = 1; slot <= 9; ++slot)
            QCOMPARE(next.texts[SlotOfPosition(next.index, cross, PositionOfSlot(index, cross, slot))],
                     texts[slot]);
        index = next.index;
        texts = next.texts;
    }
    QCOMPARE(index, start);
    QCOMPARE(texts, home);
}

void tst_NineCardOrders::cyclingWraps()
{
    QCOMPARE(NextOrderIndex(11, false), 1);
    QCOMPARE(NextOrderIndex(7, false), 8);
    QCOMPARE(NextOrderIndex(7, true), 1);
    for (int index = 1; index <= CrossOrderCount; ++index)
        QVERIFY(NextOrderIndex(index, true) <= CrossOrderCount);
    const NineTexts empty;
    QCOMPARE(NextOrder(3, false, empty).texts, empty);
}

void tst_NineCardOrders::squareStepAToB()
{
    const NineOrderStep step = NextOrder(1, false, tagged());
    QCOMPARE(step.index, 2);
    // Slot 4 to 5, 5 to 2, 6 to 8, 2 to 4, 8 to 6, 1 to 7, 3 to 1, 7 to 3, 9 stays.
    QCOMPARE(step.texts, textsOf({"c3", "c5", "c7", "c2", "c4", "c8", "c1", "c6", "c9"}));
}

void tst_NineCardOrders::crossCornersFromDThroughEToF()
{
    // D's hidden corners: positions 7, 8, 6, 9 in slots 1, 3, 7, 9.
    const NineTexts d = textsOf({"p7", "p3", "p8", "p2", "p1", "p4", "p6", "p5", "p9"});
    const NineOrderStep e = NextOrder(4, true, d);
    QCOMPARE(e.index, 5);
    QCOMPARE(e.texts, textsOf({"p8", "p4", "p7", "p2", "p1", "p3", "p6", "p5", "p9"}));
    const NineOrderStep f = NextOrder(5, true, e.texts);
    QCOMPARE(f.index, 6);
    // Exactly where F's square lays each position.
    for (int slot = 1; slot <= 9; ++slot)
        QCOMPARE(f.texts[slot], QStringLiteral("p%1").arg(NineCardOrderAt(OrderF).square[slot]));
}

void tst_NineCardOrders::crossEArrangementSeenInTheSquare()
{
    const std::array<int, 4> corners = {1, 3, 7, 9};
    const std::array<int, 4> crossE = {8, 7, 6, 9};
    const std::array<int, 4> squareE = {6, 8, 9, 7};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(PositionOfSlot(5, true, corners[i]), crossE[i]);
        QCOMPARE(PositionOfSlot(5, false, corners[i]), squareE[i]);
    }
    // Every other order's cross map is its square's.
    for (int index = 1; index <= CrossOrderCount; ++index)
        if (index != 5)
            QCOMPARE(CrossArrangement(index), NineCardOrderAt(index).square);
}

void tst_NineCardOrders::positionLookupsInvert()
{
    for (const bool cross : {false, true}) {
        for (int index = 1; index <= NineOrderCount; ++index) {
            for (int slot = 1; slot <= 9; ++slot)
                QCOMPARE(SlotOfPosition(index, cross, PositionOfSlot(index, cross, slot)), slot);
        }
    }
    // J is the reading order itself; K reads down the columns.
    QCOMPARE(SlotOfPosition(10, false, 4), 4);
    QCOMPARE(SlotOfPosition(11, false, 4), 2);
}

void tst_NineCardOrders::visibleRings_data()
{
    QTest::addColumn<bool>("cross");
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("ring");
    QTest::newRow("square") << false << 6 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("plus") << true << 1 << QList<int>{2, 4, 5, 6, 8};
    QTest::newRow("plus in J") << true << 10 << QList<int>{2, 4, 5, 6, 8};
    QTest::newRow("saltire F") << true << 6 << QList<int>{1, 3, 5, 7, 9};
    QTest::newRow("saltire G") << true << 7 << QList<int>{1, 3, 5, 7, 9};
}

void tst_NineCardOrders::visibleRings()
{
    QFETCH(bool, cross);
    QFETCH(int, index);
    QFETCH(QList<int>, ring);
    const NineSlotFlags visible = VisibleSlots(cross, index);
    for (int slot = 1; slot <= 9; ++slot)
        QCOMPARE(visible[slot], ring.contains(slot));
    for (int i = 0; i < ring.size(); ++i) {
        const int next = ring[(i + 1) % ring.size()];
        QCOMPARE(NextVisibleSlot(ring[i], 1, cross, index), next);
        QCOMPARE(NextVisibleSlot(next, -1, cross, index), ring[i]);
    }
}

void tst_NineCardOrders::totalCountsShownSlots_data()
{
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<bool>("cross");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("total");
    QTest::newRow("empty square") << QList<int>(9, 0) << false << 1 << 36;
    QTest::newRow("72 gives 36") << QList<int>{8, 8, 8, 8, 8, 8, 8, 8, 8} << false << 1 << 36;
    QTest::newRow("square 1..9") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << false << 1 << 9;
    QTest::newRow("plus") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << true << 1 << 25;
    QTest::newRow("plus in H") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << true << 8 << 25;
    QTest::newRow("saltire") << QList<int>{30, 2, 3, 4, 5, 6, 7, 8, 9} << true << 7 << 18;
}

void tst_NineCardOrders::totalCountsShownSlots()
{
    QFETCH(QList<int>, cards);
    QFETCH(bool, cross);
    QFETCH(int, index);
    QFETCH(int, total);
    NineCards nine{};
    std::copy(cards.begin(), cards.end(), nine.begin() + 1);
    QCOMPARE(NineTotal(nine, cross, index), total);
}

void tst_NineCardOrders::cornersAndMiddles()
{
    NineCards plus{};
    plus[2] = 10;
    plus[4] = 20;
    plus[6] = 30;
    plus[8] = 5;
    const auto corners = CountCorners(plus);
    const std::array<int, 4> cornerSlots = {1, 3, 7, 9};
    const std::array<int, 4> cornerCards = {30, 4, 25, 35};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(corners[i].slot, cornerSlots[i]);
        QCOMPARE(corners[i].card, cornerCards[i]);
    }
    NineCards saltire{};
    saltire[3] = 1;
    saltire[9] = 2;
    const auto middles = CountMiddles(saltire);
    const std::array<int, 4> middleSlots = {2, 4, 6, 8};
    // Two empty neighbours give 36.
    const std::array<int, 4> middleCards = {1, 36, 3, 2};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(middles[i].slot, middleSlots[i]);
        QCOMPARE(middles[i].card, middleCards[i]);
    }
}

QTEST_GUILESS_MAIN(tst_NineCardOrders)
#include "tst_nine_card_orders.moc"
