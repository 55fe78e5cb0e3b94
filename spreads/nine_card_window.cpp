#include "spreads/nine_card_window.h"

#include "widgets/card_entry.h"

#include <QLineEdit>

namespace tessaly {

TForm3::TForm3(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("9-Kaart Kruis+Vierkant"));
    for (int i = 1; i <= 9; ++i) {
        m_edits[i] = CreateCardEntry(this, QStringLiteral("Edit%1").arg(i));
        m_edits[i]->setGeometry(10 + (i - 1) * 40, 10, 32, 21);
    }
}

} // namespace tessaly
