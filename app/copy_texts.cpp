#include "app/copy_texts.h"

namespace tessaly {

namespace {

const QChar CR(u'\r');

QString pyramidBlock(const std::array<QString, 10> &x)
{
    return u' ' + x[0] + QStringLiteral(" + ") + x[1] + QStringLiteral(" + ") + x[2] + QStringLiteral(" = ") +
           x[3] + CR + u' ' + x[4] + QStringLiteral(" - ") + x[5] + QStringLiteral(" - ") + x[6] + CR + u' ' +
           x[7] + QStringLiteral(" - ") + x[8] + CR + u' ' + x[9] + CR;
}

QString triangleBlock(const std::array<QString, 10> &x)
{
    return u' ' + x[0] + QStringLiteral(" - ") + x[1] + QStringLiteral(" - ") + x[2] + CR + u' ' + x[4] +
           QStringLiteral(" - ") + x[5] + CR + u' ' + x[7] + CR;
}

} // namespace

CopyTexts BuildCopyTexts(const std::array<QString, 10> &titles, const std::array<QString, 10> &keywords,
                         const QString &magicCaption, const QDate &date)
{
    const QString header =
        QStringLiteral("Mijn kaartjes voor %1-%2-%3: ").arg(date.day()).arg(date.month()).arg(date.year()) +
        CR + CR;
    const QString tail = magicCaption + CR + Dashes + CR;
    return {header + pyramidBlock(titles) + CR + pyramidBlock(keywords) + CR + tail,
            header + triangleBlock(titles) + CR + triangleBlock(keywords) + CR + tail};
}

QString ClipboardCopyText(const QString &text)
{
    return text + CR + Dashes + CR;
}

QString JoinDutch(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" en ") + parts.last();
}

} // namespace tessaly
