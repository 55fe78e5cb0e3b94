#include "saved/card_analysis.h"
#include "saved/card_chance.h"
#include "tests/support/compare_close.h"

#include <QTest>

#include <cmath>

using namespace tessaly;

// Reference values come from SciPy 1.10.1 (Debian's python3-scipy) run by
// /usr/bin/python3, with the Python lines given at each table; Holm's
// adjustment there is the plain loop (sort, multiply the i-th smallest by
// 36 - i, carry the largest so far, cap at 1).

Q_DECLARE_METATYPE(YearTally)

namespace {

// n entries of `size` cards; counts[c - 1] entries hold card c.
YearTally tallyOf(int entries, int size, const QList<int> &counts)
{
    YearTally tally;
    tally.lines = entries;
    tally.bySize[size] = entries;
    for (int card = 1; card <= CardCount; ++card)
        tally.perCard[card] = counts[card - 1];
    return tally;
}

QList<int> repeated(QList<QPair<int, int>> runs) // (how many cards, count)
{
    QList<int> counts;
    for (const auto &[cards, count] : runs)
        counts += QList<int>(cards, count);
    return counts;
}

QStringList sameEntry(int times, const QString &line)
{
    return QStringList(times, line);
}

} // namespace

class tst_CardChance : public QObject
{
    Q_OBJECT

private slots:
    void tallyCountsAsTheAnalysis();
    void judge_data();
    void judge();
    void texts();
    void tooFewEntries();
    void perYear();
};

void tst_CardChance::tallyCountsAsTheAnalysis()
{
    const QStringList lines = {
        "01.jan.21 (a) / 05 05 12",                          // two different cards
        "02.feb.21 *(vraag 07) / 15 16 17 18 19",            // remark does not count
        "03.mrt.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09", // nine
        "04.apr.26 (b) / 00 00 01",                          // one card and two empty slots
        "losse regel",                                       // no cards
        "05.mei.21 #(c) / 01 01 01 01 01 01 01 01 01",       // one card nine times
    };
    const JournalTally journal = TallyJournal(lines);
    QCOMPARE(journal.years.size(), size_t(3)); // "21", "26" and the loose line's
    for (const QString &year : {QString(), QStringLiteral("21"), QStringLiteral("26")}) {
        const YearTally tally = journal.of(year);
        const CardCounts counts = CountCards(lines, year);
        QCOMPARE(tally.lines, counts.entries);
        for (int card = 1; card <= CardCount; ++card)
            QCOMPARE(tally.perCard[card], counts.perCard[card]);
    }
    const YearTally all = journal.of({});
    QCOMPARE(all.entries(), 5);
    QCOMPARE(all.bySize[0], 1);
    QCOMPARE(all.bySize[1], 2);
    QCOMPARE(all.bySize[2], 1);
    QCOMPARE(all.bySize[5], 1);
    QCOMPARE(all.bySize[9], 1);
    QCOMPARE(all.cardsDrawn(), 1 + 1 + 2 + 5 + 9);
    QCOMPARE(journal.of(QStringLiteral("21")).cardsDrawn(), 2 + 5 + 1);
    QCOMPARE(journal.of(QStringLiteral("99")).lines, 0);
}

