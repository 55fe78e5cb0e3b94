// The scheduler over simulated days. Expected stabilities, difficulties and
// due days come from tools/fsrs_reference.py, written from the published
// FSRS-5 description and run by hand, not from the code under test.

#include "practice/fsrs.h"
#include "practice/practice_schedule.h"

#include <QTest>

using namespace tessaly;

Q_DECLARE_METATYPE(QList<PracticeItem>)

namespace {

const QDate Day0(2026, 12, 8);

QString keyOf(const PracticeItem &item)
{
    return ExerciseId(item.exercise) + u' ' + ItemKey(item);
}

QStringList keysOf(const QList<PracticeItem> &items)
{
    QStringList keys;
    for (const PracticeItem &item : items)
        keys.append(keyOf(item));
    return keys;
}

// "0G 3G 14A": answers on those days after day 0, G right, A wrong.
std::optional<ItemProgress> replay(const QString &answers)
{
    std::optional<ItemProgress> progress;
    for (const QString &answer : answers.split(u' ')) {
        const int day = answer.chopped(1).toInt();
        progress = Review(progress, answer.endsWith(u'G'), Day0.addDays(day));
    }
    return progress;
}

} // namespace

class tst_PracticeSchedule : public QObject
{
    Q_OBJECT

private slots:
    void memoryOverDays_data();
    void memoryOverDays();
    void retrievabilityIsNinetyPercentAfterOneStability();
    void dueListOnDaysZeroOneThirty();
    void oneExerciseOnly();
    void newItemsPerDay_data();
    void newItemsPerDay();
    void wrongItemReturnsAfterAFewOthers_data();
    void wrongItemReturnsAfterAFewOthers();
    void overviewCountsSeenKnownAndDue();
};

void tst_PracticeSchedule::memoryOverDays_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<double>("stability");
    QTest::addColumn<double>("difficulty");
    QTest::addColumn<int>("dueDay");
    QTest::addColumn<int>("lapses");
    // Each answer on the day the item falls due.
    QTest::newRow("good") << "0G" << 3.1730 << 5.2824 << 3 << 0;
    QTest::newRow("good, good") << "0G 3G" << 10.7389 << 5.2730 << 14 << 0;
    QTest::newRow("good, good, good") << "0G 3G 14G" << 34.5776 << 5.2635 << 49 << 0;
    QTest::newRow("good x4") << "0G 3G 14G 49G" << 100.7483 << 5.2542 << 150 << 0;
    QTest::newRow("again") << "0A" << 0.40255 << 7.1949 << 0 << 1;
    QTest::newRow("again, good the same day") << "0A 0G" << 0.5667 << 7.1766 << 1 << 1;
    QTest::newRow("again, good, good next day") << "0A 0G 1G" << 2.4805 << 7.1585 << 3 << 1;
    QTest::newRow("lapse on day 14") << "0G 3G 14A" << 2.1858 << 6.7906 << 14 << 1;
    QTest::newRow("lapse, good the same day") << "0G 3G 14A 14G" << 3.0771 << 6.7742 << 17 << 1;
    QTest::newRow("lapse, then due again") << "0G 3G 14A 14G 17G" << 8.6728 << 6.7578 << 26 << 1;
    QTest::newRow("good, then 27 days late") << "0G 30G" << 45.4457 << 5.2730 << 75 << 0;
}

void tst_PracticeSchedule::memoryOverDays()
{
    QFETCH(QString, answers);
    QFETCH(double, stability);
    QFETCH(double, difficulty);
    QFETCH(int, dueDay);
    QFETCH(int, lapses);
    const std::optional<ItemProgress> progress = replay(answers);
    QVERIFY(progress);
    QVERIFY2(qAbs(progress->stability - stability) < 6e-5, qPrintable(QString::number(progress->stability)));
    QVERIFY2(qAbs(progress->difficulty - difficulty) < 6e-5,
             qPrintable(QString::number(progress->difficulty)));
    QCOMPARE(Day0.daysTo(progress->due), dueDay);
    QCOMPARE(progress->reps, int(answers.count(u' ')) + 1);
    QCOMPARE(progress->lapses, lapses);
    QCOMPARE(progress->first, Day0);
    QCOMPARE(progress->last, Day0.addDays(answers.section(u' ', -1).chopped(1).toInt()));
}

