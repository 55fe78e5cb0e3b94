#include "saved/card_analysis.h"
#include "saved/entry_check.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace tessaly;

using CountList = QList<QPair<int, int>>; // card, count; every other card 0

class tst_CardAnalysis : public QObject
{
    Q_OBJECT

private slots:
    void countCards_data();
    void countCards();
    void rowsInEachView_data();
    void rowsInEachView();
    void rowOrderIsTheSortedRowText();
    void largeCountsKeepTheOrder();
    void selectedCardOfRow_data();
    void selectedCardOfRow();
    void years();
    void selectEntries_data();
    void selectEntries();
    void selectionLabel();
    void entryCards_data();
    void entryCards();
    void lineGrammar_data();
    void lineGrammar();
};

void tst_CardAnalysis::countCards_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("entries");
    QTest::addColumn<CountList>("counts");
    QTest::newRow("a card counts once per entry")
        << QStringList{"08.dec.26 (a) / 05 05 12"} << QString() << 1 << CountList{{5, 1}, {12, 1}};
    QTest::newRow("numbers in the remark and date never count")
        << QStringList{"07.dec.26 (vraag 07 en 08) / 01 02 03"} << QString() << 1
        << CountList{{1, 1}, {2, 1}, {3, 1}};
    QTest::newRow("every kind counts, nine cards each")
        << QStringList{"08.dec.26 (a) / 01 02 03", "08.dec.26 *(b) / 01 04 05 06 07",
                       "08.dec.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09"}
        << QString() << 3
        << CountList{{1, 3}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 1}, {9, 1}};
    QTest::newRow("empty slots, numbers above 36 and broken lines count nothing")
        << QStringList{"08.dec.26 (a) / 00 37 99", "losse regel 05", "08.dec.26 (a) 05"} << QString() << 3
        << CountList{};
    QTest::newRow("the count starts after the first ') /'")
        << QStringList{"08.dec.26 (a / 11) / 01 02 03", "08.dec.26 (a) / 21) / 22"} << QString() << 2
        << CountList{{1, 1}, {2, 1}, {3, 1}, {21, 1}, {22, 1}};
    const QStringList years = {"01.jan.21 (a) / 05 06 07", "02.feb.21 *(b) / 15 16 17 18 19",
                               "03.mrt.26 (c) / 05 06 07", "04.apr.20 (d) / 05 06 07"};
    QTest::newRow("year 21 counts its entries only")
        << years << QStringLiteral("21") << 2
        << CountList{{5, 1}, {6, 1}, {7, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}};
    QTest::newRow("a one-character year matches nothing") << years << QStringLiteral("1") << 0 << CountList{};
    QTest::newRow("an empty file") << QStringList{} << QString() << 0 << CountList{};
}

void tst_CardAnalysis::countCards()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, year);
    QFETCH(int, entries);
    QFETCH(CountList, counts);
    const CardCounts found = CountCards(lines, year);
    QCOMPARE(found.entries, entries);
    std::array<int, CardCount + 1> expected{};
    for (const auto &[card, count] : counts)
        expected[card] = count;
    for (int card = 1; card <= CardCount; ++card)
        QVERIFY2(found.perCard[card] == expected[card], qPrintable(QStringLiteral("card %1").arg(card)));
}

namespace {

CardCounts someCounts()
{
    CardCounts counts;
    counts.perCard[1] = 12;
    counts.perCard[2] = 3;
    counts.perCard[3] = 3;
    return counts;
}

QStringList texts(const QList<AnalysisRow> &rows)
{
    QStringList result;
    for (const AnalysisRow &row : rows)
        result.append(row.text);
    return result;
}

} // namespace

void tst_CardAnalysis::rowsInEachView_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("last");
    QTest::newRow("Standaard: by count, then name")
        << int(AnalysisView::Standard) << QStringList{"  0 x Anker", "  0 x Beer", "  0 x Berg"}
        << QStringList{"  3 x Klaverblad", "  3 x Schip", " 12 x Ruiter"};
    QTest::newRow("Toon Kaartnummers: by count, then number")
        << int(AnalysisView::Numbered) << QStringList{"  0 x 04) Huis", "  0 x 05) Boom", "  0 x 06) Wolken"}
        << QStringList{"  3 x 02) Klaverblad", "  3 x 03) Schip", " 12 x 01) Ruiter"};
    QTest::newRow("Sorteer Kaartnummer: by number")
        << int(AnalysisView::ByNumber)
        << QStringList{"01) Ruiter x  12", "02) Klaverblad x   3", "03) Schip x   3"}
        << QStringList{"34) Vissen x   0", "35) Anker x   0", "36) Kruis x   0"};
}

