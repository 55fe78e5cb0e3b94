#include "saved/chance_statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace tessaly {

namespace {

// scipy.stats.binomtest's tolerance: outcomes within it of the observed
// probability are as likely as the observed one.
constexpr double RelativeTolerance = 1 + 1e-7;

double normalUpperTail(double z)
{
    return 0.5 * std::erfc(z / std::sqrt(2.0));
}

// Phi^-1(q), by bisection: called once per recount, so plain and sure beats fast.
double normalInverse(double q)
{
    double low = -40;
    double high = 40;
    for (int step = 0; step < 200 && high - low > 1e-13; ++step) {
        const double middle = (low + high) / 2;
        if (1 - normalUpperTail(middle) < q)
            low = middle;
        else
            high = middle;
    }
    return (low + high) / 2;
}

std::vector<double> convolve(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> result(a.size() + b.size() - 1, 0.0);
    for (size_t i = 0; i < a.size(); ++i) {
        const double weight = a[i];
        if (weight == 0)
            continue;
        double *out = result.data() + i;
        for (size_t j = 0; j < b.size(); ++j)
            out[j] += weight * b[j];
    }
    return result;
}

// The logarithm of the factor in front of both gamma expansions.
double gammaFront(double a, double x)
{
    return -x + a * std::log(x) - std::lgamma(a);
}

// P(a, x) by its power series; converges fast for x < a + 1.
double lowerGammaSeries(double a, double x)
{
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < 10000; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::abs(term) < std::abs(sum) * 1e-16)
            break;
    }
    return sum * std::exp(gammaFront(a, x));
}

// Q(a, x) by its continued fraction (modified Lentz); converges fast for
// x >= a + 1, and keeps the relative precision of a tiny tail.
double upperGammaFraction(double a, double x)
{
    constexpr double tiny = 1e-300;
    double b = x + 1 - a;
    double c = 1 / tiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 10000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::abs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::abs(c) < tiny)
            c = tiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::abs(delta - 1) < 1e-16)
            break;
    }
    return std::exp(gammaFront(a, x)) * h;
}

} // namespace

std::vector<double> BinomialDistribution(int trials, double probability)
{
    std::vector<double> distribution(size_t(std::max(trials, 0)) + 1, 0.0);
    if (probability <= 0) {
        distribution.front() = 1;
        return distribution;
    }
    if (probability >= 1) {
        distribution.back() = 1;
        return distribution;
    }
    // Through logarithms, so that a long journal neither overflows the
    // binomial coefficient nor loses the tails.
    const double logP = std::log(probability);
    const double logQ = std::log1p(-probability);
    const double logAll = std::lgamma(trials + 1.0);
    double sum = 0;
    for (int x = 0; x <= trials; ++x) {
        distribution[size_t(x)] = std::exp(logAll - std::lgamma(x + 1.0) - std::lgamma(trials - x + 1.0) +
                                           x * logP + (trials - x) * logQ);
        sum += distribution[size_t(x)];
    }
    // The rounding of lgamma for thousands of trials is shared by every term;
    // dividing by the sum takes it out.
    for (double &probability : distribution)
        probability /= sum;
    return distribution;
}

std::vector<double> SuccessDistribution(const std::vector<TrialGroup> &groups)
{
    std::vector<double> result{1.0};
    // Small ones first: each convolution costs the product of the lengths.
    std::vector<TrialGroup> ordered;
    for (const TrialGroup &group : groups)
        if (group.trials > 0)
            ordered.push_back(group);
    std::sort(ordered.begin(), ordered.end(),
              [](const TrialGroup &a, const TrialGroup &b) { return a.trials < b.trials; });
    for (const TrialGroup &group : ordered)
        result = convolve(result, BinomialDistribution(group.trials, group.probability));
    return result;
}

double TwoSidedP(const std::vector<double> &distribution, int observed)
{
    if (observed < 0 || size_t(observed) >= distribution.size())
        return 0;
    const double limit = distribution[size_t(observed)] * RelativeTolerance;
    double p = 0;
    for (const double probability : distribution)
        if (probability <= limit)
            p += probability;
    return std::min(1.0, p);
}

double NormalTwoSidedP(int observed, double mean, double variance)
{
    const double distance = std::abs(observed - mean);
    if (variance <= 0)
        return distance < 0.5 ? 1.0 : 0.0;
    const double z = (distance - 0.5) / std::sqrt(variance);
    if (z <= 0)
        return 1;
    return std::min(1.0, 2 * normalUpperTail(z));
}

int DistributionQuantile(const std::vector<double> &distribution, double q)
{
    double cumulative = 0;
    for (size_t x = 0; x < distribution.size(); ++x) {
        cumulative += distribution[x];
        if (cumulative >= q)
            return int(x);
    }
    return int(distribution.size()) - 1;
}

int NormalQuantile(double mean, double variance, double q)
{
    if (variance <= 0)
        return int(std::lround(mean));
    // Phi((x + 1/2 - mean) / sd) >= q.
    return int(std::ceil(mean + std::sqrt(variance) * normalInverse(q) - 0.5));
}

std::vector<double> HolmAdjusted(const std::vector<double> &pValues)
{
    const size_t m = pValues.size();
    std::vector<size_t> order(m);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return pValues[a] < pValues[b]; });
    std::vector<double> adjusted(m);
    double running = 0;
    for (size_t rank = 0; rank < m; ++rank) {
        // Each step may only raise the bar: the adjusted values keep the order.
        running = std::max(running, std::min(1.0, double(m - rank) * pValues[order[rank]]));
        adjusted[order[rank]] = running;
    }
    return adjusted;
}

double RegularizedUpperGamma(double a, double x)
{
    if (!(a > 0) || std::isnan(x))
        return std::numeric_limits<double>::quiet_NaN();
    if (x <= 0)
        return 1;
    if (std::isinf(x))
        return 0;
    if (x < a + 1)
        return std::max(0.0, 1 - lowerGammaSeries(a, x));
    return upperGammaFraction(a, x);
}

double ChiSquareSurvival(double x, int degrees)
{
    return RegularizedUpperGamma(degrees / 2.0, x / 2.0);
}

} // namespace tessaly
