#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tessaly {

// Fixed Dutch month abbreviations ("jan" .. "dec"), whatever the machine's
// locale: saved lines are fixed-width and a locale's "dec." would break them.
QString DutchMonth(int month);

// "08.dec.26": the date form of every saved line.
QString FileDate(const QDate &date);
// The date of "08.dec.26" (years 2000..2099); the months in any case, and
// also in English ("mar", "may", "oct"), as another locale may have written
// them. nullopt for anything else.
std::optional<QDate> ParseFileDate(const QString &text);

} // namespace tessaly
