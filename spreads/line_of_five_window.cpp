#include "spreads/line_of_five_window.h"

#include "spreads/square_arrangement.h"
#include "widgets/card_entry.h"

#include <QLineEdit>

namespace tessaly {

TForm2::TForm2(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Lijn van 5"));
    for (int i = 1; i <= 9; ++i) {
        m_edits[i] = CreateCardEntry(this, QStringLiteral("Edit%1").arg(i));
        m_edits[i]->setGeometry(10 + (i - 1) * 40, 10, 32, 21);
    }
}

void TForm2::TakeFiveEntry(const QList<int> &cards)
{
    for (int i = 1; i <= 5; ++i)
        m_edits[i]->setText(QString::number(cards[i - 1]));
}

void TForm2::TakeNineEntry(const QList<int> &cards)
{
    for (int slot = 1; slot <= 9; ++slot)
        m_edits[slot]->setText(QString::number(cards[SquarePositionOfLineSlot[slot] - 1]));
}

void TForm2::ResetOrder() {}

} // namespace tessaly
