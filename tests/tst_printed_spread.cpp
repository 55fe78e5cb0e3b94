#include "print/printed_spread.h"

#include <QTest>

using namespace tessaly;

class tst_PrintedSpread : public QObject
{
    Q_OBJECT

private slots:
    void readingOrder_data();
    void readingOrder();
    void placesAsOnScreen_data();
    void placesAsOnScreen();
    void blocksHoldTheTexts();
    void tableauReadsEachPositionWithItsOwnCard();
    void techniquesReadBeforeThePositions();
    void tableauDate_data();
    void tableauDate();
    void combinationListsShortTextsOnlyWhenMore_data();
    void combinationListsShortTextsOnlyWhenMore();
    void caption_data();
    void caption();
    void origin_data();
    void origin();
    void headerDateAndFileName_data();
    void headerDateAndFileName();
};

namespace {

enum Window { Daily, DailyTriangle, Three, Line, LineExpanded, NineSquare, NinePlus, NineSaltire };

template <size_t N> std::array<SlotView, N> viewsOf(const QList<int> &cards)
{
    std::array<SlotView, N> views;
    for (size_t i = 0; i < N; ++i)
        views[i] = {cards.value(qsizetype(i)), QStringLiteral("k%1").arg(i + 1)};
    return views;
}

PrintedSpread build(Window window, const QList<int> &cards)
{
    switch (window) {
    case Daily:
    case DailyTriangle:
        return DailySpreadPrint(viewsOf<10>(cards), window == DailyTriangle, 1);
    case Three:
        return ThreeCardPrint(viewsOf<3>(cards), 6);
    case Line:
    case LineExpanded:
        return LineOfFivePrint(viewsOf<9>(cards), window == LineExpanded, 18);
    case NineSquare:
        return NineCardPrint(viewsOf<9>(cards), NineLayout::Square, 36);
    case NinePlus:
        return NineCardPrint(viewsOf<9>(cards), NineLayout::Plus, 36);
    case NineSaltire:
        return NineCardPrint(viewsOf<9>(cards), NineLayout::Saltire, 36);
    }
    return {};
}

QStringList headings(const PrintedSpread &spread)
{
    QStringList result;
    for (const ReadingBlock &block : spread.reading)
        result.append(block.heading);
    return result;
}

} // namespace

