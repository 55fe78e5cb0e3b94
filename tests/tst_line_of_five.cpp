#include "spreads/line_of_five.h"
#include "spreads/square_arrangement.h"

#include <QTest>

using namespace tessaly;

namespace {

LineFive lineOf(const QList<int> &cards)
{
    LineFive line{};
    std::copy(cards.begin(), cards.end(), line.begin());
    return line;
}

} // namespace

class tst_LineOfFive : public QObject
{
    Q_OBJECT

private slots:
    void extraCards_data();
    void extraCards();
    void orderStepsWalkTheArrangements();
    void orderIndexSteps_data();
    void orderIndexSteps();
    void typedCardMovesWithItsSlot();
    void copyTextByteForByte();
    void themeLines();
    void squareSaveOrder();
};

void tst_LineOfFive::extraCards_data()
{
    QTest::addColumn<QList<int>>("line");
    QTest::addColumn<QList<int>>("extras");
    QTest::addColumn<int>("expandedResult");
    QTest::addColumn<int>("collapsedResult");
    QTest::newRow("worked line") << QList<int>{30, 10, 5, 36, 1} << QList<int>{4, 15, 5, 1} << 35 << 10;
    QTest::newRow("sums of 36 stay 36")
        << QList<int>{18, 18, 18, 18, 18} << QList<int>{36, 36, 36, 36} << 18 << 18;
    QTest::newRow("empty neighbours give 36")
        << QList<int>{0, 0, 5, 0, 0} << QList<int>{36, 5, 5, 36} << 15 << 5;
    QTest::newRow("all empty") << QList<int>{0, 0, 0, 0, 0} << QList<int>{36, 36, 36, 36} << 36 << 36;
}

void tst_LineOfFive::extraCards()
{
    QFETCH(QList<int>, line);
    QFETCH(QList<int>, extras);
    QFETCH(int, expandedResult);
    QFETCH(int, collapsedResult);
    const ExtraFour counted = CountExtras(lineOf(line));
    QCOMPARE(QList<int>(counted.begin(), counted.end()), extras);
    QCOMPARE(LineResult(lineOf(line), counted, true), expandedResult);
    QCOMPARE(LineResult(lineOf(line), counted, false), collapsedResult);
}

void tst_LineOfFive::orderStepsWalkTheArrangements()
{
    std::array<QString, 5> texts = {"1", "2", "3", "4", "5"};
    const QStringList expected = {"4 2 1 3 5", "2 5 4 1 3", "2 3 4 1 5", "1 3 5 2 4", "1 2 3 4 5"};
    int index = 0;
    for (const QString &arrangement : expected) {
        index = NextLineOrderIndex(index);
        texts = MoveLineTexts(texts, index);
        QCOMPARE(QStringList(texts.begin(), texts.end()).join(u' '), arrangement);
        // The moves and the table of arrangements must tell the same story.
        QStringList shows;
        for (const CardNumber base : LineOrderPermutations[index].shows)
            shows.append(QString::number(base));
        QCOMPARE(shows.join(u' '), arrangement);
        QCOMPARE(LineOrderPermutations[index].caption, QStringLiteral("V%1").arg(index));
    }
    QCOMPARE(LineOrderPermutations[1].hint, QStringLiteral("Volgorde: 1 2 3 4 5"));
    QCOMPARE(LineOrderPermutations[3].hint, QStringLiteral("Volgorde: 2 5 4 1 3 - 9K Kruis"));
    QCOMPARE(LineOrderPermutations[5].hint, QStringLiteral("1 3 5 2 4 - 9K Midden Vert."));
}

void tst_LineOfFive::orderIndexSteps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("next");
    QTest::newRow("after a reset to V2") << 0 << 2;
    QTest::newRow("V1 to V2") << 1 << 2;
    QTest::newRow("V4 to V5") << 4 << 5;
    QTest::newRow("V5 wraps to V1") << 5 << 1;
}

void tst_LineOfFive::orderIndexSteps()
{
    QFETCH(int, index);
    QFETCH(int, next);
    QCOMPARE(NextLineOrderIndex(index), next);
}

void tst_LineOfFive::typedCardMovesWithItsSlot()
{
    // V3 shows 2 5 4 1 3; slot 1 is overwritten with 20 before stepping to V4.
    const std::array<QString, 5> moved = MoveLineTexts({"20", "5", "4", "1", "3"}, 4);
    QCOMPARE(QStringList(moved.begin(), moved.end()), QStringList({"20", "3", "4", "1", "5"}));
}

void tst_LineOfFive::copyTextByteForByte()
{
    const QString text =
        LineCopyText({"01) Ruiter", "--", "03) Schip", "04) Huis", "36) Kruis"},
                     {"Nieuws", "", "Reizen", "Familie", "Last"}, "08) Lijkkist", QDate(2026, 12, 8));
    QCOMPARE(text, QStringLiteral("Mijn Kaartjes voor 8-12-2026: \r\r"
                                  "01) Ruiter - -- - 03) Schip - 04) Huis - 36) Kruis\r"
                                  "Nieuws -  - Reizen - Familie - Last\r"
                                  "\rUitgeteld: 08) Lijkkist\r"
                                  "------------------------------\r"));
}

void tst_LineOfFive::themeLines()
{
    const QStringList lines = ThemeLines({1, 0, 1, 36, 1});
    QCOMPARE(lines.size(), 5);
    QCOMPARE(
        lines[0],
        QStringLiteral(" 1) Liefde : Ruiter = Nieuwe ontmoeting, nieuws van iemand, snelle vooruitgang."));
    QCOMPARE(lines[1], QStringLiteral(" 2) Werk : -- = "));
    QCOMPARE(lines[2], QStringLiteral(" 3) Geld : Ruiter = ") + ThemeText(1, 3));
    // The same card twice: same name, the text of each position's theme.
    QCOMPARE(lines[4], QStringLiteral(" 5) Schaduw : Ruiter = ") + ThemeText(1, 5));
    QVERIFY(ThemeText(1, 3) != ThemeText(1, 5));
    QCOMPARE(lines[3], QStringLiteral(" 4) Spiritueel : Kruis = ") + ThemeText(36, 4));
    QVERIFY(!ThemeText(36, 4).isEmpty());
}

void tst_LineOfFive::squareSaveOrder()
{
    QList<int> order;
    for (int position = 1; position <= 9; ++position)
        order.append(LineSlotAtSquarePosition[position]);
    QCOMPARE(order, QList<int>({6, 4, 7, 1, 2, 3, 8, 5, 9}));
}

QTEST_APPLESS_MAIN(tst_LineOfFive)
#include "tst_line_of_five.moc"
