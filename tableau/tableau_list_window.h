#pragma once

#include <QStringList>
#include <QWidget>

class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The saved Grand Tableau layouts: open one into the Grand Tableau, delete
// rows (the list before it goes to the backup) and restore the backup.
class TForm8 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    // Loads the list file when there is one, then shows the window.
    void ShowList();
    // Reloads the rows from the list file when there is one, the last row
    // current.
    void ReloadList();
    // Opens the current row into the Grand Tableau.
    void OpenTableauEntry();
    // Writes the shown rows to the backup, removes the selected ones and
    // writes the rest to the list file.
    void DeleteSelection();
    // Shows the backup's rows; the next delete writes them to the list.
    void RestoreBackup();

    QStringList rows() const;
    int currentRow() const;
    QList<int> selectedRows() const;
    // Makes row the current and only selected row.
    void selectRow(int row);

    QListView *lbxGrTab = nullptr;
    QPushButton *btOpen = nullptr;
    QPushButton *btWisSel = nullptr;
    QPushButton *btHerstel = nullptr;
    QPushButton *btSluiten = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Reads a list; a read error is reported and gives nullopt.
    bool loadFrom(const QString &path);
    void place();
    void focusLastRow();

    QStringListModel *m_model = nullptr;
    bool m_placed = false;
};

} // namespace tessaly
