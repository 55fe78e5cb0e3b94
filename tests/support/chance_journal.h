#pragma once

#include <QStringList>

// A journal of three-, five- and nine-card entries (four, three and three in
// ten) over the years 2024 to 2026, each entry k different cards. The
// favoured card (0 for none) stands in an entry with probability 2k / 36,
// twice its chance; the other cards fill the rest evenly.
QStringList ChanceJournal(int entries, int favoured, quint32 seed);
