#include "catalogue/catalogue.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tessaly {

QString FromWindows1252(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

std::optional<QByteArray> ToWindows1252(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    // A lossy conversion substitutes '?'; a round trip shows it.
    if (FromWindows1252(bytes) != text)
        return std::nullopt;
    return bytes;
}

QStringList SplitCrLf(const QString &text)
{
    // As a line list reads a file: a final CR LF ends the last line rather
    // than starting an empty one.
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (text.endsWith(QStringLiteral("\r\n")))
        lines.removeLast();
    return lines;
}

} // namespace tessaly
