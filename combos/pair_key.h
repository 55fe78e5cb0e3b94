#pragma once

#include <QString>

namespace tessaly {

// A card field as it goes into a pair key: one character gets a leading "0"
// ("5" becomes "05"); anything else stays as it is, so that a malformed
// field gives a key that is simply not found.
QString PairKeyField(const QString &text);

// "05+16": card A first.
QString PairKeyOf(const QString &a, const QString &b);

// What a pair button between two slots does with the slots' texts.
struct PairButtonChoice
{
    enum class Action { LookUp, SameCard, NotANumber };
    Action action = Action::LookUp;
    // LookUp: the two fields, padded. NotANumber: a holds the offending text.
    QString a;
    QString b;
};
PairButtonChoice ChoosePairFromSlots(const QString &first, const QString &second);

// The message for a slot text that is not a number.
QString NotANumberMessage(const QString &text);

} // namespace tessaly
