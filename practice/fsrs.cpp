#include "practice/fsrs.h"

#include <algorithm>
#include <cmath>

namespace tessaly::fsrs {

namespace {

constexpr double Decay = -0.5;
// 0.9^(1/Decay) - 1, so that recall is 90 % after one stability.
constexpr double Factor = 19.0 / 81.0;
// Keeps a stability that the weights drive to zero usable as a divisor.
constexpr double MinimumStability = 0.01;

const std::array<double, 19> &w = DefaultWeights;

double grade(Rating rating)
{
    return double(static_cast<int>(rating));
}

double clampDifficulty(double d)
{
    return std::clamp(d, 1.0, 10.0);
}

double initialDifficulty(Rating rating)
{
    return clampDifficulty(w[4] - std::exp(w[5] * (grade(rating) - 1)) + 1);
}

double nextDifficulty(double d, Rating rating)
{
    const double delta = -w[6] * (grade(rating) - 3);
    // Linear damping: the nearer to 10, the smaller the step up.
    const double damped = d + delta * (10 - d) / 9;
    return clampDifficulty(w[7] * initialDifficulty(Rating::Easy) + (1 - w[7]) * damped);
}

double sameDayStability(double s, Rating rating)
{
    return s * std::exp(w[17] * (grade(rating) - 3 + w[18]));
}

double recallStability(double s, double d, double r, Rating rating)
{
    const double hardPenalty = rating == Rating::Hard ? w[15] : 1.0;
    const double easyBonus = rating == Rating::Easy ? w[16] : 1.0;
    return s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) * (std::exp(w[10] * (1 - r)) - 1) *
                        hardPenalty * easyBonus);
}

double forgetStability(double s, double d, double r)
{
    const double lapse =
        w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp(w[14] * (1 - r));
    return std::min(lapse, s / std::exp(w[17] * w[18]));
}

} // namespace

double Retrievability(double elapsedDays, double stability)
{
    return std::pow(1 + Factor * elapsedDays / stability, Decay);
}

double IntervalFor(double stability, double retention)
{
    return stability / Factor * (std::pow(retention, 1 / Decay) - 1);
}

Memory FirstMemory(Rating rating)
{
    return {std::max(w[static_cast<int>(rating) - 1], 0.1), initialDifficulty(rating)};
}

Memory NextMemory(const Memory &memory, int elapsedDays, Rating rating)
{
    const double s = std::max(memory.stability, MinimumStability);
    const double d = clampDifficulty(memory.difficulty);
    double next;
    if (elapsedDays < 1) {
        next = sameDayStability(s, rating);
    } else {
        const double r = Retrievability(elapsedDays, s);
        next = rating == Rating::Again ? forgetStability(s, d, r) : recallStability(s, d, r, rating);
    }
    return {std::max(next, MinimumStability), nextDifficulty(d, rating)};
}

int NextIntervalDays(double stability)
{
    const double days = std::round(IntervalFor(stability));
    return int(std::clamp(days, 1.0, double(MaximumIntervalDays)));
}

} // namespace tessaly::fsrs
