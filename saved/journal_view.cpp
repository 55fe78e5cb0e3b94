#include "saved/journal_view.h"

#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"

#include <QAbstractButton>
#include <QListView>
#include <QStringListModel>

namespace tessaly {

QListView *MakeJournalView(QWidget *parent, const char *name, QRect geometry, QStringListModel *model)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(geometry);
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(12);
    view->setFont(fixed);
    return view;
}

std::optional<QStringList> ReadJournal()
{
    // The list window holds the journal and reads it again only when the
    // file changed.
    LineFile &journal = Windows().Verleden->journal();
    QString error;
    if (!journal.refresh(&error)) {
        Platform::instance().message(error);
        return std::nullopt;
    }
    if (!journal.exists())
        return std::nullopt;
    return journal.lines();
}

void CopyRows(const QStringList &rows)
{
    QString text;
    for (const QString &row : rows)
        text += row + QStringLiteral("\r\n");
    Platform::instance().setClipboardText(text);
}

QString TooLongToEdit(qsizetype characters)
{
    return QStringLiteral("Deze regel is met %1 tekens te lang om hier te bewerken. Wis hem in de lijst, "
                          "of bewerk Orvalis.txt in een teksteditor.")
        .arg(characters);
}

void NameButtons(QWidget *window)
{
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        // A sign for a caption has been given a name of words already.
        if (button->accessibleName().isEmpty())
            button->setAccessibleName(QString(button->text()).remove(u'&').trimmed());
        button->setAccessibleDescription(button->toolTip());
    }
}

} // namespace tessaly
