#include "catalogue/catalogue.h"
#include "practice/practice_question.h"
#include "tests/support/seeded_random.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace tessaly;

Q_DECLARE_METATYPE(Exercise)

namespace {

QStringList keywordsOf(CardNumber card)
{
    QStringList words;
    for (int k = 1; k <= KeywordsPerCard; ++k)
        words.append(CardKeyword(card, k));
    return words;
}

// The card whose keywords hold every one of words; 0 when none does.
CardNumber ownerOf(const QStringList &words)
{
    for (CardNumber card = 1; card <= CardCount; ++card) {
        const QStringList own = keywordsOf(card);
        if (std::all_of(words.begin(), words.end(), [&](const QString &w) { return own.contains(w); }))
            return card;
    }
    return 0;
}

QStringList nameForms(CardNumber card)
{
    return {CardNames[card], DescriptionNames[card], ShortPairNames[card], LongPairNames[card]};
}

bool sharesACard(const QString &text, CardNumber a, CardNumber b)
{
    for (int i = 1; i <= PairCount; ++i) {
        const auto [x, y] = PairCards(i);
        if ((x == a || x == b || y == a || y == b) && PairBareText(i) == text)
            return true;
    }
    return false;
}

} // namespace

class tst_PracticeQuestion : public QObject
{
    Q_OBJECT

private slots:
    void fourDifferentOptionsOneRight_data();
    void fourDifferentOptionsOneRight();
    void questionWritesCardsAsTitles_data();
    void questionWritesCardsAsTitles();
    void pairOptionsHoldTheMirrorAndPairsSharingACard();
    void keywordsBelongToOneCardAndDoNotNameIt();
    void descriptionsLeaveTheNameOut();
};

void tst_PracticeQuestion::fourDifferentOptionsOneRight_data()
{
    QTest::addColumn<Exercise>("exercise");
    QTest::newRow("card to keywords") << Exercise::CardKeywords;
    QTest::newRow("keywords to card") << Exercise::KeywordsCard;
    QTest::newRow("card to description") << Exercise::CardDescription;
    QTest::newRow("position to theme") << Exercise::PositionTheme;
    QTest::newRow("pair to text") << Exercise::PairText;
}

void tst_PracticeQuestion::fourDifferentOptionsOneRight()
{
    QFETCH(Exercise, exercise);
    SeededRandom random(81226);
    QList<int> answerPlaces(4, 0);
    for (int number = 1; number <= ItemCount(exercise); ++number) {
        const PracticeQuestion q = BuildQuestion({exercise, number}, random);
        const QString where = QStringLiteral("item %1: ").arg(number) + q.text;
        QSet<QString> texts;
        for (const PracticeOption &option : q.options) {
            QVERIFY2(!option.text.isEmpty(), qPrintable(where));
            texts.insert(option.text);
        }
        QVERIFY2(texts.size() == 4, qPrintable(where));
        QVERIFY(q.answer >= 0 && q.answer < 4);
        ++answerPlaces[q.answer];
        const PracticeOption &right = q.options[q.answer];
        switch (exercise) {
        case Exercise::CardKeywords:
            for (int i = 0; i < 4; ++i) {
                const CardNumber owner = ownerOf(q.options[i].text.split(QStringLiteral(", ")));
                QVERIFY2(owner > 0, qPrintable(where));
                QVERIFY2((owner == number) == (i == q.answer), qPrintable(where));
            }
            break;
        case Exercise::KeywordsCard: {
            QCOMPARE(right.card, number);
            QCOMPARE(right.text, CardTitle(number));
            const QString words = q.text.section(QStringLiteral("trefwoorden "), 1).chopped(1);
            QCOMPARE(ownerOf(words.split(QRegularExpression(QStringLiteral(", | en ")))), number);
            for (const PracticeOption &option : q.options)
                QCOMPARE(option.text, CardTitle(option.card));
            break;
        }
        case Exercise::CardDescription:
            QCOMPARE(right.text, MaskedDescription(number));
            break;
        case Exercise::PositionTheme:
            QCOMPARE(right.text, PositionTheme(number));
            break;
        case Exercise::PairText:
            QCOMPARE(right.text, PairBareText(number));
            break;
        }
    }
    // The right answer is not always in the same place.
    for (int place = 0; place < 4; ++place)
        QVERIFY2(answerPlaces[place] > 0, qPrintable(QStringLiteral("never option %1").arg(place + 1)));
}

