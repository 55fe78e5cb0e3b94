#include "practice/practice_schedule.h"

#include "catalogue/catalogue.h"
#include "practice/fsrs.h"

#include <algorithm>

namespace tessaly {

ItemProgress Review(const std::optional<ItemProgress> &before, bool right, const QDate &today)
{
    const fsrs::Rating rating = right ? fsrs::Rating::Good : fsrs::Rating::Again;
    ItemProgress after;
    fsrs::Memory memory;
    if (before) {
        after = *before;
        memory = fsrs::NextMemory({before->stability, before->difficulty}, int(before->last.daysTo(today)),
                                  rating);
    } else {
        after.first = today;
        memory = fsrs::FirstMemory(rating);
    }
    after.stability = std::min(memory.stability, MaximumStability);
    after.difficulty = memory.difficulty;
    after.reps = std::min(after.reps + 1, MaximumCount);
    after.lapses = std::min(after.lapses + (right ? 0 : 1), after.reps);
    after.first = std::min(after.first, today);
    after.last = today;
    after.due = right ? today.addDays(fsrs::NextIntervalDays(memory.stability)) : today;
    return after;
}

PracticeProgress::PracticeProgress()
    : m_items(std::size_t(TotalItemCount()))
{
}

const std::optional<ItemProgress> &PracticeProgress::at(const PracticeItem &item) const
{
    return m_items[std::size_t(ItemIndex(item))];
}

void PracticeProgress::set(const PracticeItem &item, const std::optional<ItemProgress> &progress)
{
    m_items[std::size_t(ItemIndex(item))] = progress;
}

void PracticeProgress::answer(const PracticeItem &item, bool right, const QDate &today)
{
    set(item, Review(at(item), right, today));
}

int PracticeProgress::startedOn(const QDate &day) const
{
    return int(std::count_if(m_items.begin(), m_items.end(),
                             [&](const std::optional<ItemProgress> &p) { return p && p->first == day; }));
}

DayPlan PlanDay(const PracticeProgress &progress, const QDate &today, std::optional<Exercise> only)
{
    DayPlan plan;
    const auto included = [&](Exercise exercise) { return !only || *only == exercise; };
    QList<std::pair<QDate, int>> due;
    for (int index = 0; index < TotalItemCount(); ++index) {
        const std::optional<ItemProgress> &p = progress.at(index);
        if (p && p->due <= today && included(ItemAt(index).exercise))
            due.append({p->due, index});
    }
    std::sort(due.begin(), due.end());
    for (const auto &[date, index] : due)
        plan.reviews.append(ItemAt(index));

    const int allowed = std::max(0, progress.newPerDay - progress.startedOn(today));
    for (int number = 1; number <= PairCount && plan.fresh.size() < allowed; ++number) {
        for (const Exercise exercise : AllExercises) {
            const PracticeItem item{exercise, number};
            if (included(exercise) && number <= ItemCount(exercise) && !progress.at(item) &&
                plan.fresh.size() < allowed)
                plan.fresh.append(item);
        }
    }
    return plan;
}

ExerciseOverview Overview(const PracticeProgress &progress, Exercise exercise, const QDate &today)
{
    ExerciseOverview overview;
    for (int number = 1; number <= ItemCount(exercise); ++number) {
        const std::optional<ItemProgress> &p = progress.at({exercise, number});
        if (!p)
            continue;
        ++overview.seen;
        overview.known += p->stability >= KnownStability;
        overview.due += p->due <= today;
    }
    return overview;
}

namespace {

bool known(const PracticeProgress &progress, const PracticeItem &item)
{
    const std::optional<ItemProgress> &p = progress.at(item);
    return p && p->stability >= KnownStability;
}

} // namespace

int KnownCards(const PracticeProgress &progress)
{
    int cards = 0;
    for (int card = 1; card <= CardCount; ++card) {
        cards += known(progress, {Exercise::CardKeywords, card}) &&
                 known(progress, {Exercise::KeywordsCard, card}) &&
                 known(progress, {Exercise::CardDescription, card});
    }
    return cards;
}

int KnownPairs(const PracticeProgress &progress)
{
    int pairs = 0;
    for (int index = 1; index <= PairCount; ++index)
        pairs += known(progress, {Exercise::PairText, index});
    return pairs;
}

void PracticeSession::start(const DayPlan &plan)
{
    m_queue = plan.reviews + plan.fresh;
}

std::optional<PracticeItem> PracticeSession::current() const
{
    if (m_queue.isEmpty())
        return std::nullopt;
    return m_queue.first();
}

void PracticeSession::answered(bool right)
{
    if (m_queue.isEmpty())
        return;
    const PracticeItem item = m_queue.takeFirst();
    if (!right)
        m_queue.insert(std::min<qsizetype>(RequeueAfter, m_queue.size()), item);
}

int PracticeSession::reviewsLeft(const PracticeProgress &progress) const
{
    return int(std::count_if(m_queue.begin(), m_queue.end(),
                             [&](const PracticeItem &item) { return progress.at(item).has_value(); }));
}

int PracticeSession::newLeft(const PracticeProgress &progress) const
{
    return int(m_queue.size()) - reviewsLeft(progress);
}

} // namespace tessaly
