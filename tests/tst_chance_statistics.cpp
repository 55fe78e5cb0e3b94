#include "saved/chance_statistics.h"
#include "tests/support/compare_close.h"

#include <QTest>

#include <cmath>

using namespace tessaly;

// Reference values come from SciPy 1.10.1 (Debian's python3-scipy), run by
// /usr/bin/python3 with `from scipy import stats, special`, or from exact
// rational arithmetic with Python's fractions where SciPy has no function;
// the Python line stands above each table. None is taken from this code.

Q_DECLARE_METATYPE(std::vector<double>)

class tst_ChanceStatistics : public QObject
{
    Q_OBJECT

private slots:
    void binomialTest_data();
    void binomialTest();
    void mixedSizesExact_data();
    void mixedSizesExact();
    void distributionIsWhole();
    void normalApproximation_data();
    void normalApproximation();
    void band_data();
    void band();
    void holm_data();
    void holm();
    void upperGamma_data();
    void upperGamma();
    void chiSquare_data();
    void chiSquare();
};

void tst_ChanceStatistics::binomialTest_data()
{
    // stats.binomtest(observed, entries, size / 36).pvalue
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("observed");
    QTest::addColumn<double>("p");
    QTest::newRow("none of 30, lower tail") << 30 << 3 << 0 << 0.17342662711449786;
    QTest::newRow("near the mean") << 30 << 3 << 2 << 1.0;
    QTest::newRow("far above") << 30 << 3 << 9 << 0.0005475653436648687;
    QTest::newRow("the mean itself") << 100 << 9 << 25 << 1.0;
    QTest::newRow("nine cards, above") << 100 << 9 << 40 << 0.0010801099946617435;
    QTest::newRow("nine cards, below") << 100 << 9 << 13 << 0.005203966174494995;
    QTest::newRow("twice the chance in 2000") << 2000 << 3 << 333 << 3.1921621966137614e-33;
    QTest::newRow("5000 entries, still exact") << 5000 << 5 << 700 << 0.8220381564358444;
    QTest::newRow("every entry, a far tail") << 36 << 3 << 36 << 1.4108314823814918e-39;
    QTest::newRow("no entry") << 36 << 3 << 0 << 0.07073279246193198;
}

void tst_ChanceStatistics::binomialTest()
{
    QFETCH(int, entries);
    QFETCH(int, size);
    QFETCH(int, observed);
    QFETCH(double, p);
    const std::vector<double> distribution = SuccessDistribution({{entries, size / 36.0}});
    QCOMPARE(distribution.size(), size_t(entries + 1));
    COMPARE_CLOSE(TwoSidedP(distribution, observed), p);
}

void tst_ChanceStatistics::mixedSizesExact_data()
{
    // Exact, with fractions: the convolution of binom(10, 3/36), binom(6,
    // 9/36) and binom(4, 5/36) as lists of Fractions (comb(n, x) * p**x *
    // (1-p)**(n-x)), then float(sum(q for q in pmf if q <= pmf[x])).
    QTest::addColumn<int>("observed");
    QTest::addColumn<double>("p");
    QTest::newRow("0") << 0 << 0.09451512077603251;
    QTest::newRow("1") << 1 << 0.3335782351309228;
    QTest::newRow("2") << 2 << 0.7520309231748801;
    QTest::newRow("3, the most likely") << 3 << 1.0;
    QTest::newRow("6") << 6 << 0.0535212673719803;
    QTest::newRow("8") << 8 << 0.0037769136482931776;
    QTest::newRow("12") << 12 << 1.6552247373999968e-06;
}

void tst_ChanceStatistics::mixedSizesExact()
{
    QFETCH(int, observed);
    QFETCH(double, p);
    // Given in another order than convolved, with an empty group among them.
    const std::vector<double> distribution =
        SuccessDistribution({{4, 5 / 36.0}, {0, 0.5}, {10, 3 / 36.0}, {6, 9 / 36.0}});
    QCOMPARE(distribution.size(), size_t(21));
    COMPARE_CLOSE(TwoSidedP(distribution, observed), p);
}

