#include "literal_duplicates.h"
#include "saved/saved_list.h"

#include <QTest>

using namespace tessaly;

class tst_SavedList : public QObject
{
    Q_OBJECT

private slots:
    void writesExampleLines_data();
    void writesExampleLines();
    void cardFields_data();
    void cardFields();
    void unstorableCharacters_data();
    void unstorableCharacters();
    void readingRules_data();
    void readingRules();
    void cardsOfEntry();
    void remarkSplit_data();
    void remarkSplit();
    void lastEqualLineWins();
    void sortedUniqueIgnoringCase_data();
    void sortedUniqueIgnoringCase();
    void kindFilter();
    void searchIsCaseSensitive();
    void duplicateExample_data();
    void duplicateExample();
    void indexedDuplicatesAgreeWithLiteralRule_data();
    void indexedDuplicatesAgreeWithLiteralRule();
};

void tst_SavedList::writesExampleLines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QString>("line");
    const QString date = QStringLiteral("08.dec.26");
    QTest::newRow("three, default remark")
        << int(SpreadKind::Three) << "Ruiter, Klaverblad, Schip" << QStringList{"01", "02", "03"}
        << "08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03";
    QTest::newRow("five, empty fourth slot")
        << int(SpreadKind::Five) << "vraag over werk" << QStringList{"12", "05", "09", "00", "33"}
        << "08.dec.26 *(vraag over werk) / 12 05 09 00 33";
    QTest::newRow("nine") << int(SpreadKind::Nine) << "9-Kaart"
                          << QStringList{"06", "04", "07", "01", "02", "03", "08", "05", "09"}
                          << "08.dec.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09";
    QTest::newRow("three, empty remark")
        << int(SpreadKind::Three) << "" << QStringList{"01", "02", "03"} << "08.dec.26 (...) / 01 02 03";
}

void tst_SavedList::writesExampleLines()
{
    QFETCH(int, kind);
    QFETCH(QString, remark);
    QFETCH(QStringList, cards);
    QFETCH(QString, line);
    QCOMPARE(EntryLine(QStringLiteral("08.dec.26"), SpreadKind(kind), remark, cards), line);
    QCOMPARE(SpreadKindOf(line), SpreadKind(kind));
    QCOMPARE(EntryCardCount(line), CardCountOf(SpreadKind(kind)));
    if (remark.isEmpty())
        QCOMPARE(DayCardLine(QStringLiteral("08.dec.26"), remark, cards),
                 QStringLiteral("08.dec.26 () [0] 01 02 03"));
}

void tst_SavedList::cardFields_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("field");
    QTest::newRow("empty") << ""
                           << "00";
    QTest::newRow("zero") << "0"
                          << "00";
    QTest::newRow("one digit") << "7"
                               << "07";
    QTest::newRow("two digits") << "23"
                                << "23";
    QTest::newRow("padded already") << "07"
                                    << "07";
}

void tst_SavedList::cardFields()
{
    QFETCH(QString, slot);
    QFETCH(QString, field);
    QCOMPARE(CardField(slot), field);
}

void tst_SavedList::unstorableCharacters_data()
{
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("found");
    QTest::newRow("Windows-1252 letters and signs") << "café — „ja” € ïë"
                                                    << "";
    QTest::newRow("outside Windows-1252") << "liefde \u2665 en \u03A9"
                                          << "\u2665\u03A9";
    QTest::newRow("beyond the first plane, whole") << "ok \U0001F600"
                                                   << "\U0001F600";
    QTest::newRow("line breaks") << "a\r\nb"
                                 << "\u21B5\u21B5";
}

void tst_SavedList::unstorableCharacters()
{
    QFETCH(QString, remark);
    QFETCH(QString, found);
    QCOMPARE(UnstorableCharacters(remark), found);
}

