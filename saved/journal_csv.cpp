#include "saved/journal_csv.h"

#include "app/dutch_date.h"

#include <algorithm>

namespace tessaly {

namespace {

constexpr int CardColumns = 9;

QString cardField(const QString &token)
{
    const bool number =
        std::all_of(token.begin(), token.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!number)
        return token;
    const int card = token.toInt();
    return card == 0 ? QString() : QString::number(card);
}

} // namespace

QString CsvField(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@").contains(field.front()))
        field.prepend(u'\'');
    if (field.contains(u';') || field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n'))
        return u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return field;
}

QString CsvRow(const QString &line)
{
    QStringList fields;
    // Date, marker and "(" at their fixed places, then the remark up to the
    // first ") /", as the analysis reads the cards after it.
    QString kind;
    qsizetype open = -1;
    if (line.size() > 10 && line[9] == u' ' && line[10] == u'(') {
        kind = QStringLiteral("3 kaarten");
        open = 10;
    } else if (line.size() > 11 && line[9] == u' ' && line[11] == u'(' &&
               (line[10] == u'*' || line[10] == u'#')) {
        kind = line[10] == u'*' ? QStringLiteral("5 kaarten") : QStringLiteral("9 kaarten");
        open = 11;
    }
    const qsizetype close = open < 0 ? -1 : line.indexOf(QLatin1String(") /"), open);
    const QString dateText = line.left(9);
    const std::optional<QDate> date = ParseFileDate(dateText);
    if (close < 0) {
        fields << (date ? date->toString(Qt::ISODate) : QString()) << QString() << CsvField(line);
        return fields.join(u';') + QString(CardColumns, u';');
    }
    QString remark = line.mid(open + 1, close - open - 1);
    if (remark == QLatin1String("..."))
        remark.clear();
    fields << CsvField(date ? date->toString(Qt::ISODate) : dateText) << kind << CsvField(remark);
    const QStringList cards = line.mid(close + 3).split(u' ', Qt::SkipEmptyParts);
    for (const QString &card : cards)
        fields << CsvField(cardField(card));
    for (qsizetype column = cards.size(); column < CardColumns; ++column)
        fields << QString();
    return fields.join(u';');
}

QByteArray JournalCsv(const QStringList &lines)
{
    QString text = QStringLiteral("Datum;Soort;Opmerking");
    for (int column = 1; column <= CardColumns; ++column)
        text += QStringLiteral(";Kaart %1").arg(column);
    text += QStringLiteral("\r\n");
    for (const QString &line : lines)
        text += CsvRow(line) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace tessaly
