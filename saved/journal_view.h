#pragma once

#include <QRect>
#include <QStringList>

#include <optional>

class QListView;
class QStringListModel;
class QWidget;

namespace tessaly {

// A read-only list of journal lines in a fixed-pitch font, so that the
// columns of dates, remarks and cards line up; a model/view list because the
// journal can hold a hundred thousand lines.
QListView *MakeJournalView(QWidget *parent, const char *name, QRect geometry, QStringListModel *model);

// The journal's lines; nullopt when it is missing, or unreadable (reported).
std::optional<QStringList> ReadJournal();

// Each row followed by CR LF, onto the clipboard.
void CopyRows(const QStringList &rows);

// Why a line of a damaged journal is not offered for editing.
QString TooLongToEdit(qsizetype characters);

// Buttons and check boxes of the window are named by their caption without
// "&" for screen readers, and described by their hint.
void NameButtons(QWidget *window);

} // namespace tessaly
