#pragma once

#include <QDate>
#include <QString>

namespace tessaly {

// Fixed Dutch month abbreviations ("jan" .. "dec"), whatever the machine's
// locale: saved lines are fixed-width and a locale's "dec." would break them.
QString DutchMonth(int month);

// "08.dec.26": the date form of every saved line.
QString FileDate(const QDate &date);

} // namespace tessaly
