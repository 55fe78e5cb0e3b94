#pragma once

#include "app/text_file.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessaly {

// The saved-spread list: one entry per line,
//   "08.dec.26 *(vraag over werk) / 12 05 09 00 33"
// date (9), kind marker, remark in parentheses, " / ", the cards. Readers use
// fixed positions, so every rule that reads a line lives here.

inline const QString ListFile = QStringLiteral("Orvalis.txt");
inline const QString ListBackup = QStringLiteral("Orvalis.bak");
inline const QString DayCardFile = QStringLiteral("Kelvaro.txt");

// The save's step on the files: the line appended to the list, then the new
// list copied to the backup. error tells what went wrong, also when only the
// backup failed and the entry is saved.
struct AppendResult
{
    bool listWritten = false;
    QString error;
};
AppendResult AppendToList(LineFile &list, const QString &line, const QString &backup);

enum class SpreadKind { None, Three, Five, Nine };

// " ", " *" or " #".
QString KindMarker(SpreadKind kind);
int CardCountOf(SpreadKind kind);

// A card slot's text as a two-character field: "" and "0" give "00", "7" "07".
QString CardField(const QString &slotText);

// "(remark)", with "(...)" for an empty remark.
QString ListRemark(const QString &remark);
// The entry line; cards are card fields, as many as the kind holds.
QString EntryLine(const QString &date, SpreadKind kind, const QString &remark, const QStringList &cards);
// The companion program's line: date, "(remark)" as typed ("()" when
// empty), " [0] " and three card fields.
QString DayCardLine(const QString &date, const QString &remark, const QStringList &threeCards);

// Characters that would break the line's grammar.
bool HasForbiddenRemarkCharacter(const QString &text);
// The characters of a remark that the list file cannot hold: line breaks
// (shown as "↵") and anything outside Windows-1252. Empty when it is fine.
QString UnstorableCharacters(const QString &text);
constexpr int MaxRemarkLength = 90;

// Reading rules.
SpreadKind SpreadKindOf(const QString &line);
// The text after the first "/"; nullopt when there is none.
std::optional<QString> CardPart(const QString &line);
// 3, 5 or 9 from the length of the card part; 0 for a line that can't be opened.
int EntryCardCount(const QString &line);
// Card i (1-based) of a card part; nullopt when the field is not a number.
std::optional<int> CardAt(const QString &cardPart, int i);
// From the blank after the first ") /" to the end; empty when there is none.
QString CountedPart(const QString &line);
// Characters 8 and 9: the two-digit year.
QString EntryYear(const QString &line);
// The same as a view into the line, for counting a long journal without a
// string per line.
QStringView EntryYearView(const QString &line);

struct RemarkParts
{
    QString head;
    QString remark;
    QString tail;
};
// Splits an entry into the text before its remark, the remark and the rest;
// nullopt for a line without a kind or too short to hold the parts.
std::optional<RemarkParts> RemarkSplit(const QString &line);

// 1-based number of the last line equal to text; 0 when none is.
int FindFileLine(const QStringList &lines, const QString &text);

// The lines of the kinds asked for, in file order. All three kinds give every
// line, those of no kind included.
QStringList FilterByKind(const QStringList &lines, bool three, bool five, bool nine);

// Lines that contain text, case-sensitively.
QStringList SearchLines(const QStringList &lines, const QString &text);

// Three-card sequences that stand in two entries of different dates: for each
// such pair of lines, "01 02 03 - " and each line, sorted case-insensitively,
// each text once. Uses an index of the sequences, so a long journal stays fast.
QStringList FindDuplicateTriples(const QStringList &lines);

// Sorts case-insensitively, keeping one of each group of texts that differ
// only in case (the lowest in plain order).
QStringList SortedUniqueIgnoringCase(QStringList texts);

} // namespace tessaly