void tst_CardChance::judge_data()
{
    QTest::addColumn<YearTally>("tally");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("bandLow");
    QTest::addColumn<int>("bandHigh");
    QTest::addColumn<int>("card");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("adjustedP");
    QTest::addColumn<QList<int>>("more");
    QTest::addColumn<QList<int>>("fewer");
    QTest::addColumn<double>("chiSquare");
    QTest::addColumn<double>("chiSquareP");

    // 36 entries "01 02 03". stats.binom.ppf(0.025 and 0.975, 36, 1/12);
    // stats.binomtest(36, 36, 1/12).pvalue times 36 (three equal smallest);
    // X2 = stats.chisquare(obs, [3] * 36).statistic = 1188, divided by the
    // narrowing (36 * 3 * 33 / 35) / 108 = 33/35: 1260; stats.chi2.sf(1260, 35).
    QTest::newRow("three cards every time")
        << tallyOf(36, 3, repeated({{3, 36}, {33, 0}})) << true << 3.0 << 0 << 7 << 1
        << 1.4108314823814918e-39 << 5.07899333657337e-38 << QList<int>{1, 2, 3} << QList<int>{} << 1260.0
        << 4.596754413851323e-242;
    // 600 three-card entries, card 36 in 20 of them, 30 cards in 51, 5 in 50.
    // stats.binomtest(20, 600, 1/12).pvalue, Holm over all 36; X2 =
    // stats.chisquare(obs, [50] * 36).statistic * 35 / 33 and its chi2.sf.
    QTest::newRow("one card seldom") << tallyOf(600, 3, repeated({{30, 51}, {5, 50}, {1, 20}})) << true
                                     << 50.0 << 37 << 64 << 36 << 1.2527230351645166e-06
                                     << 4.50980292659226e-05 << QList<int>{} << QList<int>{36}
                                     << 19.727272727272727 << 0.9824175653550357;
    QTest::newRow("one card seldom: the others")
        << tallyOf(600, 3, repeated({{30, 51}, {5, 50}, {1, 20}})) << true << 50.0 << 37 << 64 << 1
        << 0.8824491520575259 << 1.0 << QList<int>{} << QList<int>{36} << 19.727272727272727
        << 0.9824175653550357;
    // 6000 entries: the normal approximation. sd = math.sqrt(6000 / 12 * 11 / 12);
    // 2 * stats.norm.sf((100 - 0.5) / sd), times 36 (two equal smallest);
    // band math.ceil(500 -+ stats.norm.ppf(0.975) * sd - 0.5).
    QTest::newRow("long journal, one up and one down")
        << tallyOf(6000, 3, repeated({{1, 600}, {1, 400}, {34, 500}})) << false << 500.0 << 458 << 542 << 2
        << 3.357563338086788e-06 << 0.00012087228017112437 << QList<int>{1} << QList<int>{2}
        << 42.42424242424242 << 0.1814447880558858;
}

void tst_CardChance::judge()
{
    QFETCH(YearTally, tally);
    QFETCH(bool, exact);
    QFETCH(double, expected);
    QFETCH(int, bandLow);
    QFETCH(int, bandHigh);
    QFETCH(int, card);
    QFETCH(double, p);
    QFETCH(double, adjustedP);
    QFETCH(QList<int>, more);
    QFETCH(QList<int>, fewer);
    QFETCH(double, chiSquare);
    QFETCH(double, chiSquareP);
    const ChanceReport report = JudgeChance(tally);
    QVERIFY(report.judged);
    QCOMPARE(report.exact, exact);
    COMPARE_CLOSE(report.expected, expected);
    QCOMPARE(report.bandLow, bandLow);
    QCOMPARE(report.bandHigh, bandHigh);
    COMPARE_CLOSE(report.cards[card].p, p);
    COMPARE_CLOSE(report.cards[card].adjustedP, adjustedP);
    QList<int> foundMore;
    QList<int> foundFewer;
    for (int n = 1; n <= CardCount; ++n) {
        if (report.cards[n].verdict == ChanceVerdict::More)
            foundMore.append(n);
        if (report.cards[n].verdict == ChanceVerdict::Fewer)
            foundFewer.append(n);
    }
    QCOMPARE(foundMore, more);
    QCOMPARE(foundFewer, fewer);
    COMPARE_CLOSE(report.chiSquare, chiSquare);
    QCOMPARE(report.degrees, 35);
    COMPARE_CLOSE(report.chiSquareP, chiSquareP);
}

