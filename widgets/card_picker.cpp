#include "widgets/card_picker.h"

#include "catalogue/catalogue.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tessaly {

QComboBox *MakeCardPicker(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Completion is done here, so that two typed digits choose that card.
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(18);
    for (int card = 1; card <= CardCount; ++card)
        box->addItem(CardTitle(card));
    return box;
}

int CompleteCardPicker(QComboBox *picker, const QString &typed, bool byName)
{
    int item = -1;
    // Where the typed part ends within the chosen title.
    qsizetype typedEnd = typed.size();
    if (!typed.isEmpty()) {
        for (int card = 1; card <= CardCount && item < 0; ++card)
            if (CardTitle(card).startsWith(typed, Qt::CaseInsensitive))
                item = card - 1;
        // A name typed on after a completed title ("12) Vr") is read as "Vr".
        const bool afterTitle = typed.size() > 4 && typed[0].isDigit() && typed[1].isDigit() &&
                                typed.mid(2, 2) == QLatin1String(") ");
        const QString name = afterTitle ? typed.mid(4) : typed;
        for (int card = 1; byName && card <= CardCount && item < 0; ++card)
            if (CardName(card).startsWith(name, Qt::CaseInsensitive)) {
                item = card - 1;
                typedEnd = CardTitle(card).size() - CardName(card).size() + name.size();
            }
    }
    if (item >= 0) {
        QSignalBlocker block(picker);
        picker->setCurrentIndex(item);
        picker->setEditText(picker->itemText(item));
        // The completed part stays selected, so the next key replaces it.
        picker->lineEdit()->setSelection(int(picker->currentText().size()),
                                         int(typedEnd - picker->currentText().size()));
    }
    return item;
}

void RevertCardPicker(QComboBox *picker, int item)
{
    QSignalBlocker block(picker);
    picker->setCurrentIndex(item);
    picker->setEditText(picker->itemText(item));
    picker->lineEdit()->selectAll();
}

} // namespace tessaly
