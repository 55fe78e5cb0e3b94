#include "app/text_file.h"

#include "catalogue/catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace tessaly {

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

bool FileExists(const QString &path)
{
    return QFileInfo::exists(path);
}

bool DeleteFile(const QString &path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

std::optional<QStringList> ReadLines(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Kan %1 niet lezen.").arg(fileName(path)));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("Kan %1 niet lezen.").arg(fileName(path)));
        return std::nullopt;
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QString text = FromWindows1252(bytes);
    if (text.isEmpty())
        return QStringList();
    QStringList lines = text.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool WriteLines(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n')) {
            setError(error, QStringLiteral("Een regel voor %1 bevat een regeleinde.").arg(fileName(path)));
            return false;
        }
        const std::optional<QByteArray> encoded = ToWindows1252(line);
        if (!encoded) {
            setError(error, QStringLiteral("Een regel voor %1 bevat tekens die niet bewaard kunnen worden.")
                                .arg(fileName(path)));
            return false;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        setError(error, QStringLiteral("Kan %1 niet schrijven.").arg(fileName(path)));
        return false;
    }
    return true;
}

} // namespace tessaly