void tst_CardChance::texts()
{
    // The journal of the first row above, written out.
    const QStringList lines = sameEntry(36, QStringLiteral("08.dec.26 (a) / 01 02 03"));
    const ChanceReport report = JudgeChance(TallyJournal(lines).of({}));
    QCOMPARE(report.marked(), (QList<int>{1, 2, 3}));
    QCOMPARE(VerdictSentence(report, 1),
             QStringLiteral("Ruiter komt vaker voor dan toeval: 36 keer, verwacht 3,0; p < 0,001"));
    QCOMPARE(VerdictSentence(report, 4), QString());
    QCOMPARE(FitSentence(report), QStringLiteral("Alle kaarten samen: χ² = 1260,0 bij 35 vrijheidsgraden, "
                                                 "p < 0,001: de verdeling wijkt af van toeval."));
    const QStringList table = ChanceTable(report).split(QStringLiteral("\r\n"));
    QCOMPARE(table.size(), 1 + CardCount + 1); // the header, the cards, after the last CR LF
    QCOMPARE(table[0], QStringLiteral("Kaart\tgeteld\tverwacht\tp\toordeel"));
    QCOMPARE(table[1], QStringLiteral("01) Ruiter\t36\t3,0\t< 0,001\tvaker dan toeval"));
    QCOMPARE(table[4], QStringLiteral("04) Huis\t0\t3,0\t1,000\t"));
    QCOMPARE(table[36], QStringLiteral("36) Kruis\t0\t3,0\t1,000\t"));
    QVERIFY(table.last().isEmpty());

    // A card seldom seen, with the adjusted p of the table above.
    const ChanceReport seldom = JudgeChance(tallyOf(600, 3, repeated({{30, 51}, {5, 50}, {1, 20}})));
    QCOMPARE(VerdictSentence(seldom, 36),
             QStringLiteral("Kruis komt minder vaak voor dan toeval: 20 keer, verwacht 50; p < 0,001"));
    QCOMPARE(FitSentence(seldom), QStringLiteral("Alle kaarten samen: χ² = 19,7 bij 35 vrijheidsgraden, "
                                                 "p = 0,982: de verdeling past bij toeval."));

    // p is cut to three decimals, never rounded up to the marking level.
    QCOMPARE(FormatP(0.0496), QStringLiteral("0,049"));
    QCOMPARE(FormatP(0.003), QStringLiteral("0,003"));
    QCOMPARE(FormatP(0.00099), QStringLiteral("< 0,001"));
    QCOMPARE(FormatP(1.0), QStringLiteral("1,000"));
    QCOMPARE(FormatExpected(24.6), QStringLiteral("25"));
    QCOMPARE(FormatExpected(2.45), QStringLiteral("2,5"));
}

void tst_CardChance::tooFewEntries()
{
    // 29 entries of the same three cards: far from chance, but too few to say.
    QStringList lines = sameEntry(29, QStringLiteral("08.dec.26 (a) / 01 02 03"));
    lines << QStringLiteral("losse regel") << QStringLiteral("08.dec.26 (a) / 00 00 00");
    const ChanceReport report = JudgeChance(TallyJournal(lines).of({}));
    QCOMPARE(report.lines, 31);
    QCOMPARE(report.entries, 29);
    QVERIFY(!report.judged);
    QVERIFY(report.marked().isEmpty());
    QCOMPARE(FitSentence(report), QStringLiteral("Te weinig leggingen om iets over toeval te zeggen: 29, "
                                                 "en er zijn er minstens 30 nodig."));
    QVERIFY(ChanceTable(report).contains(QStringLiteral("01) Ruiter\t29\t2,4\t\t\r\n")));
    // One more entry, and the judgement is given.
    lines << QStringLiteral("08.dec.26 (a) / 01 02 03");
    QCOMPARE(JudgeChance(TallyJournal(lines).of({})).marked(), (QList<int>{1, 2, 3}));

    const ChanceReport empty = JudgeChance(TallyJournal({}).of({}));
    QCOMPARE(empty.entries, 0);
    QCOMPARE(FitSentence(empty), QStringLiteral("Er zijn geen leggingen met kaarten om te tellen."));
}

void tst_CardChance::perYear()
{
    const QStringList lines = {"01.jan.24 (a) / 05 06 07", "02.feb.26 *(b) / 05 16 17 18 19",
                               "03.mrt.26 (c) / 01 02 03", "04.apr.2x (d) / 05 06 07", "kort"};
    const QList<YearCount> years = CardPerYear(TallyJournal(lines), 5);
    QCOMPARE(years.size(), 2); // "2x" and "" are not years
    QCOMPARE(years[0].label, QStringLiteral("2024"));
    QCOMPARE(years[0].observed, 1);
    COMPARE_CLOSE(years[0].expected, 3.0 / 36);
    QCOMPARE(years[1].year, QStringLiteral("26"));
    QCOMPARE(years[1].observed, 1);
    COMPARE_CLOSE(years[1].expected, 8.0 / 36);
    QVERIFY(CardPerYear(TallyJournal(lines), 0).isEmpty());
}

QTEST_GUILESS_MAIN(tst_CardChance)
#include "tst_card_chance.moc"