void tst_PrintedSpread::readingOrder_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("three cards") << int(Three) << QList<int>{1, 2, 3}
                                 << QStringList{"Kaart 1: 01) Ruiter", "Kaart 2: 02) Klaverblad",
                                                "Kaart 3: 03) Schip", "Kaart 1 + 2: Ruiter + Klaverblad",
                                                "Kaart 2 + 3: Klaverblad + Schip"};
    // An empty slot and a card laid twice: no pair with nothing or with itself.
    QTest::newRow("empty slot, card twice")
        << int(Three) << QList<int>{5, 0, 5} << QStringList{"Kaarten 1 en 3: 05) Boom"};
    QTest::newRow("same pair twice") << int(Line) << QList<int>{7, 8, 7, 8, 9}
                                     << QStringList{"Kaarten 1 en 3: 07) Slang",
                                                    "Kaarten 2 en 4: 08) Lijkkist",
                                                    "Kaart 5: 09) Ruiker",
                                                    "Kaarten 1 + 2 en 3 + 4: Slang + Lijkkist",
                                                    "Kaart 2 + 3: Lijkkist + Slang",
                                                    "Kaart 4 + 5: Lijkkist + Ruiker"};
    QTest::newRow("line collapsed keeps its extra cards out")
        << int(Line) << QList<int>{1, 2, 3, 4, 5, 3, 5, 7, 9}
        << QStringList{"Kaart 1: 01) Ruiter",
                       "Kaart 2: 02) Klaverblad",
                       "Kaart 3: 03) Schip",
                       "Kaart 4: 04) Huis",
                       "Kaart 5: 05) Boom",
                       "Kaart 1 + 2: Ruiter + Klaverblad",
                       "Kaart 2 + 3: Klaverblad + Schip",
                       "Kaart 3 + 4: Schip + Huis",
                       "Kaart 4 + 5: Huis + Boom"};
    QTest::newRow("line expanded reads its extra cards after")
        << int(LineExpanded) << QList<int>{1, 2, 3, 4, 5, 10, 11, 12, 13}
        << QStringList{"Kaart 1: 01) Ruiter",
                       "Kaart 2: 02) Klaverblad",
                       "Kaart 3: 03) Schip",
                       "Kaart 4: 04) Huis",
                       "Kaart 5: 05) Boom",
                       "Kaart 6: 10) Zeisen",
                       "Kaart 7: 11) Roede",
                       "Kaart 8: 12) Vogels",
                       "Kaart 9: 13) Kindje",
                       "Kaart 1 + 2: Ruiter + Klaverblad",
                       "Kaart 2 + 3: Klaverblad + Schip",
                       "Kaart 3 + 4: Schip + Huis",
                       "Kaart 4 + 5: Huis + Boom",
                       "Kaart 6 + 7: Zeisen + Roede",
                       "Kaart 7 + 8: Roede + Vogels",
                       "Kaart 8 + 9: Vogels + Kindje"};
    QTest::newRow("nine, plus") << int(NinePlus) << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                << QStringList{
                                       "Kaart 2: 02) Klaverblad",     "Kaart 4: 04) Huis",
                                       "Kaart 5: 05) Boom",           "Kaart 6: 06) Wolken",
                                       "Kaart 8: 08) Lijkkist",       "Kaart 4 + 5: Huis + Boom",
                                       "Kaart 5 + 6: Boom + Wolken",  "Kaart 2 + 5: Klaverblad + Boom",
                                       "Kaart 5 + 8: Boom + Lijkkist"};
    QTest::newRow("nine, saltire") << int(NineSaltire) << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                   << QStringList{"Kaart 1: 01) Ruiter",        "Kaart 3: 03) Schip",
                                                  "Kaart 5: 05) Boom",          "Kaart 7: 07) Slang",
                                                  "Kaart 9: 09) Ruiker",        "Kaart 1 + 5: Ruiter + Boom",
                                                  "Kaart 5 + 9: Boom + Ruiker", "Kaart 3 + 5: Schip + Boom",
                                                  "Kaart 5 + 7: Boom + Slang"};
    QTest::newRow("daily triangle") << int(DailyTriangle) << QList<int>{1, 2, 3, 6, 3, 5, 8, 8, 13, 21}
                                    << QStringList{"Kaart 1: 01) Ruiter",
                                                   "Kaart 2: 02) Klaverblad",
                                                   "Kaarten 3 en 5: 03) Schip",
                                                   "Kaart 6: 05) Boom",
                                                   "Kaart 8: 08) Lijkkist",
                                                   "Kaart 1 + 2: Ruiter + Klaverblad",
                                                   "Kaart 2 + 3: Klaverblad + Schip",
                                                   "Kaart 5 + 6: Schip + Boom"};
    QTest::newRow("daily pyramid") << int(Daily) << QList<int>{1, 2, 3, 6, 3, 5, 8, 8, 13, 21}
                                   << QStringList{"Kaart 1: 01) Ruiter",
                                                  "Kaart 2: 02) Klaverblad",
                                                  "Kaarten 3 en 5: 03) Schip",
                                                  "Kaart 4: 06) Wolken",
                                                  "Kaart 6: 05) Boom",
                                                  "Kaarten 7 en 8: 08) Lijkkist",
                                                  "Kaart 9: 13) Kindje",
                                                  "Kaart 10: 21) Berg",
                                                  "Kaart 1 + 2: Ruiter + Klaverblad",
                                                  "Kaart 2 + 3: Klaverblad + Schip",
                                                  "Kaart 5 + 6: Schip + Boom",
                                                  "Kaart 6 + 7: Boom + Lijkkist",
                                                  "Kaart 8 + 9: Lijkkist + Kindje"};
}

void tst_PrintedSpread::readingOrder()
{
    QFETCH(int, window);
    QFETCH(QList<int>, cards);
    QFETCH(QStringList, expected);
    QCOMPARE(headings(build(Window(window), cards)), expected);
}