void tst_ChanceStatistics::distributionIsWhole()
{
    // Certain and impossible trials shift or leave the distribution.
    const std::vector<double> shifted = SuccessDistribution({{3, 1.0}, {2, 0.0}, {1, 0.5}});
    QCOMPARE(shifted, (std::vector<double>{0, 0, 0, 0.5, 0.5, 0, 0}));
    QCOMPARE(SuccessDistribution({}), std::vector<double>{1.0});
    QCOMPARE(TwoSidedP(shifted, 3), 1.0);
    QCOMPARE(TwoSidedP(shifted, 2), 0.0);
    QCOMPARE(TwoSidedP(shifted, 9), 0.0);
    // A long mixed journal still adds up to one.
    const std::vector<double> long_ =
        SuccessDistribution({{1700, 3 / 36.0}, {1800, 5 / 36.0}, {1500, 9 / 36.0}});
    double sum = 0;
    for (const double p : long_)
        sum += p;
    QVERIFY(std::abs(sum - 1) < 1e-12);
}

void tst_ChanceStatistics::normalApproximation_data()
{
    // z = (abs(x - mean) - 0.5) / math.sqrt(variance);
    // min(1, 2 * stats.norm.sf(z)) if z > 0 else 1.0
    QTest::addColumn<int>("observed");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("variance");
    QTest::addColumn<double>("p");
    QTest::newRow("far above") << 600 << 500.0 << 6000 * (1 / 12.0) * (11 / 12.0) << 3.357563338086788e-06;
    QTest::newRow("at the mean") << 500 << 500.0 << 458.3 << 1.0;
    QTest::newRow("below") << 480 << 500.0 << 458.3 << 0.3623602445086902;
    QTest::newRow("a fractional mean") << 510 << 500.2 << 458.3 << 0.6639847778638044;
    QTest::newRow("within the correction") << 2000 << 2000.3 << 1700.0 << 1.0;
    QTest::newRow("tail") << 2200 << 2000.5 << 1700.0 << 1.3898203265279587e-06;
    QTest::newRow("no spread, off the mean") << 4 << 3.0 << 0.0 << 0.0;
}

void tst_ChanceStatistics::normalApproximation()
{
    QFETCH(int, observed);
    QFETCH(double, mean);
    QFETCH(double, variance);
    QFETCH(double, p);
    COMPARE_CLOSE(NormalTwoSidedP(observed, mean, variance), p);
}

void tst_ChanceStatistics::band_data()
{
    // stats.binom.ppf(0.025, n, k / 36), stats.binom.ppf(0.975, n, k / 36);
    // for the mixed journal the fractions above, first x whose sum reaches
    // Fraction(25, 1000) and Fraction(975, 1000).
    QTest::addColumn<std::vector<double>>("distribution");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("30 x 3") << SuccessDistribution({{30, 3 / 36.0}}) << 0 << 6;
    QTest::newRow("100 x 9") << SuccessDistribution({{100, 9 / 36.0}}) << 17 << 34;
    QTest::newRow("600 x 3") << SuccessDistribution({{600, 3 / 36.0}}) << 37 << 64;
    QTest::newRow("2000 x 3") << SuccessDistribution({{2000, 3 / 36.0}}) << 143 << 191;
    QTest::newRow("5000 x 5") << SuccessDistribution({{5000, 5 / 36.0}}) << 647 << 743;
    QTest::newRow("mixed") << SuccessDistribution({{10, 3 / 36.0}, {6, 9 / 36.0}, {4, 5 / 36.0}}) << 0 << 6;
}

void tst_ChanceStatistics::band()
{
    QFETCH(std::vector<double>, distribution);
    QFETCH(int, low);
    QFETCH(int, high);
    QCOMPARE(DistributionQuantile(distribution, 0.025), low);
    QCOMPARE(DistributionQuantile(distribution, 0.975), high);
    // The continuity-corrected normal band of a long binomial lies within one
    // count of the exact one: ceil(mean +- 1.959964 sd - 0.5).
    if (distribution.size() > 1000) {
        double mean = 0;
        double square = 0;
        for (size_t x = 0; x < distribution.size(); ++x) {
            mean += x * distribution[x];
            square += double(x) * x * distribution[x];
        }
        QVERIFY(std::abs(NormalQuantile(mean, square - mean * mean, 0.025) - low) <= 1);
        QVERIFY(std::abs(NormalQuantile(mean, square - mean * mean, 0.975) - high) <= 1);
    }
}

