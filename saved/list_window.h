#pragma once

#include "app/text_file.h"
#include "widgets/on_demand_window.h"

#include <QStringList>

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The saved-spread list: reopen, filter by kind, delete, edit remarks, look
// for repeated three-card sequences, search and copy.
class TVerleden : public OnDemandWindow
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
    // Reload the rows from the file; a hidden window reads it when shown or
    // when its rows are asked for.
    void LoadFromFile();
    // The save's step on the list: appends the entry to the file and its
    // backup and adds the row. false (and reported) when the list was not
    // written.
    bool AppendEntry(const QString &line);
    // The journal as last read or written.
    LineFile &journal() { return m_journal; }
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

    OnDemand<QLabel> lbAantal{this};
    OnDemand<QLabel> lbSel{this};
    OnDemand<QListView> lbxLijst{this};
    OnDemand<QPushButton> btWisLst{this};
    OnDemand<QPushButton> btKopieLst{this};
    OnDemand<QPushButton> btWisSel{this};
    OnDemand<QPushButton> btBewerk{this};
    OnDemand<QPushButton> btDubbel{this};
    OnDemand<QPushButton> btOpZoek{this};
    OnDemand<QPushButton> btZoek{this};
    OnDemand<QPushButton> btBewHerst{this};
    OnDemand<QCheckBox> cbDrieK{this};
    OnDemand<QCheckBox> cbVijfK{this};
    OnDemand<QCheckBox> cbNegenK{this};
    OnDemand<QPushButton> btTerug{this};

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    void setRows(const QStringList &rows);
    void focusLastRow();
    void setCount(int count);
    bool allKinds() const;
    // Reads the list file when it changed; false (and reported) when it
    // can't be read.
    bool readJournal();
    // The same; a read error is reported and gives
    // nullopt, as does a missing file.
    std::optional<QStringList> readList();
    // Rows of the file view for the ticked kinds, unless they are shown already.
    void showFileRows(bool three, bool five, bool nine);
    void loadRows();
    void filterRows();
    // Does the reading a hidden window put off.
    void ensureRows() const;
    // Before rows are written back: whether the file is still the one shown
    // (rowsAreFile: and the rows are its lines); if not, reloads and says so.
    bool checkUnchanged(bool rowsAreFile);
    QString rowText(int row) const;
    void setFileViewButtons(bool enabled);
    void lbxLijstClick();
    bool lbxLijstKeyDown(int key);

    OnDemand<QStringListModel> m_model{this};
    LineFile m_journal;
    enum class Pending { None, Load, Filter };
    mutable Pending m_pending = Pending::None;
    // What the rows show: the file's lines of some kinds at a generation of
    // the journal, or something else (search results).
    struct View
    {
        bool file = false;
        bool three = true;
        bool five = true;
        bool nine = true;
        quint64 generation = 0;
    } m_view;
    QString m_reportedError;
    bool m_refreshing = false;
    bool m_placed = false;
};

} // namespace tessaly
