#include "catalogue/catalogue.h"

#include <QTest>

using namespace tessaly;

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void nameForms_data();
    void nameForms();
    void summaryBlanksBelongToEntries();
    void keywordsEndWithPerson();
    void grandTableauPositions();
    void pairIndex_data();
    void pairIndex();
    void pairIndexAgreesWithKeys();
    void pairTextOfFirstPair();
    void themeTextsOfFirstCard();
    void loadersSplitAtCrLf();
};

void tst_Catalogue::nameForms_data()
{
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("want");
    QTest::newRow("title 0") << CardTitle(0) << "--";
    QTest::newRow("title 2") << CardTitle(2) << "02) Klaverblad";
    QTest::newRow("title 36") << CardTitle(36) << "36) Kruis";
    QTest::newRow("name 0") << CardName(0) << "--";
    QTest::newRow("name 31") << CardName(31) << "Zonne";
    QTest::newRow("padded 0") << PaddedNumber(0) << "-";
    QTest::newRow("padded 7") << PaddedNumber(7) << " 07";
    QTest::newRow("two digits 0") << TwoDigitNumber(0) << "-";
    QTest::newRow("two digits 9") << TwoDigitNumber(9) << "09";
    QTest::newRow("out of range gives entry 0") << CardTitle(37) << "--";
    QTest::newRow("description form 2") << DescriptionNames[2] << "Klaverblaadjes";
    QTest::newRow("short pair form 2") << ShortPairNames[2] << "Klavers";
    QTest::newRow("long pair form 2") << LongPairNames[2] << "Klaver";
    QTest::newRow("long pair form 8") << LongPairNames[8] << "Doodskist";
    QTest::newRow("short pair form 22") << ShortPairNames[22] << "Weg";
    QTest::newRow("long pair form 30") << LongPairNames[30] << "Lelies";
}

void tst_Catalogue::nameForms()
{
    QFETCH(QString, got);
    QFETCH(QString, want);
    QCOMPARE(got, want);
}

void tst_Catalogue::summaryBlanksBelongToEntries()
{
    const QList<int> withBlank = {3, 13, 14, 18, 23, 24, 32, 33, 35};
    for (int n = 1; n <= CardCount; ++n)
        QVERIFY2(SummaryKeyword(n).endsWith(u' ') == withBlank.contains(n), qPrintable(SummaryKeyword(n)));
    QCOMPARE(SummaryKeyword(1), QStringLiteral("Nieuws, Bezoek, Ontmoeting, Communicatie, Gesprek"));
}

void tst_Catalogue::keywordsEndWithPerson()
{
    for (int n = 1; n <= CardCount; ++n) {
        for (int k = 1; k < KeywordsPerCard; ++k)
            QVERIFY(!CardKeyword(n, k).startsWith(u'*'));
        QVERIFY(CardKeyword(n, 13).startsWith(u'*'));
    }
    QCOMPARE(CardKeyword(1, 13), QStringLiteral("*Postbode"));
    QCOMPARE(CardKeyword(13, 8), QStringLiteral("Naïviteit"));
    QCOMPARE(CardKeyword(36, 12), QStringLiteral("Inkrimping"));
    QVERIFY(CardKeyword(1, 14).isEmpty());
}

void tst_Catalogue::grandTableauPositions()
{
    QCOMPARE(PositionThemeTitle(0), QStringLiteral("--"));
    QCOMPARE(PositionThemeTitle(1), QStringLiteral("01-Situatie"));
    QCOMPARE(PositionThemeTitle(36), QStringLiteral("36-Verdriet"));
    QCOMPARE(PositionTheme(24), QStringLiteral("Geliefde"));
    QCOMPARE(House(33), QStringLiteral("Onverschillig"));
    QCOMPARE(House(0), QStringLiteral("--"));
}

void tst_Catalogue::pairIndex_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index"); // 0: not found
    QTest::newRow("first") << "01+02" << 1;
    QTest::newRow("end of first card") << "01+36" << 35;
    QTest::newRow("second card") << "02+01" << 36;
    QTest::newRow("lily and lady") << "30+29" << 1044;
    QTest::newRow("tree and star") << "05+16" << 155;
    QTest::newRow("last") << "36+35" << 1260;
    QTest::newRow("card with itself") << "30+30" << 0;
    QTest::newRow("one digit, not padded") << "1+2" << 0;
    QTest::newRow("zero card") << "00+05" << 0;
    QTest::newRow("above 36") << "37+01" << 0;
    QTest::newRow("other separator") << "01-02" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("signs") << "+1+02" << 0;
}

void tst_Catalogue::pairIndex()
{
    QFETCH(QString, key);
    QFETCH(int, index);
    QCOMPARE(PairIndex(key).value_or(0), index);
}

void tst_Catalogue::pairIndexAgreesWithKeys()
{
    // The formula must give exactly what a search of the key table gives.
    const QStringList &keys = PairKeys();
    QCOMPARE(keys.size(), PairCount);
    for (int i = 1; i <= PairCount; ++i) {
        QCOMPARE(PairIndex(keys[i - 1]).value_or(0), i);
        const auto [a, b] = PairCards(i);
        QCOMPARE(PairIndexOf(a, b), i);
    }
    QCOMPARE(keys.first(), QStringLiteral("01+02"));
    QCOMPARE(keys.last(), QStringLiteral("36+35"));
}

void tst_Catalogue::pairTextOfFirstPair()
{
    QCOMPARE(PairText(1), QStringLiteral("Ruiter + Klavers:\r\nGoed nieuws; onverwachte meevaller."));
    QCOMPARE(PairBareText(1), QStringLiteral("Goed nieuws; onverwachte meevaller."));
    QCOMPARE(PairBareText(155), QStringLiteral("Langzaam maar zeker succes; droom of visie groeit."));
    QVERIFY(PairText(1044).startsWith(QStringLiteral("Lelie + Dame:\r\n")));
}

void tst_Catalogue::themeTextsOfFirstCard()
{
    QCOMPARE(ThemeTexts().size(), 180);
    QCOMPARE(ThemeText(1, 1), QStringLiteral("Nieuwe ontmoeting, nieuws van iemand, snelle vooruitgang."));
    QCOMPARE(ThemeText(1, 2), QStringLiteral("Nieuwe opdracht, beweging in projecten, netwerkuitbreiding."));
    QCOMPARE(ThemeText(1, 3), QStringLiteral("Kleine maar snelle inkomsten, geld komt en gaat."));
    QCOMPARE(ThemeText(1, 4), QStringLiteral("Actie nemen op intuïtieve signalen, momentum gebruiken."));
    QCOMPARE(ThemeText(1, 5), QStringLiteral("Ongeduld, impulsiviteit, vluchtgedrag."));
}

void tst_Catalogue::loadersSplitAtCrLf()
{
    const QStringList card = LoadCardText(29);
    QVERIFY(card.size() >= 5);
    QCOMPARE(card.first(), QStringLiteral(" 29. Dame"));
    const QStringList pair = LoadPairText(228);
    QVERIFY(!pair.isEmpty());
    QCOMPARE(pair.first(), QStringLiteral("5 + 16 — Boom + Ster"));
    QCOMPARE(pair.last(), QStringLiteral("---"));
}

QTEST_APPLESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
