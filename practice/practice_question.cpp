#include "practice/practice_question.h"

#include "app/copy_texts.h"
#include "catalogue/random_source.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace tessaly {

namespace {

QString bare(const QString &keyword)
{
    QString word = keyword.toLower();
    if (word.startsWith(u'*'))
        word.remove(0, 1);
    return word;
}

// Every name form of every card in lower case, made once: the keyword pools
// test each keyword against all of them.
const std::array<QStringList, CardCount + 1> &lowerNameForms()
{
    static const std::array<QStringList, CardCount + 1> forms = [] {
        std::array<QStringList, CardCount + 1> result;
        for (CardNumber card = 1; card <= CardCount; ++card)
            for (const auto *table : {&CardNames, &DescriptionNames, &ShortPairNames, &LongPairNames})
                result[std::size_t(card)].append((*table)[std::size_t(card)].toLower());
        return result;
    }();
    return forms;
}

// A word names card when it is one of the card's name forms or begins with
// a longer one ("klavertje", "Huisbezit").
bool namesCardLower(CardNumber card, const QString &lower)
{
    for (const QString &form : lowerNameForms()[std::size_t(card)])
        if (lower == form || (form.size() >= 4 && lower.startsWith(form)))
            return true;
    return false;
}

bool namesCard(CardNumber card, const QString &word)
{
    return namesCardLower(card, bare(word));
}

bool namesAnyCard(const QString &word)
{
    const QString lower = bare(word);
    for (CardNumber card = 1; card <= CardCount; ++card)
        if (namesCardLower(card, lower))
            return true;
    return false;
}

// n different numbers from 1..count, none of them in excluded.
QList<int> drawDistinct(RandomSource &random, int n, int count, const QList<int> &excluded)
{
    QList<int> pool;
    for (int v = 1; v <= count; ++v)
        if (!excluded.contains(v))
            pool.append(v);
    QList<int> drawn;
    while (drawn.size() < n && !pool.isEmpty())
        drawn.append(pool.takeAt(random.below(int(pool.size()))));
    return drawn;
}

QString keywordChoice(CardNumber card, RandomSource &random)
{
    const QStringList &pool = DistinctKeywords(card);
    QStringList chosen;
    for (const int k : drawDistinct(random, 3, int(pool.size()), {}))
        chosen.append(pool[k - 1]);
    return chosen.join(QStringLiteral(", "));
}

// The right option first, then three other cards whose options differ from
// all before them; the caller shuffles.
void fillCardOptions(PracticeQuestion &question, CardNumber card, RandomSource &random,
                     const std::function<PracticeOption(CardNumber)> &option)
{
    question.options[0] = option(card);
    QStringList texts = {question.options[0].text};
    std::size_t filled = 1;
    for (const int other : drawDistinct(random, CardCount - 1, CardCount, {card})) {
        if (filled == question.options.size())
            break;
        const PracticeOption candidate = option(other);
        if (texts.contains(candidate.text))
            continue;
        texts.append(candidate.text);
        question.options[filled++] = candidate;
    }
}

void fillPairOptions(PracticeQuestion &question, int pair, RandomSource &random)
{
    const auto [a, b] = PairCards(pair);
    QStringList texts = {PairBareText(pair)};
    const QString mirror = PairBareText(PairIndexOf(b, a));
    if (!mirror.isEmpty() && !texts.contains(mirror))
        texts.append(mirror);
    // Pairs that share a card with this one, the two orders of it aside.
    QList<int> sharing;
    for (const CardNumber shared : {a, b}) {
        for (CardNumber other = 1; other <= CardCount; ++other) {
            if (other == a || other == b)
                continue;
            sharing.append(PairIndexOf(shared, other));
            sharing.append(PairIndexOf(other, shared));
        }
    }
    while (texts.size() < 4 && !sharing.isEmpty()) {
        const QString text = PairBareText(sharing.takeAt(random.below(int(sharing.size()))));
        if (!text.isEmpty() && !texts.contains(text))
            texts.append(text);
    }
    for (std::size_t i = 0; i < question.options.size(); ++i)
        question.options[i] = {texts.value(qsizetype(i)), 0};
}

} // namespace

