#pragma once

class QLineEdit;
class QString;
class QWidget;

namespace tessaly {

// An entry field for one card: digits only, at most two, centred.
QLineEdit *CreateCardEntry(QWidget *parent, const QString &name);

} // namespace tessaly