void tst_CardAnalysis::rowsInEachView()
{
    QFETCH(int, view);
    QFETCH(QStringList, first);
    QFETCH(QStringList, last);
    const QList<AnalysisRow> rows = AnalysisRows(someCounts(), AnalysisView(view));
    QCOMPARE(rows.size(), CardCount);
    const QStringList shown = texts(rows);
    QCOMPARE(shown.mid(0, 3), first);
    QCOMPARE(shown.mid(CardCount - 3), last);
    // Each row knows its card.
    for (const AnalysisRow &row : rows)
        QVERIFY(row.text.contains(CardNames[row.card]));
}

void tst_CardAnalysis::rowOrderIsTheSortedRowText()
{
    // Below a thousand the order is that of a list kept in case-insensitive
    // alphabetical order, as the rows have always been shown.
    QRandomGenerator random(7);
    for (int round = 0; round < 50; ++round) {
        CardCounts counts;
        for (int card = 1; card <= CardCount; ++card)
            counts.perCard[card] = random.bounded(round % 2 ? 12 : 1000);
        for (AnalysisView view : {AnalysisView::Standard, AnalysisView::Numbered, AnalysisView::ByNumber}) {
            const QStringList shown = texts(AnalysisRows(counts, view));
            QStringList sorted = shown;
            std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            QCOMPARE(shown, sorted);
        }
    }
}

void tst_CardAnalysis::largeCountsKeepTheOrder()
{
    CardCounts counts;
    for (int card = 1; card <= CardCount; ++card)
        counts.perCard[card] = 900 + card * 10; // 910 .. 1260
    const QStringList shown = texts(AnalysisRows(counts, AnalysisView::Standard));
    QCOMPARE(shown.first(), QStringLiteral(" 910 x Ruiter"));
    QCOMPARE(shown.last(), QStringLiteral("1260 x Kruis"));
    QCOMPARE(texts(AnalysisRows(counts, AnalysisView::ByNumber)).first(),
             QStringLiteral("01) Ruiter x  910"));
}

void tst_CardAnalysis::selectedCardOfRow_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("number"); // empty: no card
    QTest::addColumn<QString>("text");
    QTest::newRow("Standaard") << int(AnalysisView::Standard) << "  3 x Ruiter" << 20 << "01"
                               << "1) Ruiter";
    QTest::newRow("Standaard, two digits") << int(AnalysisView::Standard) << " 12 x Vosje" << 0 << "14"
                                           << "14) Vosje";
    QTest::newRow("Toon Kaartnummers") << int(AnalysisView::Numbered) << "1260 x 01) Ruiter" << 5 << "01"
                                       << "1) Ruiter";
    QTest::newRow("Sorteer Kaartnummer by position")
        << int(AnalysisView::ByNumber) << "01) Ruiter x   3" << 0 << "01"
        << "01) Ruiter";
    QTest::newRow("Sorteer Kaartnummer, last")
        << int(AnalysisView::ByNumber) << "36) Kruis x   3" << 35 << "36"
        << "36) Kruis";
    QTest::newRow("not a card name") << int(AnalysisView::Standard) << "  3 x Paard" << 0 << ""
                                     << "";
}

void tst_CardAnalysis::selectedCardOfRow()
{
    QFETCH(int, view);
    QFETCH(QString, row);
    QFETCH(int, position);
    QFETCH(QString, number);
    QFETCH(QString, text);
    const std::optional<SelectedCard> card = SelectedCardOfRow(AnalysisView(view), row, position);
    QCOMPARE(card.has_value(), !number.isEmpty());
    if (card) {
        QCOMPARE(card->number, number);
        QCOMPARE(card->text, text);
    }
}

void tst_CardAnalysis::years()
{
    QCOMPARE(YearFromInput(QStringLiteral("2021")), QStringLiteral("21"));
    QCOMPARE(YearFromInput(QStringLiteral("9")), QStringLiteral("9"));
    QCOMPARE(YearFromInput(QStringLiteral(" 21 ")), QStringLiteral("21"));
    QCOMPARE(StepYear(QStringLiteral("10"), -1), std::optional<QString>(QStringLiteral("09")));
    QCOMPARE(StepYear(QStringLiteral("09"), 1), std::optional<QString>(QStringLiteral("10")));
    QCOMPARE(StepYear(QStringLiteral("9"), 1), std::optional<QString>(QStringLiteral("10")));
    QCOMPARE(StepYear(QStringLiteral("00"), -1), std::nullopt);
    QCOMPARE(StepYear(QStringLiteral("99"), 1), std::nullopt);
    for (const char *notANumber : {"ab", "", "-1", " 9", "1x"})
        QCOMPARE(StepYear(QString::fromLatin1(notANumber), 1), std::nullopt);
}