void tst_PrintedSpread::placesAsOnScreen_data()
{
    QTest::addColumn<int>("window");
    // card, column, row for each printed card, in order.
    QTest::addColumn<QList<double>>("expected");

    const QList<int> nine = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("triangle") << int(DailyTriangle)
                              << QList<double>{1, 0, 0, 2, 1, 0, 3, 2, 0, 5, 0.5, 1, 6, 1.5, 1, 8, 1, 2};
    QTest::newRow("line expanded") << int(LineExpanded)
                                   << QList<double>{1, 0, 0,   2, 1, 0,   3, 2, 0,   4, 3, 0,   5, 4,
                                                    0, 6, 0.5, 1, 7, 1.5, 1, 8, 2.5, 1, 9, 3.5, 1};
    QTest::newRow("nine plus") << int(NinePlus) << QList<double>{2, 1, 0, 4, 0, 1, 5, 1, 1, 6, 2, 1, 8, 1, 2};
}

void tst_PrintedSpread::placesAsOnScreen()
{
    QFETCH(int, window);
    QFETCH(QList<double>, expected);
    const PrintedSpread spread = build(Window(window), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    QList<double> places;
    for (const PrintedCard &card : spread.cards)
        places << card.card << card.column << card.row;
    QCOMPARE(places, expected);
}

void tst_PrintedSpread::blocksHoldTheTexts()
{
    const PrintedSpread spread = ThreeCardPrint({{{5, "Groei"}, {16, "Vooruitgang"}, {0, QString()}}}, 21);
    QCOMPARE(spread.notes, QStringList{"Uitgeteld: 21) Berg"});
    QCOMPARE(spread.cards[1].title, QStringLiteral("16) Ster"));
    QCOMPARE(spread.cards[1].caption, QStringLiteral("Vooruitgang"));
    QCOMPARE(spread.cards[2].title, QStringLiteral("--"));
    QCOMPARE(spread.reading.size(), 3);

    // The description runs on as one paragraph, without its header line.
    const ReadingBlock &boom = spread.reading[0];
    QVERIFY(boom.lead.isEmpty());
    QCOMPARE(
        boom.paragraphs,
        QStringList{"De boom groeit langzaam, diep geworteld. Hij gaat over gezondheid, welzijn en geduld, "
                    "maar ook over zwakte, kwaaltjes of een impasse. Wie hier de patiënt is, heeft tijd "
                    "nodig om aan te sterken."});

    // The pair: its short text, then the long one without header and closing line.
    const ReadingBlock &pair = spread.reading[2];
    QCOMPARE(pair.heading, QStringLiteral("Kaart 1 + 2: Boom + Ster"));
    QCOMPARE(pair.lead, QStringLiteral("Langzaam maar zeker succes; droom of visie groeit."));
    QCOMPARE(pair.paragraphs.size(), 1);
    QVERIFY2(pair.paragraphs[0].startsWith("Wat je geduldig hebt opgebouwd, krijgt nu richting: "),
             qPrintable(pair.paragraphs[0]));
    QVERIFY(pair.paragraphs[0].endsWith(
        "Houd bij wat er elke maand groeit; de voortgang zien maakt het geduld lichter."));
    QVERIFY(!pair.paragraphs[0].contains(u'\n'));
}

void tst_PrintedSpread::tableauReadsEachPositionWithItsOwnCard()
{
    std::array<CardNumber, 37> positions{};
    positions[6] = 25;
    positions[36] = 36;
    const PrintedSpread spread = TableauPrint(positions);
    QVERIFY(spread.readingOnNewPage);
    QCOMPARE(spread.cards.size(), 36);
    // An empty place is an outline with its theme.
    const PrintedCard &first = spread.cards[0];
    QVERIFY(first.blank);
    QCOMPARE(first.caption, QStringLiteral("01-Situatie"));
    const PrintedCard &last = spread.cards[35];
    QCOMPARE((QList<double>{double(last.card), last.column, last.row}), (QList<double>{36, 5, 4}));
    QCOMPARE(spread.cards[32].column, 2.0);
    QCOMPARE(spread.cards[5].title, QStringLiteral("25) Ring"));

    QCOMPARE(spread.reading.size(), 2);
    QCOMPARE(spread.reading[0].heading, QStringLiteral("Positie 6: Zorgen (huis Verlangen) – 25) Ring"));
    QVERIFY(spread.reading[0].lead.startsWith("Wolken + Ring: "));
    QCOMPARE(spread.reading[0].lead.mid(15), PairBareText(PairIndexOf(6, 25)));
    QCOMPARE(spread.reading[1].heading, QStringLiteral("Positie 36: Verdriet (huis Gezondheid) – 36) Kruis"));
    QCOMPARE(spread.reading[1].lead,
             QStringLiteral("Kruis + Kruis = dubbele energie: Lot, Pijn, Leed, Karma, Geloof, Bepoeving"));
}

void tst_PrintedSpread::techniquesReadBeforeThePositions()
{
    TableauLayout layout{};
    // Seven and 36 have no common divisor: every card once, the Heer on 9.
    for (int p = 1; p <= 36; ++p)
        layout[size_t(p)] = (p * 7) % 36 + 1;
    const TechniquesReading techniques = ReadTechniques(layout, 28, QStringLiteral("08.dec.26"));
    QVERIFY(techniques.sections.size() >= 5);
    const PrintedSpread spread = WithTechniques(TableauPrint(layout), techniques);

    QCOMPARE(spread.reading.size(), 1 + techniques.sections.size() + 36);
    QCOMPARE(spread.reading[0].heading, QStringLiteral("Technieken"));
    QCOMPARE(spread.reading[0].lead,
             QStringLiteral("Grand Tableau 08.dec.26 — significator 28) Heer op positie 9"));
    for (qsizetype i = 0; i < techniques.sections.size(); ++i) {
        const ReadingSection &section = techniques.sections[i];
        const ReadingBlock &block = spread.reading[i + 1];
        QCOMPARE(block.heading, section.heading);
        QCOMPARE(block.paragraphs.size(), section.lines.size());
        for (qsizetype line = 0; line < section.lines.size(); ++line)
            QCOMPARE(block.paragraphs[line], section.lines[line].text);
    }
    QCOMPARE(spread.reading[techniques.sections.size() + 1].heading,
             QStringLiteral("Positie 1: Situatie (huis Plannen) – 08) Lijkkist"));
    // The layout itself does not change.
    QCOMPARE(spread.cards.size(), 36);
    QVERIFY(spread.readingOnNewPage);
}

void tst_PrintedSpread::tableauDate_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QDate>("date");
    QTest::newRow("saved") << "14.sep.26" << QDate(2026, 9, 14);
    QTest::newRow("never saved") << "" << QDate(2026, 12, 8);
    QTest::newRow("random layout") << "00.000.00" << QDate(2026, 12, 8);
}

