#include "combos/pair_key.h"

namespace tessaly {

QString PairKeyField(const QString &text)
{
    return text.size() == 1 ? u'0' + text : text;
}

QString PairKeyOf(const QString &a, const QString &b)
{
    return a + u'+' + b;
}

PairButtonChoice ChoosePairFromSlots(const QString &first, const QString &second)
{
    using Action = PairButtonChoice::Action;
    bool ok = false;
    const int a = first.toInt(&ok);
    if (!ok)
        return {Action::NotANumber, first, {}};
    const int b = second.toInt(&ok);
    if (!ok)
        return {Action::NotANumber, second, {}};
    if (a == b)
        return {Action::SameCard, {}, {}};
    return {Action::LookUp, PairKeyField(first), PairKeyField(second)};
}

QString NotANumberMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

} // namespace tessaly
