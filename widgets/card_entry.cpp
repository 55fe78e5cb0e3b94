#include "widgets/card_entry.h"

#include "catalogue/card_slots.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tessaly {

QLineEdit *CreateCardEntry(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(2);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit));
    return edit;
}

int ReadCardEntry(QLineEdit *edit)
{
    const CardEntry entry = ReadCardEntryText(edit->text());
    if (entry.clearField)
        edit->clear();
    return entry.card;
}

} // namespace tessaly