void tst_PrintedSpread::tableauDate()
{
    QFETCH(QString, saved);
    QFETCH(QDate, date);
    QCOMPARE(TableauDate(saved, QDate(2026, 12, 8)), date);
}

void tst_PrintedSpread::combinationListsShortTextsOnlyWhenMore_data()
{
    QTest::addColumn<QString>("shortTexts");
    QTest::addColumn<bool>("listed");
    QTest::newRow("nothing") << QString() << false;
    QTest::newRow("this pair alone")
        << QStringLiteral("- Boom + Ster:\nLangzaam maar zeker succes; droom of visie groeit.") << false;
    QTest::newRow("two pairs") << QStringLiteral(
                                      "- Boom + Ster:\nLangzaam maar zeker succes; droom of visie groeit.\n"
                                      "- Ster + Boom:\nx")
                               << true;
    QTest::newRow("own notes") << QStringLiteral("mijn notitie") << true;
}

void tst_PrintedSpread::combinationListsShortTextsOnlyWhenMore()
{
    QFETCH(QString, shortTexts);
    QFETCH(bool, listed);
    const PrintedSpread spread = CombinationPrint(5, 16, shortTexts);
    QCOMPARE(spread.kind, QStringLiteral("Combinatie"));
    QStringList expected = {"Kaart A: 05) Boom", "Kaart B: 16) Ster", "Kaart A + B: Boom + Ster"};
    if (listed)
        expected.append("Combinatie Kort en Intuïtief");
    QCOMPARE(headings(spread), expected);
    if (listed)
        QCOMPARE(spread.reading.last().paragraphs, shortTexts.split(u'\n'));
}

