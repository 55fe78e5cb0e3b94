#pragma once

#include "widgets/on_demand_window.h"

#include <QStringList>

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// Edits one journal line as free text and puts the backup back. Shows every
// line in file order, so a row's position is its line number.
class TBewerk : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TBewerk(QWidget *parent = nullptr);

    void EditWholeLine();
    void RestoreBackup();

    QStringList rows() const;
    // 0-based; -1 when no row is selected.
    int selectedRow() const;
    void selectRow(int row);

    OnDemand<QLabel> lbReg{this};
    OnDemand<QListView> lbxHerstel{this};
    OnDemand<QPushButton> btBack{this};
    OnDemand<QPushButton> btLijn{this};
    OnDemand<QPushButton> btSluit{this};

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls() override;
    void FormShow();
    void showLineNumber();
    // The new text for line, asked until it can be stored; nullopt on Cancel.
    std::optional<QString> askLine(const QString &line);
    bool FormKeyDown(int key);
    // Whether the file still holds the rows shown; if not, says so and
    // reloads them.
    bool stillTheFile();

    OnDemand<QStringListModel> m_model{this};
    bool m_placed = false;
    // The journal's generation the rows show.
    quint64 m_shown = 0;
};

} // namespace tessaly