void tst_SavedList::readingRules_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("counted");
    QTest::newRow("three") << "08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03" << int(SpreadKind::Three)
                           << 3 << "26"
                           << " 01 02 03";
    QTest::newRow("five with ' (' in remark")
        << "08.dec.26 *(werk (nieuw)) / 12 05 09 00 33" << int(SpreadKind::Five) << 5 << "26"
        << " 12 05 09 00 33";
    QTest::newRow("nine") << "01.jan.27 #(9-Kaart) / 06 04 07 01 02 03 08 05 09" << int(SpreadKind::Nine) << 9
                          << "27"
                          << " 06 04 07 01 02 03 08 05 09";
    QTest::newRow("hand edited, card missing")
        << "08.dec.26 (x) / 01 02" << int(SpreadKind::Three) << 0 << "26"
        << " 01 02";
    QTest::newRow("no separator") << "08.dec.26 (x) 01 02 03" << int(SpreadKind::Three) << 0 << "26"
                                  << "";
    QTest::newRow("no kind") << "los geschreven regel" << int(SpreadKind::None) << 0 << "ch"
                             << "";
    QTest::newRow("empty") << "" << int(SpreadKind::None) << 0 << ""
                           << "";
    QTest::newRow("short") << "08.de" << int(SpreadKind::None) << 0 << ""
                           << "";
}

void tst_SavedList::readingRules()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QString, year);
    QFETCH(QString, counted);
    QCOMPARE(SpreadKindOf(line), SpreadKind(kind));
    QCOMPARE(EntryCardCount(line), count);
    QCOMPARE(EntryYear(line), year);
    QCOMPARE(CountedPart(line), counted);
}

void tst_SavedList::cardsOfEntry()
{
    const QString part = *CardPart(QStringLiteral("08.dec.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09"));
    QCOMPARE(part, QStringLiteral(" 06 04 07 01 02 03 08 05 09"));
    QCOMPARE(CardAt(part, 1).value_or(-1), 6);
    QCOMPARE(CardAt(part, 9).value_or(-1), 9);
    QCOMPARE(CardAt(QStringLiteral(" 00 05 xy"), 1).value_or(-1), 0);
    // Not numbers: no value, and nothing ends the program.
    QVERIFY(!CardAt(QStringLiteral(" 00 05 xy"), 3));
    QVERIFY(!CardAt(QStringLiteral(" -1 05 07"), 1));
    QVERIFY(!CardAt(QStringLiteral(" 05"), 2));
    QVERIFY(!CardPart(QStringLiteral("geen schuine streep")));
}

void tst_SavedList::remarkSplit_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("tail");
    QTest::newRow("three") << "08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03"
                           << "08.dec.26 ("
                           << "Ruiter, Klaverblad, Schip"
                           << ") / 01 02 03";
    QTest::newRow("five") << "08.dec.26 *(vraag over werk) / 12 05 09 00 33"
                          << "08.dec.26 *("
                          << "vraag over werk"
                          << ") / 12 05 09 00 33";
    QTest::newRow("nine, empty remark") << "08.dec.26 #(...) / 06 04 07 01 02 03 08 05 09"
                                        << "08.dec.26 #("
                                        << "..."
                                        << ") / 06 04 07 01 02 03 08 05 09";
}

void tst_SavedList::remarkSplit()
{
    QFETCH(QString, line);
    QFETCH(QString, head);
    QFETCH(QString, remark);
    QFETCH(QString, tail);
    const std::optional<RemarkParts> parts = RemarkSplit(line);
    QVERIFY(parts);
    QCOMPARE(parts->head, head);
    QCOMPARE(parts->remark, remark);
    QCOMPARE(parts->tail, tail);
    QVERIFY(!RemarkSplit(QStringLiteral("regel zonder soort")));
    QVERIFY(!RemarkSplit(QStringLiteral("08.dec.26 (x)")));
}

void tst_SavedList::lastEqualLineWins()
{
    const QStringList lines = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"),
                               QStringLiteral("c")};
    QCOMPARE(FindFileLine(lines, QStringLiteral("a")), 3);
    QCOMPARE(FindFileLine(lines, QStringLiteral("c")), 4);
    QCOMPARE(FindFileLine(lines, QStringLiteral("x")), 0);
}

