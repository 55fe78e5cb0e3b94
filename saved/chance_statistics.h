#pragma once

#include <vector>

namespace tessaly {

// The few pieces of probability the chance view of the journal needs.

// Independent trials that each succeed with the same probability.
struct TrialGroup
{
    int trials = 0;
    double probability = 0;
};

// P(X = x), x = 0..n, for the number of successes in n trials of probability p.
std::vector<double> BinomialDistribution(int trials, double probability);

// P(X = x) for the number of successes over all groups: the convolution of
// one binomial per group, so a journal of three entry sizes costs three
// binomials and two convolutions however long it is.
std::vector<double> SuccessDistribution(const std::vector<TrialGroup> &groups);

// Two-sided exact p-value of observing `observed` under a discrete
// distribution: the sum of the probabilities of every outcome no more likely
// than the observed one (the definition of scipy.stats.binomtest, with its
// relative tolerance of 1e-7 so that ties of rounding count as ties).
double TwoSidedP(const std::vector<double> &distribution, int observed);

// The same test with the normal approximation and a continuity correction:
// 2 * (1 - Phi((|observed - mean| - 1/2) / sd)), at most 1. Near a normal
// shape the outcomes no more likely than the observed one are those at least
// as far from the mean, so this is the same definition of two-sided.
double NormalTwoSidedP(int observed, double mean, double variance);

// Smallest x whose cumulative probability reaches q.
int DistributionQuantile(const std::vector<double> &distribution, double q);
// The same under the continuity-corrected normal approximation.
int NormalQuantile(double mean, double variance, double q);

// Holm's step-down adjustment of a family of p-values, in the given order.
std::vector<double> HolmAdjusted(const std::vector<double> &pValues);

// Regularized upper incomplete gamma function Q(a, x) = Gamma(a, x) / Gamma(a).
double RegularizedUpperGamma(double a, double x);
// P(X >= x) for X chi-square distributed with the given degrees of freedom.
double ChiSquareSurvival(double x, int degrees);

} // namespace tessaly