const QStringList &DistinctKeywords(CardNumber card)
{
    static const std::array<QStringList, CardCount + 1> pools = [] {
        QHash<QString, int> owners;
        for (CardNumber c = 1; c <= CardCount; ++c) {
            QStringList seen;
            for (int k = 1; k <= KeywordsPerCard; ++k) {
                const QString word = bare(CardKeyword(c, k));
                if (!seen.contains(word)) {
                    seen.append(word);
                    ++owners[word];
                }
            }
        }
        std::array<QStringList, CardCount + 1> result;
        for (CardNumber c = 1; c <= CardCount; ++c) {
            for (int k = 1; k <= KeywordsPerCard; ++k) {
                const QString keyword = CardKeyword(c, k);
                if (owners.value(bare(keyword)) == 1 && !namesAnyCard(keyword))
                    result[std::size_t(c)].append(keyword);
            }
        }
        return result;
    }();
    static const QStringList none;
    return card >= 1 && card <= CardCount ? pools[std::size_t(card)] : none;
}

QString MaskedDescription(CardNumber card)
{
    const QString text = LoadCardText(card).mid(1).join(u' ');
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    QString masked;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(text)) {
        if (!namesCard(card, match.captured()))
            continue;
        masked += text.mid(from, match.capturedStart() - from) + QStringLiteral("\u2026");
        from = match.capturedEnd();
    }
    return masked + text.mid(from);
}

PracticeQuestion BuildQuestion(const PracticeItem &item, RandomSource &random)
{
    PracticeQuestion question;
    question.item = item;
    const int n = item.number;
    switch (item.exercise) {
    case Exercise::CardKeywords:
        question.text = QStringLiteral("Welke trefwoorden horen bij %1?").arg(CardTitle(n));
        fillCardOptions(question, n, random, [&](CardNumber c) {
            return PracticeOption{keywordChoice(c, random), 0};
        });
        break;
    case Exercise::KeywordsCard: {
        const QStringList words = keywordChoice(n, random).split(QStringLiteral(", "));
        question.text = QStringLiteral("Bij welke kaart horen de trefwoorden %1?").arg(JoinDutch(words));
        fillCardOptions(question, n, random, [](CardNumber c) { return PracticeOption{CardTitle(c), c}; });
        break;
    }
    case Exercise::CardDescription:
        question.text = QStringLiteral("Welke beschrijving hoort bij %1?").arg(CardTitle(n));
        fillCardOptions(question, n, random, [](CardNumber c) {
            return PracticeOption{MaskedDescription(c), 0};
        });
        break;
    case Exercise::PositionTheme:
        question.text =
            QStringLiteral("Welk thema hoort bij positie %1 van het Grand Tableau, de plaats van %2?")
                .arg(n)
                .arg(CardTitle(n));
        fillCardOptions(question, n, random, [](CardNumber p) {
            return PracticeOption{PositionTheme(p), 0};
        });
        break;
    case Exercise::PairText: {
        const auto [a, b] = PairCards(n);
        question.text = QStringLiteral("Welke betekenis hoort bij %1 + %2?").arg(CardTitle(a), CardTitle(b));
        fillPairOptions(question, n, random);
        break;
    }
    }
    // Shuffled, keeping track of the right option.
    std::array<int, 4> order = {0, 1, 2, 3};
    for (int i = 3; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(random.below(i + 1))]);
    const std::array<PracticeOption, 4> options = question.options;
    for (std::size_t i = 0; i < 4; ++i) {
        question.options[i] = options[std::size_t(order[i])];
        if (order[i] == 0)
            question.answer = int(i);
    }
    return question;
}

} // namespace tessaly
