#pragma once

#include "app/spread_window.h"
#include "spreads/nine_card_spread.h"
#include "widgets/card_picture_label.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

// The nine-card cross and square window.
class TForm3 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // Entry field i (1..9) of the window's card slots.
    QLineEdit *Edit(int i) const { return m_edits[i]; }

    // An opened three- or five-card entry into a cleared cross: the middle
    // row, then the slots above and below the centre.
    void TakeCrossEntry(const QList<int> &cards);
    // An opened nine-card entry into the square.
    void TakeSquareEntry(const QList<int> &cards);
    // Back to order A, caption and hint included.
    void ResetOrder();
    // Sets the nine labels again by this window's label mode, without a new
    // keyword draw (the three-card window's label refresh).
    void RelabelSlots();

    // 0 "Titels", 1 "Trefwoord"; setting a different mode runs its click handling.
    int labelMode() const;
    void setLabelMode(int mode);

    OnDemandArray<CardPictureLabel, 10> Image{this};
    OnDemandArray<QLabel, 10> Label{this};
    OnDemand<QLabel> lbUitkomst{this};
    OnDemand<QPushButton> btWissen{this};
    OnDemand<QPushButton> btRandom{this};
    OnDemand<QCheckBox> cbKruis{this};
    OnDemand<QPushButton> btHoeken{this};
    OnDemand<QPushButton> btMidde{this};
    OnDemand<QPushButton> btVolgorde{this};
    OnDemand<QGroupBox> Labels{this};
    OnDemand<QPushButton> btWissel{this};
    OnDemand<QComboBox> cbThema{this};
    OnDemand<QPushButton> btHelp{this};
    OnDemand<QPushButton> btGoLijn5{this};
    OnDemand<QPushButton> btHome{this};
    OnDemand<QPushButton> btKopie{this};
    OnDemand<QPushButton> btBewaar{this};
    OnDemand<QPushButton> btOpen{this};
    OnDemand<QPushButton> btScherm{this};

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    void createSlots();
    void createColumn();

    void slotChanged(int slot);
    // The slot's label by the label mode, with a fresh keyword draw.
    void refreshLabel(int slot);
    void recount();
    CardNumber card(int slot) const { return m_cards[slot]; }
    NineTexts texts() const;
    void writeCounted(const std::array<CountedSlot, 4> &counted);
    void setLabel(int slot, const QString &text, const QColor &color, bool bold);
    void resetTheme();
    void setOrderHint(const QString &hint);

    void btHoekenClick();
    void btMiddeClick();
    void cbThemaChange(int item);
    void btRandomClick();
    void btWissenClick();
    void btKopieClick();
    void btSchermClick();
    void btBewaarClick();
    void cbKruisClick();
    void btVolgordeClick();
    void LabelsClick();
    void btWisselClick();
    void pictureClick(int slot);
    void btGoLijn5Click();
    void btHomeClick();
    void btOpenClick();
    void btHelpClick();
    void openListOfNine(bool withFive);

    // The orders' window side.
    void NextOrder();
    void ShowOrderHint();
    void ApplyCrossLayout();
    void setButtonStates();
    void refreshKeywordLabels();
    void refreshTitleLabels();
    void refreshLabelsByMode();

    bool cross() const;
    int orderIndex() const;

    OnDemandArray<QLineEdit, 10> m_edits{this};
    NineCards m_cards{};
    OnDemand<QButtonGroup> m_labelModes{this};
    QString m_themeMemory;
};

} // namespace tessaly
