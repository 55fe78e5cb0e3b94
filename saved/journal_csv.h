#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tessaly {

// The journal as a table for a spreadsheet: one row per line, "Datum;Soort;
// Opmerking;Kaart 1;..;Kaart 9". UTF-8 with a byte-order mark (so a
// spreadsheet knows the encoding) and ";" between fields, as Dutch
// spreadsheets expect; CR LF after every row.
QByteArray JournalCsv(const QStringList &lines);

// One row without its line end: the date as 2026-12-08, the kind ("3
// kaarten"), the remark ("(...)" gives an empty one) and the cards as
// numbers, an empty slot empty. A line that does not follow the grammar
// keeps its whole text in the remark column, so nothing is lost.
QString CsvRow(const QString &line);

// A field as it stands between the separators: quoted when it holds ";",
// '"' or a line break. A text a spreadsheet would take for a formula
// ("=", "+", "-", "@" first) gets a "'" in front.
QString CsvField(const QString &text);

inline const QString CsvFile = QStringLiteral("Orvalis.csv");

} // namespace tessaly
