#pragma once

#include <QChar>
#include <QStringListModel>

namespace tessaly {

// No list entry is this long; a longer line is drawn cut off with a mark, so
// a damaged file (one line of megabytes) neither freezes the view nor makes
// it unusable. Its text, comparisons and the file keep it whole.
constexpr int LongestDrawnLine = 1000;

// The rows of a list file for a list view: each line drawn at most
// LongestDrawnLine characters long; the edit role gives the whole line.
class LineListModel : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QStringListModel::data(index, role);
        const QString text = QStringListModel::data(index, Qt::EditRole).toString();
        if (text.size() <= LongestDrawnLine)
            return text;
        return QString(text.left(LongestDrawnLine) + QChar(0x2026));
    }
};

} // namespace tessaly