void tst_PracticeQuestion::questionWritesCardsAsTitles_data()
{
    QTest::addColumn<Exercise>("exercise");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("question");
    QTest::newRow("card to keywords")
        << Exercise::CardKeywords << 5 << "Welke trefwoorden horen bij 05) Boom?";
    QTest::newRow("card to description")
        << Exercise::CardDescription << 29 << "Welke beschrijving hoort bij 29) Vrouw?";
    QTest::newRow("position to theme")
        << Exercise::PositionTheme << 7
        << "Welk thema hoort bij positie 7 van het Grand Tableau, de plaats van "
           "07) Slang?";
    QTest::newRow("pair to text") << Exercise::PairText << PairIndexOf(5, 16)
                                  << "Welke betekenis hoort bij 05) Boom + 16) Ster?";
}

void tst_PracticeQuestion::questionWritesCardsAsTitles()
{
    QFETCH(Exercise, exercise);
    QFETCH(int, number);
    QFETCH(QString, question);
    SeededRandom random(7);
    QCOMPARE(BuildQuestion({exercise, number}, random).text, question);
}

void tst_PracticeQuestion::pairOptionsHoldTheMirrorAndPairsSharingACard()
{
    SeededRandom random(1260);
    for (int round = 0; round < 200; ++round) {
        const int pair = random.below(PairCount) + 1;
        const auto [a, b] = PairCards(pair);
        const PracticeQuestion q = BuildQuestion({Exercise::PairText, pair}, random);
        const QString mirror = PairBareText(PairIndexOf(b, a));
        int mirrors = 0;
        for (int i = 0; i < 4; ++i) {
            if (i == q.answer)
                continue;
            const QString &text = q.options[i].text;
            mirrors += text == mirror;
            QVERIFY2(sharesACard(text, a, b), qPrintable(PairKeys()[pair - 1] + u' ' + text));
        }
        QCOMPARE(mirrors, mirror == PairBareText(pair) ? 0 : 1);
    }
}

void tst_PracticeQuestion::keywordsBelongToOneCardAndDoNotNameIt()
{
    QSet<QString> seen;
    for (CardNumber card = 1; card <= CardCount; ++card) {
        const QStringList &pool = DistinctKeywords(card);
        // A question shows three.
        QVERIFY2(pool.size() >= 3, qPrintable(CardTitle(card)));
        for (const QString &keyword : pool) {
            QVERIFY(keywordsOf(card).contains(keyword));
            QVERIFY2(!seen.contains(keyword.toLower()), qPrintable(keyword));
            seen.insert(keyword.toLower());
        }
    }
    // Keywords that say the card's own name give the answer away.
    QVERIFY(!DistinctKeywords(26).contains(QStringLiteral("Boek")));
    QVERIFY(!DistinctKeywords(27).contains(QStringLiteral("Brief")));
    QVERIFY(!DistinctKeywords(29).contains(QStringLiteral("Vrouwelijk")));
    QVERIFY(!DistinctKeywords(13).contains(QStringLiteral("*Kinderen")));
    QVERIFY(!DistinctKeywords(4).contains(QStringLiteral("Huisbezit")));
    // The person keyword stays, asterisk and all.
    QVERIFY(DistinctKeywords(1).contains(QStringLiteral("*Postbode")));
    QVERIFY(DistinctKeywords(37).isEmpty());
}

void tst_PracticeQuestion::descriptionsLeaveTheNameOut()
{
    for (CardNumber card = 1; card <= CardCount; ++card) {
        const QString masked = MaskedDescription(card);
        const QString full = LoadCardText(card).mid(1).join(u' ');
        QVERIFY2(masked.contains(u'\u2026'), qPrintable(masked));
        // No name, and no word built on a longer one ("klavertje").
        for (const QString &form : nameForms(card)) {
            const QString word = QRegularExpression::escape(form) +
                                 (form.size() >= 4 ? QStringLiteral("\\w*") : QStringLiteral("\\b"));
            const QRegularExpression name(QStringLiteral("\\b") + word,
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::UseUnicodePropertiesOption);
            QVERIFY2(!name.match(masked).hasMatch(), qPrintable(masked));
        }
        // Only names are left out: the words around them stay.
        const QStringList fullWords = full.split(u' ');
        const QStringList maskedWords = masked.split(u' ');
        QCOMPARE(maskedWords.size(), fullWords.size());
        for (qsizetype i = 0; i < fullWords.size(); ++i)
            QVERIFY2(maskedWords[i] == fullWords[i] || maskedWords[i].contains(u'\u2026'),
                     qPrintable(fullWords[i]));
    }
}

QTEST_GUILESS_MAIN(tst_PracticeQuestion)
#include "tst_practice_question.moc"
