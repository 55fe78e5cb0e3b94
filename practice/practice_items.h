#pragma once

#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// The decks the student practises; each item is one card, one Grand Tableau
// position or one ordered pair.
enum class Exercise { CardKeywords, KeywordsCard, CardDescription, PositionTheme, PairText };
inline constexpr int ExerciseCount = 5;
inline constexpr std::array<Exercise, ExerciseCount> AllExercises = {
    Exercise::CardKeywords, Exercise::KeywordsCard, Exercise::CardDescription, Exercise::PositionTheme,
    Exercise::PairText};

struct PracticeItem
{
    Exercise exercise = Exercise::CardKeywords;
    // Card 1..36, position 1..36 or pair index 1..1260.
    int number = 1;
    bool operator==(const PracticeItem &) const = default;
};

int ItemCount(Exercise exercise);
// Every item of every exercise: 4 x 36 + 1260.
int TotalItemCount();
// 0..TotalItemCount()-1, exercise by exercise in the order above.
int ItemIndex(const PracticeItem &item);
PracticeItem ItemAt(int index);

// As written in the progress file: "kaart-trefwoorden", ...
QString ExerciseId(Exercise exercise);
std::optional<Exercise> ExerciseFromId(QStringView id);
// As the window names it: "Kaart → trefwoorden", ...
QString ExerciseTitle(Exercise exercise);

// "05" for a card or position, "05+16" for a pair.
QString ItemKey(const PracticeItem &item);
std::optional<PracticeItem> ItemFromKey(Exercise exercise, QStringView key);

} // namespace tessaly