void tst_PracticeSchedule::retrievabilityIsNinetyPercentAfterOneStability()
{
    // The forgetting curve of FSRS-4.5 and later: (1 + 19/81 t/S)^-0.5.
    QVERIFY(qAbs(fsrs::Retrievability(10, 10) - 0.9) < 1e-12);
    QVERIFY(qAbs(fsrs::Retrievability(0, 3) - 1.0) < 1e-12);
    QVERIFY(qAbs(fsrs::Retrievability(30, 3.173) - 0.557470) < 1e-6);
    QVERIFY(qAbs(fsrs::IntervalFor(12.5) - 12.5) < 1e-9);
    // A recalled item is never due the same day, however small its stability.
    QCOMPARE(fsrs::NextIntervalDays(0.01), 1);
    QCOMPARE(fsrs::NextIntervalDays(1e9), fsrs::MaximumIntervalDays);
}

void tst_PracticeSchedule::dueListOnDaysZeroOneThirty()
{
    PracticeProgress progress;
    DayPlan plan = PlanDay(progress, Day0);
    QVERIFY(plan.reviews.isEmpty());
    // The exercises in turn.
    const QStringList firstTen = {"kaart-trefwoorden 01", "trefwoorden-kaart 01",  "kaart-beschrijving 01",
                                  "positie-thema 01",     "paar-betekenis 01+02",  "kaart-trefwoorden 02",
                                  "trefwoorden-kaart 02", "kaart-beschrijving 02", "positie-thema 02",
                                  "paar-betekenis 01+03"};
    QCOMPARE(keysOf(plan.fresh), firstTen);

    // Day 0: all right, except the first pair, right only at the second go.
    for (const PracticeItem &item : plan.fresh) {
        if (item == PracticeItem{Exercise::PairText, 1})
            progress.answer(item, false, Day0);
        progress.answer(item, true, Day0);
    }
    plan = PlanDay(progress, Day0);
    QVERIFY(plan.reviews.isEmpty());
    QVERIFY(plan.fresh.isEmpty());

    plan = PlanDay(progress, Day0.addDays(1));
    QCOMPARE(keysOf(plan.reviews), QStringList{"paar-betekenis 01+02"});
    QCOMPARE(keysOf(plan.fresh).mid(0, 6),
             (QStringList{"kaart-trefwoorden 03", "trefwoorden-kaart 03", "kaart-beschrijving 03",
                          "positie-thema 03", "paar-betekenis 01+04", "kaart-trefwoorden 04"}));
    QCOMPARE(plan.fresh.size(), 10);

    // Nothing answered since: everything from day 0 is due, the most overdue
    // first.
    plan = PlanDay(progress, Day0.addDays(30));
    QCOMPARE(keysOf(plan.reviews),
             (QStringList{"paar-betekenis 01+02", "kaart-trefwoorden 01", "kaart-trefwoorden 02",
                          "trefwoorden-kaart 01", "trefwoorden-kaart 02", "kaart-beschrijving 01",
                          "kaart-beschrijving 02", "positie-thema 01", "positie-thema 02",
                          "paar-betekenis 01+03"}));
    QCOMPARE(plan.fresh.size(), 10);
    QCOMPARE(keyOf(plan.fresh.first()), QStringLiteral("kaart-trefwoorden 03"));
}

void tst_PracticeSchedule::oneExerciseOnly()
{
    PracticeProgress progress;
    progress.answer({Exercise::PairText, 1}, true, Day0.addDays(-5));
    progress.answer({Exercise::CardKeywords, 7}, true, Day0.addDays(-5));
    const DayPlan plan = PlanDay(progress, Day0, Exercise::PairText);
    QCOMPARE(keysOf(plan.reviews), QStringList{"paar-betekenis 01+02"});
    QCOMPARE(keysOf(plan.fresh).first(), QStringLiteral("paar-betekenis 01+03"));
    QCOMPARE(keysOf(plan.fresh).last(), QStringLiteral("paar-betekenis 01+12"));
}

void tst_PracticeSchedule::newItemsPerDay_data()
{
    QTest::addColumn<int>("perDay");
    QTest::addColumn<int>("startedToday");
    QTest::addColumn<int>("startedYesterday");
    QTest::addColumn<int>("fresh");
    QTest::newRow("default") << 10 << 0 << 0 << 10;
    QTest::newRow("four begun today") << 10 << 4 << 0 << 6;
    QTest::newRow("yesterday's do not count") << 10 << 0 << 7 << 10;
    QTest::newRow("limit reached") << 3 << 3 << 0 << 0;
    QTest::newRow("lowered below today's") << 2 << 5 << 0 << 0;
    QTest::newRow("none") << 0 << 0 << 0 << 0;
}

