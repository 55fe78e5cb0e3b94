#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tessaly {

// The program's lists are Windows-1252 text with CR LF in the working
// directory. Errors come back as a short Dutch sentence for a message box.

bool FileExists(const QString &path);
// A missing file counts as deleted.
bool DeleteFile(const QString &path);

// Splits at CR LF, and also at a lone CR or LF so a hand-edited file reads
// the same way.
std::optional<QStringList> ReadLines(const QString &path, QString *error = nullptr);

// Writes every line followed by CR LF, atomically: the file is either the old
// or the new list, never half of one. Refuses text that Windows-1252 cannot
// hold or that contains a line break, before anything is written.
bool WriteLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace tessaly
