#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The saved-spread list: reopen, filter by kind, delete, edit remarks, look
// for repeated three-card sequences, search and copy.
class TVerleden : public QWidget
{
    Q_OBJECT

public:
    explicit TVerleden(QWidget *parent = nullptr);

    // Reload and show in the file view with all kinds.
    void RefreshList();
    // Rebuild the file view from the file for the ticked kinds.
    void ApplyKindFilter();
    // Open the current row into the spread windows.
    void OpenEntry();
    void FindFileLine();
    void FindDuplicateTriples();
    void SearchList();
    void EditRemark();
    void DeleteSelection();
    void EmptyList();
    void CopyList();
    // Reload the rows from the file without showing the window.
    void LoadFromFile();
    // What the main window does to this window each time it is shown.
    void ResetForMainShow();
    // RefreshList, all three kinds ticked, then the filter: the End key.
    void OpenAllKinds();

    QStringList rows() const;
    int currentRow() const;
    QList<int> selectedRows() const;
    // Makes row the current and only selected row.
    void selectRow(int row);

    int SelectedFileLine = 0;
    int ListEntryCount = 0;
    bool OpenPrevious = false;
    bool OpenNext = false;

    QLabel *lbAantal = nullptr;
    QLabel *lbSel = nullptr;
    QListView *lbxLijst = nullptr;
    QPushButton *btWisLst = nullptr;
    QPushButton *btKopieLst = nullptr;
    QPushButton *btWisSel = nullptr;
    QPushButton *btBewerk = nullptr;
    QPushButton *btDubbel = nullptr;
    QPushButton *btOpZoek = nullptr;
    QPushButton *btZoek = nullptr;
    QPushButton *btBewHerst = nullptr;
    QCheckBox *cbDrieK = nullptr;
    QCheckBox *cbVijfK = nullptr;
    QCheckBox *cbNegenK = nullptr;
    QPushButton *btTerug = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void setRows(const QStringList &rows);
    void focusLastRow();
    void setCount(int count);
    bool allKinds() const;
    // Reads the list file; a read error is reported and gives nullopt.
    std::optional<QStringList> readList();
    void setFileViewButtons(bool enabled);
    void lbxLijstClick();
    bool lbxLijstKeyDown(int key);

    QStringListModel *m_model = nullptr;
    bool m_refreshing = false;
    bool m_placed = false;
};

} // namespace tessaly