void tst_PracticeSchedule::newItemsPerDay()
{
    QFETCH(int, perDay);
    QFETCH(int, startedToday);
    QFETCH(int, startedYesterday);
    QFETCH(int, fresh);
    PracticeProgress progress;
    progress.newPerDay = perDay;
    for (int i = 0; i < startedYesterday; ++i)
        progress.answer({Exercise::PairText, 100 + i}, true, Day0.addDays(-1));
    for (int i = 0; i < startedToday; ++i)
        progress.answer({Exercise::PairText, 200 + i}, false, Day0);
    QCOMPARE(PlanDay(progress, Day0).fresh.size(), fresh);
}

void tst_PracticeSchedule::wrongItemReturnsAfterAFewOthers_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("after three others") << 6 << QList<int>{2, 3, 4, 1, 5, 6};
    QTest::newRow("at the end of a short queue") << 3 << QList<int>{2, 3, 1};
    QTest::newRow("alone: at once") << 1 << QList<int>{1};
}

void tst_PracticeSchedule::wrongItemReturnsAfterAFewOthers()
{
    QFETCH(int, items);
    QFETCH(QList<int>, order);
    DayPlan plan;
    for (int card = 1; card <= items; ++card)
        plan.fresh.append({Exercise::CardKeywords, card});
    PracticeSession session;
    session.start(plan);
    session.answered(false);
    QList<int> cards;
    for (const PracticeItem &item : session.queue())
        cards.append(item.number);
    QCOMPARE(cards, order);
    // A right answer lets the item go.
    session.answered(true);
    QCOMPARE(session.queue().size(), items - 1);

    // The wrong item has been seen now: one to repeat, the rest new.
    PracticeProgress progress;
    progress.answer({Exercise::CardKeywords, 1}, false, Day0);
    QCOMPARE(session.reviewsLeft(progress), items > 1 ? 1 : 0);
    QCOMPARE(session.newLeft(progress), int(session.queue().size()) - session.reviewsLeft(progress));
}

void tst_PracticeSchedule::overviewCountsSeenKnownAndDue()
{
    PracticeProgress progress;
    auto put = [&](Exercise exercise, int number, double stability, int dueInDays) {
        progress.set({exercise, number}, ItemProgress{Day0.addDays(dueInDays), stability, 5, 3, 0,
                                                      Day0.addDays(-10), Day0.addDays(-20)});
    };
    // Card 5 known in all three card exercises, card 6 in two of them.
    for (const Exercise exercise :
         {Exercise::CardKeywords, Exercise::KeywordsCard, Exercise::CardDescription})
        put(exercise, 5, 21, 10);
    put(Exercise::CardKeywords, 6, 30, 0);
    put(Exercise::KeywordsCard, 6, 25, -3);
    put(Exercise::CardDescription, 6, 20.99, 1);
    put(Exercise::PairText, 40, 21.5, 0);
    put(Exercise::PairText, 41, 3, 2);

    const ExerciseOverview keywords = Overview(progress, Exercise::CardKeywords, Day0);
    QCOMPARE(keywords.seen, 2);
    QCOMPARE(keywords.known, 2);
    QCOMPARE(keywords.due, 1);
    const ExerciseOverview descriptions = Overview(progress, Exercise::CardDescription, Day0);
    QCOMPARE(descriptions.seen, 2);
    QCOMPARE(descriptions.known, 1);
    QCOMPARE(descriptions.due, 0);
    const ExerciseOverview pairs = Overview(progress, Exercise::PairText, Day0);
    QCOMPARE(pairs.seen, 2);
    QCOMPARE(pairs.known, 1);
    QCOMPARE(pairs.due, 1);
    QCOMPARE(Overview(progress, Exercise::PositionTheme, Day0).seen, 0);
    QCOMPARE(KnownCards(progress), 1);
    QCOMPARE(KnownPairs(progress), 1);
}

QTEST_GUILESS_MAIN(tst_PracticeSchedule)
#include "tst_practice_schedule.moc"