void tst_SavedList::kindFilter()
{
    const QStringList lines = {
        QStringLiteral("08.dec.26 (a) / 01 02 03"),
        QStringLiteral("08.dec.26 *(b (c)) / 01 02 03 04 05"),
        QStringLiteral("08.dec.26 #(d) / 01 02 03 04 05 06 07 08 09"),
        QStringLiteral("losse regel"),
    };
    QCOMPARE(FilterByKind(lines, true, true, true), lines);
    QCOMPARE(FilterByKind(lines, false, true, false), QStringList{lines[1]});
    QCOMPARE(FilterByKind(lines, true, false, true), QStringList({lines[0], lines[2]}));
    QCOMPARE(FilterByKind(lines, false, true, true), QStringList({lines[1], lines[2]}));
    QCOMPARE(FilterByKind(lines, false, false, false), QStringList());
}

void tst_SavedList::searchIsCaseSensitive()
{
    const QStringList lines = {QStringLiteral("08.dec.26 (Ruiter, Schip) / 01 03 04"),
                               QStringLiteral("x ruiter")};
    QCOMPARE(SearchLines(lines, QStringLiteral("Ruiter")), QStringList{lines[0]});
    QCOMPARE(SearchLines(lines, QStringLiteral("ruiter")), QStringList{lines[1]});
}

void tst_SavedList::duplicateExample_data()
{
    QTest::addColumn<QString>("secondDate");
    QTest::addColumn<int>("rows");
    QTest::newRow("other dates") << "09.dec.26" << 2;
    QTest::newRow("same date") << "08.dec.26" << 0;
}

void tst_SavedList::duplicateExample()
{
    QFETCH(QString, secondDate);
    QFETCH(int, rows);
    const QStringList lines = {QStringLiteral("08.dec.26 (a) / 01 02 03"),
                               secondDate + QStringLiteral(" *(b) / 07 01 02 03 09")};
    const QStringList found = FindDuplicateTriples(lines);
    QCOMPARE(found.size(), rows);
    if (rows)
        QCOMPARE(found, QStringList({QStringLiteral("01 02 03 - ") + lines[0],
                                     QStringLiteral("01 02 03 - ") + lines[1]}));
    QCOMPARE(found, LiteralDuplicateTriples(lines));
}

void tst_SavedList::indexedDuplicatesAgreeWithLiteralRule_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("small") << 40 << 1u;
    QTest::newRow("mixed 2000") << 2000 << 7u;
    QTest::newRow("mixed 3000") << 3000 << 2026u;
}

void tst_SavedList::indexedDuplicatesAgreeWithLiteralRule()
{
    QFETCH(int, entries);
    QFETCH(quint32, seed);
    const QStringList journal = GeneratedJournal(entries, seed);
    const QStringList indexed = FindDuplicateTriples(journal);
    QVERIFY(!indexed.isEmpty());
    QCOMPARE(indexed, LiteralDuplicateTriples(journal));
}

void tst_SavedList::sortedUniqueIgnoringCase_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("case does not order") << QStringList{"b", "A", "c"} << QStringList{"A", "b", "c"};
    QTest::newRow("the lowest of a case group stays")
        << QStringList{"abc", "ABC", "Abc"} << QStringList{"ABC"};
    QTest::newRow("accents fold too")
        << QStringList{"\u00e9t\u00e9", "\u00c9t\u00e9", "Eten"} << QStringList{"Eten", "\u00c9t\u00e9"};
    QTest::newRow("punctuation before letters")
        << QStringList{"ab", "a.b", "A-b", "a b"} << QStringList{"a b", "A-b", "a.b", "ab"};
    QTest::newRow("longer after its start")
        << QStringList{"Ruiter 2", "ruiter"} << QStringList{"ruiter", "Ruiter 2"};
}

void tst_SavedList::sortedUniqueIgnoringCase()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, sorted);
    QCOMPARE(SortedUniqueIgnoringCase(texts), sorted);
}

QTEST_APPLESS_MAIN(tst_SavedList)
#include "tst_saved_list.moc"
