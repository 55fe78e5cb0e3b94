#pragma once

#include "widgets/on_demand_window.h"

#include <QStringList>

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The journal entries that hold one card, of all years or one; a click
// opens an entry into the spread windows without marking it saved.
class TSelectie : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TSelectie(QWidget *parent = nullptr);

    void FillSelection();
    // Opens the entry of the row; rows that are not entries open nothing.
    void OpenSelectedEntry(int row);
    void BitBtn1Click();

    QStringList rows() const;

    // Set by the analysis window before it shows this one: the card in two
    // digits, its text for the label, and the year ("" for all years).
    QString SelectionCardNo;
    QString SelectionCardText;
    QString SelectionYear;

    OnDemand<QListView> lbSelect{this};
    OnDemand<QPushButton> BitBtn1{this};
    OnDemand<QLabel> Label1{this};
    OnDemand<QPushButton> btSluit{this};

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls() override;
    bool FormKeyDown(int key);

    OnDemand<QStringListModel> m_model{this};
    bool m_placed = false;
};

} // namespace tessaly
