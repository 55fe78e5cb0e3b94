#pragma once

class QComboBox;
class QString;
class QWidget;

namespace tessaly {

// An editable drop-down of the 36 card titles ("01) Ruiter") that completes
// what is typed itself, so that two typed digits choose that card.
QComboBox *MakeCardPicker(QWidget *parent, const QString &name);

// Text typed into a card picker: the first title that starts with it (case
// ignored) becomes current, the completed part selected so that the next key
// replaces it. With byName, a name ("vrouw") is taken where no title
// matches. Returns that item (card - 1), or -1 when nothing matches.
int CompleteCardPicker(QComboBox *picker, const QString &typed, bool byName = false);
// Text that names no card gives way to item, shown whole and selected so that
// the next key replaces it; without signals, since no card was chosen.
void RevertCardPicker(QComboBox *picker, int item);

} // namespace tessaly
