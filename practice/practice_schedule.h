#pragma once

#include "practice/practice_items.h"

#include <QDate>
#include <QList>

#include <optional>
#include <vector>

namespace tessaly {

// What the student has done with one item. Dates are local calendar days.
struct ItemProgress
{
    QDate due;
    double stability = 0;
    double difficulty = 0;
    int reps = 0;
    int lapses = 0; // wrong answers
    QDate last;
    QDate first;
    bool operator==(const ItemProgress &) const = default;
};

// A right answer counts as Good, a wrong one as Again. A wrong item is due
// again the same day; a right one at least a day later. A clock set back
// moves the first answer back with it, and counts stay within what the
// progress file holds.
ItemProgress Review(const std::optional<ItemProgress> &before, bool right, const QDate &today);

// Known: recalled with nine chances in ten three weeks on.
inline constexpr double KnownStability = 21;
inline constexpr int DefaultNewPerDay = 10;
inline constexpr int MaximumNewPerDay = 100;
inline constexpr int MaximumCount = 9999999;
inline constexpr double MaximumStability = 1e7;

// The progress of every item, new ones empty.
class PracticeProgress
{
public:
    PracticeProgress();

    const std::optional<ItemProgress> &at(const PracticeItem &item) const;
    const std::optional<ItemProgress> &at(int index) const { return m_items[std::size_t(index)]; }
    void set(const PracticeItem &item, const std::optional<ItemProgress> &progress);
    void answer(const PracticeItem &item, bool right, const QDate &today);
    // Items first answered on day, in all exercises.
    int startedOn(const QDate &day) const;

    int newPerDay = DefaultNewPerDay;

    bool operator==(const PracticeProgress &) const = default;

private:
    std::vector<std::optional<ItemProgress>> m_items;
};

// What a day offers: the items due, the most overdue first, and the new items
// still allowed today, taking the exercises in turn. only limits both to one
// exercise.
struct DayPlan
{
    QList<PracticeItem> reviews;
    QList<PracticeItem> fresh;
};
DayPlan PlanDay(const PracticeProgress &progress, const QDate &today, std::optional<Exercise> only = {});

struct ExerciseOverview
{
    int seen = 0;
    int known = 0;
    int due = 0;
};
ExerciseOverview Overview(const PracticeProgress &progress, Exercise exercise, const QDate &today);
// Cards known in all three card exercises.
int KnownCards(const PracticeProgress &progress);
int KnownPairs(const PracticeProgress &progress);

// The questions of one sitting. A wrong item comes back after a few others.
class PracticeSession
{
public:
    static constexpr int RequeueAfter = 3;

    void start(const DayPlan &plan);
    std::optional<PracticeItem> current() const;
    void answered(bool right);
    // Still to answer in this sitting: items seen before, and new items.
    int reviewsLeft(const PracticeProgress &progress) const;
    int newLeft(const PracticeProgress &progress) const;
    const QList<PracticeItem> &queue() const { return m_queue; }

private:
    QList<PracticeItem> m_queue;
};

} // namespace tessaly
