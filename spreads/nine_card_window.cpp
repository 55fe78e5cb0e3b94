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

void TForm3::TakeCrossEntry(const QList<int> &cards)
{
    constexpr int CrossSlots[] = {4, 5, 6, 2, 8};
    for (int i = 0; i < cards.size() && i < 5; ++i)
        m_edits[CrossSlots[i]]->setText(QString::number(cards[i]));
}

void TForm3::TakeSquareEntry(const QList<int> &cards)
{
    for (int i = 1; i <= 9; ++i)
        m_edits[i]->setText(QString::number(cards[i - 1]));
}

void TForm3::ResetOrder() {}

void TForm3::RelabelSlots() {}

} // namespace tessaly
