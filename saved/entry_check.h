#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tessaly {

// The cards of an entry that can be opened: 3, 5 or 9 by the length of its
// card part, each field two digits; nullopt for any other line, so a
// hand-edited field that is not a number opens nothing.
std::optional<QList<int>> EntryCards(const QString &line);

// Whether a line still has the form the save writes: "dd.mmm.yy", the kind
// marker, "(remark)" without "*", "#" or "/", " / " and as many cards
// (00..36) as the kind holds. Hand-edited lines may leave it.
bool FollowsLineGrammar(const QString &line);

} // namespace tessaly
