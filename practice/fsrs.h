#pragma once

#include <array>

// The Free Spaced Repetition Scheduler, version FSRS-5, as published in the
// FSRS wiki ("The Algorithm", open-spaced-repetition/fsrs4anki): its
// formulas, the FSRS-4.5 forgetting curve it keeps, and its 19 default
// weights. A forgotten item's stability is capped at S / e^(w17 * w18), as
// the published schedulers with same-day reviews do, so that one lapse and a
// same-day recall never end above where the item stood. Pure functions: time
// comes in as whole days.
namespace tessaly::fsrs {

inline constexpr std::array<double, 19> DefaultWeights = {
    0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,  1.54575, 0.1192,
    1.01925, 1.9395,  0.11,  0.29605,  2.2698, 0.2315, 2.9898, 0.51655, 0.6621};
inline constexpr double DesiredRetention = 0.9;
inline constexpr int MaximumIntervalDays = 36500;

enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct Memory
{
    double stability = 0;  // days until recall falls to 90 %
    double difficulty = 0; // 1..10
};

// Probability of recall elapsedDays after the last review.
double Retrievability(double elapsedDays, double stability);
// Days until recall falls to the retention, unrounded.
double IntervalFor(double stability, double retention = DesiredRetention);

// After the first answer to a new item.
Memory FirstMemory(Rating rating);
// After a later answer; elapsedDays 0 (or less, with a clock set back) is a
// second review on the same day.
Memory NextMemory(const Memory &memory, int elapsedDays, Rating rating);

// Whole days to the next review after a recall: the rounded interval, at
// least one so a recalled item never returns the same day.
int NextIntervalDays(double stability);

} // namespace tessaly::fsrs
