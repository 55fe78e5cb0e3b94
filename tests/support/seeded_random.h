#pragma once

#include "catalogue/random_source.h"

#include <QtGlobal>

#include <random>

// Draws that a test can replay: the same seed gives the same draws.
class SeededRandom : public tessaly::RandomSource
{
public:
    explicit SeededRandom(quint32 seed)
        : m_engine(seed)
    {
    }
    int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }

private:
    std::mt19937 m_engine;
};
