#pragma once

#include <QStringList>

// The duplicate-sequence rule exactly as stated, comparing every line with
// every later line: the reference the indexed search must agree with.
QStringList LiteralDuplicateTriples(const QStringList &lines);

// A journal of mixed three-, five- and nine-card entries over a few dates,
// with repeated sequences, hand-edited and malformed lines among them.
QStringList GeneratedJournal(int entries, quint32 seed);
