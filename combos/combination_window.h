#pragma once

#include "widgets/on_demand_window.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;

namespace tessaly {

// The combination meanings of a card pair window. A companion window: it
// stands beside the spread window that opened it and hides nothing.
class TForm5 : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    // Shows the window and looks up Shared().CurrentPairKey; the caller has
    // put the key's two numbers into edKaart1 and edKaart2. A key that is not
    // a pair changes nothing.
    void LookUpPair();
    // The pair buttons: a and b are two-digit card texts ("05", "16"); sets
    // the key and both fields, then looks the pair up.
    void LookUpCards(const QString &a, const QString &b);
    // A pair button between two slots, given the slots' texts as typed ("5",
    // "16"): equal numbers do nothing, an empty slot is reported as not a
    // number, anything else is padded and looked up as LookUpCards.
    void LookUpSlots(const QString &first, const QString &second);
    // Shows the window as it stands, without a lookup.
    void ShowWithoutLookup();
    // A nine-card picture click: the slot's text goes to the field whose turn
    // it is (PairPickToA / PairPickToB); nothing is looked up.
    void PickCard(const QString &slotText);

    // The buttons.
    void btZoekopClick();
    void btWisselClick();
    void btWissenClick();
    void btSluitClick();

    // The lines each area shows.
    QStringList cardALines() const;
    QStringList cardBLines() const;

    OnDemand<QLineEdit> edKaart1{this};
    OnDemand<QLineEdit> edKaart2{this};
    OnDemand<QListView> ListBox1{this};
    OnDemand<QListView> ListBox2{this};
    OnDemand<QLabel> Label1{this};
    OnDemand<QLabel> Label2{this};
    OnDemand<QLabel> Label3{this};
    OnDemand<QLabel> Label4{this};
    OnDemand<QLabel> Label5{this};
    OnDemand<QPlainTextEdit> MeCom{this};
    OnDemand<QPlainTextEdit> Memo{this};
    OnDemand<QPushButton> btWissen{this};
    OnDemand<QPushButton> btWissel{this};
    OnDemand<QPushButton> btZoekop{this};
    OnDemand<QPushButton> btSluit{this};

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    void FormShow();
    void FormClose();
    bool FormKeyDown(QKeyEvent *event);
    void showBeside();
    const QWidget *workingWindow() const;
    void clearTexts();

    OnDemand<QStringListModel> m_cardA{this};
    OnDemand<QStringListModel> m_cardB{this};
    bool m_placed = false;
    // Pair index of the texts shown; 0 when none are.
    int m_shownPair = 0;
};

} // namespace tessaly
