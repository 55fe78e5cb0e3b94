#pragma once

#include "app/text_file.h"
#include "widgets/on_demand_window.h"

#include <QStringList>

class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The saved Grand Tableau layouts: open one into the Grand Tableau, delete
// rows (the list before it goes to the backup) and restore the backup.
class TForm8 : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    // Loads the list file when there is one, then shows the window.
    void ShowList();
    // The save's step: appends the layout to the list file and to the rows
    // shown. false (and reported) when the file was not written.
    bool AppendEntry(const QString &line);
    // Reloads the rows from the list file when there is one, the last row
    // current.
    void ReloadList();
    // Opens the current row into the Grand Tableau.
    void OpenTableauEntry();
    // Writes the shown rows to the backup, removes the selected ones and
    // writes the rest to the list file; refused when the file changed since
    // the rows were shown.
    void DeleteSelection();
    // Shows the backup's rows; the next delete writes them to the list.
    void RestoreBackup();
    // The list file as last read or written.
    LineFile &list() { return m_list; }

    QStringList rows() const;
    int currentRow() const;
    QList<int> selectedRows() const;
    // Makes row the current and only selected row.
    void selectRow(int row);

    OnDemand<QListView> lbxGrTab{this};
    OnDemand<QPushButton> btOpen{this};
    OnDemand<QPushButton> btWisSel{this};
    OnDemand<QPushButton> btHerstel{this};
    OnDemand<QPushButton> btSluiten{this};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    void place();
    void focusLastRow();

    OnDemand<QStringListModel> m_model{this};
    LineFile m_list;
    // The generation of the list file the rows account for: its lines, or
    // the backup's rows (restored) plus the layouts saved since.
    quint64 m_known = 0;
    bool m_restored = false;
    bool m_placed = false;
};

} // namespace tessaly
