#pragma once

class QLineEdit;
class QString;
class QWidget;

namespace tessaly {

// An entry field for one card: digits only, at most two, centred.
QLineEdit *CreateCardEntry(QWidget *parent, const QString &name);

// The card typed in an entry field: 0 when empty; a number above 36 empties
// the field (which runs its change handling again) and gives 0.
int ReadCardEntry(QLineEdit *edit);

} // namespace tessaly
