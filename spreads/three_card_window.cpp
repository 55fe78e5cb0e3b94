#include "spreads/three_card_window.h"

#include "widgets/card_entry.h"

#include <QLineEdit>

namespace tessaly {

TForm4::TForm4(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("3 Dagkaartjes"));
    for (int i = 1; i <= 3; ++i) {
        m_edits[i] = CreateCardEntry(this, QStringLiteral("Edit%1").arg(i));
        m_edits[i]->setGeometry(10 + (i - 1) * 40, 10, 32, 21);
    }
}

} // namespace tessaly