void tst_PrintedSpread::caption_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");
    QTest::newRow("keyword shown") << 5 << "Groei"
                                   << "Groei";
    QTest::newRow("title shown") << 5 << "05) Boom"
                                 << "Geduld";
    QTest::newRow("before any change") << 5 << "---"
                                       << "Geduld";
    QTest::newRow("labels hidden") << 5 << ""
                                   << "Geduld";
    QTest::newRow("theme of the centre") << 32 << "[ Werk ]"
                                         << "[ Werk ]";
    QTest::newRow("empty slot") << 0 << "--"
                                << "";
}

void tst_PrintedSpread::caption()
{
    QFETCH(int, card);
    QFETCH(QString, label);
    QFETCH(QString, expected);
    QCOMPARE(CardCaption(card, label, card == 0 ? QString() : QStringLiteral("Geduld")), expected);
}

void tst_PrintedSpread::origin_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("remark");
    const QDate today(2026, 12, 8);
    QTest::newRow("not saved") << false << "14.sep.26 (vraag) / 01 02 03" << today << "";
    QTest::newRow("three cards") << true << "14.sep.26 (vraag over werk) / 01 02 03" << QDate(2026, 9, 14)
                                 << "vraag over werk";
    QTest::newRow("five cards") << true << "02.okt.26 *(werk (nieuw)) / 07 01 02 03 09" << QDate(2026, 10, 2)
                                << "werk (nieuw)";
    QTest::newRow("empty remark") << true << "01.jan.27 #(...) / 01 02 03 04 05 06 07 08 09"
                                  << QDate(2027, 1, 1) << "";
    QTest::newRow("hand-edited date") << true << "14.xyz.26 (vraag) / 01 02 03" << today << "";
    QTest::newRow("nothing saved yet") << true << "" << today << "";
}

void tst_PrintedSpread::origin()
{
    QFETCH(bool, saved);
    QFETCH(QString, line);
    QFETCH(QDate, date);
    QFETCH(QString, remark);
    const SpreadOrigin origin = OriginOf(saved, line, QDate(2026, 12, 8));
    QCOMPARE(origin.date, date);
    QCOMPARE(origin.remark, remark);
}

void tst_PrintedSpread::headerDateAndFileName_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("file");
    QTest::newRow("december") << QDate(2026, 12, 8) << ""
                              << "Tessaly Studie – 3 Kaarten – 8 december 2026"
                              << "3 Kaarten – 8 december 2026"
                              << "/werk/3 Kaarten 2026-12-08.pdf";
    QTest::newRow("march, remark") << QDate(2027, 3, 1) << " vraag over werk "
                                   << "Tessaly Studie – 3 Kaarten – 1 maart 2027 – vraag over werk"
                                   << "3 Kaarten – 1 maart 2027"
                                   << "/werk/3 Kaarten 2027-03-01.pdf";
}

void tst_PrintedSpread::headerDateAndFileName()
{
    QFETCH(QDate, date);
    QFETCH(QString, remark);
    QFETCH(QString, header);
    QFETCH(QString, title);
    QFETCH(QString, file);
    PrintedSpread spread = ThreeCardPrint({}, 36);
    spread.date = date;
    spread.remark = remark;
    QCOMPARE(HeaderLine(spread), header);
    QCOMPARE(ProposedPdfPath(QStringLiteral("/werk"), spread), file);
    QCOMPARE(DocumentTitle(spread), title);
}

QTEST_APPLESS_MAIN(tst_PrintedSpread)
#include "tst_printed_spread.moc"
