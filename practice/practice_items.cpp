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

std::optional<Exercise> ExerciseFromId(const QString &id)
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

std::optional<PracticeItem> ItemFromKey(Exercise exercise, const QString &key)
{
    if (exercise == Exercise::PairText) {
        const std::optional<int> index = PairIndex(key);
        return index ? std::optional(PracticeItem{exercise, *index}) : std::nullopt;
    }
    for (int n = 1; n <= CardCount; ++n)
        if (TwoDigitNumbers[n] == key)
            return PracticeItem{exercise, n};
    return std::nullopt;
}

} // namespace tessaly
