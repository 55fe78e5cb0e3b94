#pragma once

#include <QString>
#include <QTest>

#include <cmath>

// Equal to one part in a billion; an expected 0 only by 0 itself.
inline bool CloseTo(double actual, double expected)
{
    if (expected == 0)
        return actual == 0;
    return std::abs(actual - expected) <= 1e-9 * std::abs(expected);
}

#define COMPARE_CLOSE(actual, expected)                                                                      \
    QVERIFY2(                                                                                                \
        CloseTo(actual, expected),                                                                           \
        qPrintable(QStringLiteral("%1 instead of %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)))
