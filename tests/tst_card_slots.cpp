#include "catalogue/card_slots.h"
#include "tests/support/seeded_random.h"

#include <QTest>

#include <random>

using namespace tessaly;

class tst_CardSlots : public QObject
{
    Q_OBJECT

private slots:
    void readEntry_data();
    void readEntry();
    void redrawGivesOwnKeywordsUniformly();
    void emptySlotTexts();
    void mainLabelModes_data();
    void mainLabelModes();
    void triangleHidesFourLabels();
};

void tst_CardSlots::readEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("zero is no card") << "0" << 0 << false;
    QTest::newRow("7") << "7" << 7 << false;
    QTest::newRow("07") << "07" << 7 << false;
    QTest::newRow("36") << "36" << 36 << false;
    QTest::newRow("37 empties the field") << "37" << 0 << true;
    QTest::newRow("99 empties the field") << "99" << 0 << true;
    QTest::newRow("not a number never throws") << "x1" << 0 << true;
}

void tst_CardSlots::readEntry()
{
    QFETCH(QString, text);
    QFETCH(int, card);
    QFETCH(bool, cleared);
    const CardEntry entry = ReadCardEntryText(text);
    QCOMPARE(entry.card, card);
    QCOMPARE(entry.clearField, cleared);
}

void tst_CardSlots::redrawGivesOwnKeywordsUniformly()
{
    SeededRandom random(2026);
    KeywordChoice current;
    constexpr int Draws = 13000;
    QHash<QString, int> seenForCard1;
    for (int draw = 0; draw < Draws; ++draw) {
        RedrawKeywords(current, random);
        for (int card = 1; card <= CardCount; ++card) {
            bool own = false;
            for (int k = 1; k <= KeywordsPerCard; ++k)
                own = own || current[card] == CardKeyword(card, k);
            QVERIFY2(own, qPrintable(current[card]));
        }
        ++seenForCard1[current[1]];
    }
    QCOMPARE(seenForCard1.size(), KeywordsPerCard);
    QVERIFY(seenForCard1.contains(QStringLiteral("*Postbode")));
    // 1000 expected each; 4.5 standard deviations either side.
    for (const int count : std::as_const(seenForCard1))
        QVERIFY2(count > 860 && count < 1140, qPrintable(QString::number(count)));
}

void tst_CardSlots::emptySlotTexts()
{
    KeywordChoice current;
    current[5] = QStringLiteral("Groei");
    QCOMPARE(SlotTitle(0), QStringLiteral("--"));
    QCOMPARE(SlotKeyword(0, current), QString());
    QCOMPARE(SpreadSlotTexts(LabelMode::Keywords, SlotTitle(0), SlotKeyword(0, current)).label, QString());
    QCOMPARE(SpreadSlotTexts(LabelMode::Titles, SlotTitle(0), SlotKeyword(0, current)).label,
             QStringLiteral("--"));
    const SlotTexts five = SpreadSlotTexts(LabelMode::Keywords, SlotTitle(5), SlotKeyword(5, current));
    QCOMPARE(five.label, QStringLiteral("Groei"));
    QCOMPARE(five.hint, QStringLiteral("05) Boom"));
}

void tst_CardSlots::mainLabelModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("visible");
    QTest::newRow("none") << 0 << "Groei"
                          << "05) Boom" << false;
    QTest::newRow("titles") << 1 << "05) Boom"
                            << "Groei" << true;
    QTest::newRow("keywords") << 2 << "Groei"
                              << "05) Boom" << true;
}

void tst_CardSlots::mainLabelModes()
{
    QFETCH(int, mode);
    QFETCH(QString, label);
    QFETCH(QString, hint);
    QFETCH(bool, visible);
    const auto labelMode = MainLabelMode(mode);
    const SlotTexts texts = MainSlotTexts(labelMode, QStringLiteral("05) Boom"), QStringLiteral("Groei"));
    QCOMPARE(texts.label, label);
    QCOMPARE(texts.hint, hint);
    QCOMPARE(MainLabelVisible(labelMode, 1, false), visible);
}

void tst_CardSlots::triangleHidesFourLabels()
{
    for (int slot = 1; slot <= 10; ++slot) {
        const bool outsideTriangle = slot == 4 || slot == 7 || slot == 9 || slot == 10;
        QCOMPARE(MainLabelVisible(MainLabelMode::Keywords, slot, true), !outsideTriangle);
        QVERIFY(MainLabelVisible(MainLabelMode::Titles, slot, false));
        QVERIFY(!MainLabelVisible(MainLabelMode::None, slot, false));
    }
}

QTEST_APPLESS_MAIN(tst_CardSlots)
#include "tst_card_slots.moc"
