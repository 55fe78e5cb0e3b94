#include "spreads/three_card_spread.h"
#include "tests/support/seeded_random.h"

#include <QSet>
#include <QTest>

#include <random>

using namespace tessaly;

namespace {

// Gives the listed cards in turn.
class ListedCards : public RandomSource
{
public:
    explicit ListedCards(QList<int> cards)
        : m_cards(std::move(cards))
    {
    }
    int below(int) override { return m_cards.takeFirst() - 1; }
    qsizetype left() const { return m_cards.size(); }

private:
    QList<int> m_cards;
};

} // namespace

class tst_ThreeCardSpread : public QObject
{
    Q_OBJECT

private slots:
    void outerCardsKeepTheRule_data();
    void outerCardsKeepTheRule();
    void outerCardsRedrawUntilDifferent_data();
    void outerCardsRedrawUntilDifferent();
    void copyTextByteForByte();
    void saveValues_data();
    void saveValues();
};

void tst_ThreeCardSpread::outerCardsKeepTheRule_data()
{
    QTest::addColumn<int>("middle");
    QTest::addColumn<QList<int>>("neverFirst");
    QTest::newRow("18") << 18 << QList<int>{9, 18, 27, 36};
    QTest::newRow("empty middle") << 0 << QList<int>{18, 36};
    QTest::newRow("1") << 1 << QList<int>{1, 36};
    QTest::newRow("5") << 5 << QList<int>{5, 36};
    QTest::newRow("20") << 20 << QList<int>{20, 36, 10, 28};
    QTest::newRow("36") << 36 << QList<int>{18, 36};
}

void tst_ThreeCardSpread::outerCardsKeepTheRule()
{
    QFETCH(int, middle);
    QFETCH(QList<int>, neverFirst);
    QSet<int> firsts;
    for (quint32 seed = 0; seed < 2000; ++seed) {
        SeededRandom random(seed);
        const auto [b, c] = DrawOuterCards(middle, random);
        QVERIFY2(b + c == middle || b + c == middle + 36, qPrintable(QStringLiteral("%1 %2").arg(b).arg(c)));
        QVERIFY(b != c && b != middle && c != middle);
        QVERIFY(b >= 1 && b <= 36);
        QVERIFY(c >= 1 && c <= 35);
        firsts.insert(b);
    }
    // Every other first card does come up.
    QCOMPARE(firsts.size(), 36 - neverFirst.size());
    for (const int never : neverFirst)
        QVERIFY(!firsts.contains(never));
}

void tst_ThreeCardSpread::outerCardsRedrawUntilDifferent_data()
{
    QTest::addColumn<int>("middle");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("third");
    QTest::newRow("18: 20 gives 34") << 18 << QList<int>{20} << 20 << 34;
    QTest::newRow("18: 5 gives 13") << 18 << QList<int>{5} << 5 << 13;
    QTest::newRow("18: 9, 18, 27, 36 refused") << 18 << QList<int>{9, 18, 27, 36, 1} << 1 << 17;
    QTest::newRow("empty: 18 refused") << 0 << QList<int>{18, 36, 10} << 10 << 26;
}

void tst_ThreeCardSpread::outerCardsRedrawUntilDifferent()
{
    QFETCH(int, middle);
    QFETCH(QList<int>, draws);
    QFETCH(int, first);
    QFETCH(int, third);
    ListedCards random(draws);
    const OuterCards outer = DrawOuterCards(middle, random);
    QCOMPARE(outer.first, first);
    QCOMPARE(outer.third, third);
    QCOMPARE(random.left(), 0);
}

void tst_ThreeCardSpread::copyTextByteForByte()
{
    const QString text = ThreeCardCopyText({1, 2, 3}, {"Nieuws", "Kansen", "Reizen"},
                                           QStringLiteral("06) Wolken"), QDate(2026, 12, 8));
    QCOMPARE(text, QStringLiteral("Mijn Dagkaartjes voor 8-12-2026: \r\r"
                                  "01) Ruiter - 02) Klaverblad - 03) Schip\r"
                                  "Nieuws - Kansen - Reizen\r"
                                  "\rUitgeteld: 06) Wolken\r"
                                  "------------------------------\r"));
    QVERIFY(!text.contains(u'\n'));
}

void tst_ThreeCardSpread::saveValues_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QStringList>("cards");
    QTest::newRow("empty middle") << QStringList{"7", "", "12"} << "Slang, --, Vogels"
                                  << QStringList{"07", "00", "12"};
    QTest::newRow("zero and two digits")
        << QStringList{"0", "36", "5"} << "--, Kruis, Boom" << QStringList{"00", "36", "05"};
}

void tst_ThreeCardSpread::saveValues()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, remark);
    QFETCH(QStringList, cards);
    const ThreeCardSave save = ThreeCardSaveValues({fields[0], fields[1], fields[2]});
    QCOMPARE(save.remark, remark);
    QCOMPARE(QStringList(save.cards.begin(), save.cards.end()), cards);
}

QTEST_GUILESS_MAIN(tst_ThreeCardSpread)
#include "tst_three_card_spread.moc"
