#include "app/dutch_date.h"

#include <array>

namespace tessaly {

QString DutchMonth(int month)
{
    static const std::array<const char *, 12> months = {"jan", "feb", "mrt", "apr", "mei", "jun",
                                                        "jul", "aug", "sep", "okt", "nov", "dec"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(months[month - 1]) : QString();
}

QString FileDate(const QDate &date)
{
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(DutchMonth(date.month()))
        .arg(date.year() % 100, 2, 10, QChar(u'0'));
}

std::optional<QDate> ParseFileDate(const QString &text)
{
    static const std::array<const char *, 12> english = {"jan", "feb", "mar", "apr", "may", "jun",
                                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    if (text.size() != 9 || text[2] != u'.' || text[6] != u'.')
        return std::nullopt;
    for (const int at : {0, 1, 7, 8})
        if (!text[at].isDigit() || text[at].unicode() > u'9')
            return std::nullopt;
    const QString month = text.mid(3, 3).toLower();
    int number = 0;
    for (int m = 1; m <= 12 && number == 0; ++m)
        if (month == DutchMonth(m) || month == QLatin1String(english[size_t(m - 1)]))
            number = m;
    const QDate date(2000 + text.mid(7, 2).toInt(), number, text.left(2).toInt());
    if (number == 0 || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace tessaly