void tst_CardAnalysis::selectEntries_data()
{
    const QStringList lines = {
        "01.jan.21 (a) / 05 06 07",
        "02.feb.21 *(b) / 15 16 17 18 19",
        "03.mrt.26 (c) / 05 06 07",
        "04.apr.21 (over 05) / 01 02 03",
        "05.mei.21 #(9-Kaart) / 05 01 02 03 04 05 06 07 08",
        "geen scheiding 05",
        "06.jun.21 (d) / 33 34 05",
    };
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("card 05 in year 21, not 15, not the remark")
        << lines << "05"
        << "21" << QStringList{lines[0], lines[4], lines[6]};
    QTest::newRow("card 05 in all years") << lines << "05"
                                          << "" << QStringList{lines[0], lines[2], lines[4], lines[6]};
    QTest::newRow("nothing in year 20") << lines << "05"
                                        << "20" << QStringList{};
}

void tst_CardAnalysis::selectEntries()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, card);
    QFETCH(QString, year);
    QFETCH(QStringList, listed);
    QCOMPARE(SelectEntries(lines, card, year), listed);
}

void tst_CardAnalysis::selectionLabel()
{
    QCOMPARE(SelectionLabel(QString(), QStringLiteral("1) Ruiter")),
             QStringLiteral("Selectie kaart: 1) Ruiter"));
    QCOMPARE(SelectionLabel(QStringLiteral("21"), QStringLiteral("01) Ruiter")),
             QStringLiteral("Selectie 2021 kaart: 01) Ruiter"));
}

void tst_CardAnalysis::entryCards_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<int>>("cards"); // empty: cannot be opened
    QTest::newRow("three") << "08.dec.26 (a) / 01 02 03" << QList<int>{1, 2, 3};
    QTest::newRow("five with an empty slot")
        << "08.dec.26 *(a) / 12 05 09 00 33" << QList<int>{12, 5, 9, 0, 33};
    QTest::newRow("nine") << "08.dec.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09"
                          << QList<int>{6, 4, 7, 1, 2, 3, 8, 5, 9};
    QTest::newRow("a field that is not a number") << "08.dec.26 (a) / 01 xx 03" << QList<int>{};
    QTest::newRow("four cards") << "08.dec.26 (a) / 01 02 03 04" << QList<int>{};
    QTest::newRow("no separator") << "Geen Matches gevonden..." << QList<int>{};
}

void tst_CardAnalysis::entryCards()
{
    QFETCH(QString, line);
    QFETCH(QList<int>, cards);
    QCOMPARE(EntryCards(line).value_or(QList<int>()), cards);
}

void tst_CardAnalysis::lineGrammar_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("follows");
    QTest::newRow("three") << "08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03" << true;
    QTest::newRow("five, remark with brackets") << "08.dec.26 *(werk (nieuw)) / 12 05 09 00 33" << true;
    QTest::newRow("nine") << "08.dec.25 #(9-Kaart) / 06 04 07 01 02 03 08 05 09" << true;
    QTest::newRow("empty remark") << "08.dec.26 (...) / 01 02 03" << true;
    QTest::newRow("empty line") << "" << false;
    QTest::newRow("five cards behind a three marker") << "08.dec.26 (a) / 01 02 03 04 05" << false;
    QTest::newRow("card above 36") << "08.dec.26 (a) / 01 02 37" << false;
    QTest::newRow("one-digit card") << "08.dec.26 (a) / 01 2 03" << false;
    QTest::newRow("two-digit year lost") << "08.dec.6 (a) / 01 02 03" << false;
    QTest::newRow("slash in the remark") << "08.dec.26 (a/b) / 01 02 03" << false;
    QTest::newRow("no blanks around the slash") << "08.dec.26 (a)/01 02 03" << false;
    QTest::newRow("trailing blank") << "08.dec.26 (a) / 01 02 03 " << false;
}

void tst_CardAnalysis::lineGrammar()
{
    QFETCH(QString, line);
    QFETCH(bool, follows);
    QCOMPARE(FollowsLineGrammar(line), follows);
}

QTEST_APPLESS_MAIN(tst_CardAnalysis)
#include "tst_card_analysis.moc"
