#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace tessaly {

// Thirty hyphens: the closing line of every copy text.
inline const QString Dashes = QStringLiteral("------------------------------");

struct CopyTexts
{
    QString full;     // the pyramid of ten
    QString triangle; // the triangle of six
};

// The daily spread as text for a diary or a message: titles first, keywords
// second, each row of the pyramid one line, CR as line break. Slots 1..10 are
// entries 0..9.
CopyTexts BuildCopyTexts(const std::array<QString, 10> &titles, const std::array<QString, 10> &keywords,
                         const QString &magicCaption, const QDate &date);

// What "Kopieer" puts on the clipboard: the text and one more dash line.
QString ClipboardCopyText(const QString &text);

// A Dutch enumeration: "a", "a en b", "a, b en c".
QString JoinDutch(const QStringList &parts);

} // namespace tessaly