void tst_ChanceStatistics::holm_data()
{
    // By hand: sort, multiply the i-th smallest by m - i + 1, carry the
    // largest so far, cap at 1, put back in place.
    QTest::addColumn<std::vector<double>>("p");
    QTest::addColumn<std::vector<double>>("adjusted");
    QTest::newRow("step-down") << std::vector<double>{0.01, 0.04, 0.03, 0.005}
                               << std::vector<double>{0.03, 0.06, 0.06, 0.02};
    QTest::newRow("capped at 1, order kept")
        << std::vector<double>{0.5, 0.2, 0.9} << std::vector<double>{1.0, 0.6, 1.0};
    QTest::newRow("ties") << std::vector<double>{0.01, 0.01} << std::vector<double>{0.02, 0.02};
    QTest::newRow("one") << std::vector<double>{0.3} << std::vector<double>{0.3};
    QTest::newRow("none") << std::vector<double>{} << std::vector<double>{};
}

void tst_ChanceStatistics::holm()
{
    QFETCH(std::vector<double>, p);
    QFETCH(std::vector<double>, adjusted);
    const std::vector<double> found = HolmAdjusted(p);
    QCOMPARE(found.size(), adjusted.size());
    for (size_t i = 0; i < found.size(); ++i)
        COMPARE_CLOSE(found[i], adjusted[i]);
}

void tst_ChanceStatistics::upperGamma_data()
{
    // special.gammaincc(a, x)
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("q");
    QTest::newRow("at a, series side") << 17.5 << 17.5 << 0.46820272447140193;
    QTest::newRow("small x") << 17.5 << 5.0 << 0.9999895567831909;
    QTest::newRow("fraction side") << 17.5 << 40.0 << 2.2347308682752927e-05;
    QTest::newRow("far tail") << 17.5 << 150.0 << 7.566534334331449e-44;
    QTest::newRow("very far tail") << 17.5 << 630.0 << 4.596754413851323e-242;
    QTest::newRow("a = 1/2, near 0") << 0.5 << 0.01 << 0.887537083981715;
    QTest::newRow("a = 1/2") << 0.5 << 3.0 << 0.014305878435429641;
    QTest::newRow("whole a") << 3.0 << 2.5 << 0.5438131158833297;
    QTest::newRow("large a") << 100.0 << 90.0 << 0.84177901081357;
    QTest::newRow("x = 0") << 4.0 << 0.0 << 1.0;
}

void tst_ChanceStatistics::upperGamma()
{
    QFETCH(double, a);
    QFETCH(double, x);
    QFETCH(double, q);
    COMPARE_CLOSE(RegularizedUpperGamma(a, x), q);
}

void tst_ChanceStatistics::chiSquare_data()
{
    // stats.chi2.sf(x, degrees)
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<double>("p");
    QTest::newRow("at the mean") << 35.0 << 35 << 0.46820272447140193;
    QTest::newRow("just over 0.05") << 49.8 << 35 << 0.05001805834996513;
    QTest::newRow("small") << 20.0 << 35 << 0.9802309168352655;
    QTest::newRow("huge") << 1260.0 << 35 << 4.596754413851323e-242;
    QTest::newRow("one degree") << 3.84 << 1 << 0.05004352124870519;
    QTest::newRow("zero") << 0.0 << 35 << 1.0;
}

void tst_ChanceStatistics::chiSquare()
{
    QFETCH(double, x);
    QFETCH(int, degrees);
    QFETCH(double, p);
    COMPARE_CLOSE(ChiSquareSurvival(x, degrees), p);
}

QTEST_GUILESS_MAIN(tst_ChanceStatistics)
#include "tst_chance_statistics.moc"
