#include "practice/practice_items.h"

#include "catalogue/catalogue.h"

#include <algorithm>

namespace tessaly {

int ItemCount(Exercise exercise)
{
    return exercise == Exercise::PairText ? PairCount : CardCount;
}

int TotalItemCount()
{
    return (ExerciseCount - 1) * CardCount + PairCount;
}

int ItemIndex(const PracticeItem &item)
{
    return static_cast<int>(item.exercise) * CardCount + item.number - 1;
}

PracticeItem ItemAt(int index)
{
    const int exercise = std::min(index / CardCount, ExerciseCount - 1);
    return {static_cast<Exercise>(exercise), index - exercise * CardCount + 1};
}

QString ExerciseId(Exercise exercise)
{
    switch (exercise) {
    case Exercise::CardKeywords:
        return QStringLiteral("kaart-trefwoorden");
    case Exercise::KeywordsCard:
        return QStringLiteral("trefwoorden-kaart");
    case Exercise::CardDescription:
        return QStringLiteral("kaart-beschrijving");
    case Exercise::PositionTheme:
        return QStringLiteral("positie-thema");
    case Exercise::PairText:
        return QStringLiteral("paar-betekenis");
    }
    return {};
}

std::optional<Exercise> ExerciseFromId(QStringView id)
{
    for (const Exercise exercise : AllExercises)
        if (ExerciseId(exercise) == id)
            return exercise;
    return std::nullopt;
}

QString ExerciseTitle(Exercise exercise)
{
    switch (exercise) {
    case Exercise::CardKeywords:
        return QStringLiteral("Kaart \u2192 trefwoorden");
    case Exercise::KeywordsCard:
        return QStringLiteral("Trefwoorden \u2192 kaart");
    case Exercise::CardDescription:
        return QStringLiteral("Kaart \u2192 beschrijving");
    case Exercise::PositionTheme:
        return QStringLiteral("Positie \u2192 thema");
    case Exercise::PairText:
        return QStringLiteral("Paar \u2192 betekenis");
    }
    return {};
}

QString ItemKey(const PracticeItem &item)
{
    if (item.exercise == Exercise::PairText)
        return PairKeys().value(item.number - 1);
    return TwoDigitNumber(item.number);
}

namespace {

// 1..36 from exactly two digits, as keys write cards.
std::optional<CardNumber> twoDigitCard(QStringView text)
{
    if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit() || text[0].unicode() > u'9' ||
        text[1].unicode() > u'9')
        return std::nullopt;
    const int card = (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
    return card >= 1 && card <= CardCount ? std::optional(card) : std::nullopt;
}

} // namespace

std::optional<PracticeItem> ItemFromKey(Exercise exercise, QStringView key)
{
    if (exercise != Exercise::PairText) {
        const std::optional<CardNumber> card = twoDigitCard(key);
        return card ? std::optional(PracticeItem{exercise, *card}) : std::nullopt;
    }
    if (key.size() != 5 || key[2] != u'+')
        return std::nullopt;
    const std::optional<CardNumber> a = twoDigitCard(key.sliced(0, 2));
    const std::optional<CardNumber> b = twoDigitCard(key.sliced(3, 2));
    if (!a || !b || *a == *b)
        return std::nullopt;
    return PracticeItem{exercise, PairIndexOf(*a, *b)};
}

} // namespace tessaly
