#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The journal entries that hold one card, of all years or one; a click
// opens an entry into the spread windows without marking it saved.
class TSelectie : public QWidget
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

    QListView *lbSelect = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *btSluit = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool FormKeyDown(int key);

    QStringListModel *m_model = nullptr;
    bool m_placed = false;
};

} // namespace tessaly
