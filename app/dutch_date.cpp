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

} // namespace tessaly
