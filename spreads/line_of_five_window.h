#pragma once

#include "app/spread_window.h"
#include "spreads/line_of_five.h"
#include "widgets/card_picture_label.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

class TGradientPanel;

// The line of five with its four extra counted cards (the "Schakelkaarten")
// and its five orders.
class TForm2 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // Entry field i (1..9) of the window's card slots.
    QLineEdit *Edit(int i) const { return m_edits[i]; }

    // An opened five-card entry: slots 1..5 and their pictures.
    void TakeFiveEntry(const QList<int> &cards);
    // An opened nine-card entry into the expanded line, in the square
    // arrangement.
    void TakeNineEntry(const QList<int> &cards);
    // Back to order V1, caption and hint included.
    void ResetOrder();

    // Recomputes the extra cards (expanded) or sets them to "0" (collapsed).
    void RecountExtras();
    // btPlus and Shift: shows or hides the extra cards.
    void ToggleExtras();
    // 0 "Tit.", 1 "Tref."; setting another item runs its click handling.
    int labelMode() const;
    void setLabelMode(int mode);
    void ShowKeywordLabels();
    void ShowTitleLabels();
    void CopyText();

    OnDemandArray<CardPictureLabel, 10> Image{this};
    OnDemandArray<QLabel, 11> Label{this};
    OnDemand<QLabel> lbUitkomst{this};
    OnDemand<QGroupBox> Labels{this};
    OnDemand<QPushButton> btRandom{this};
    OnDemand<QPushButton> btWissel{this};
    OnDemand<QPushButton> btKopie{this};
    OnDemand<QPushButton> btScreen{this};
    OnDemand<QPushButton> btBewaar{this};
    OnDemand<QPushButton> btOpen{this};
    OnDemand<QPushButton> btTheme{this};
    OnDemand<QPushButton> btVolg{this};
    OnDemand<QPushButton> btPlus{this};
    OnDemand<QPushButton> bt3K{this};
    OnDemand<QPushButton> btGoNine{this};
    OnDemand<QPushButton> btHelp{this};
    OnDemand<QPushButton> btWisit{this};
    OnDemandArray<QPushButton, 8> btCom{this};
    OnDemand<QPushButton> btReset{this};
    OnDemand<QPushButton> btWis4{this};
    OnDemand<QPushButton> btGoExtra{this};

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormKeyDown(QKeyEvent *event) override;
    // Label clicks.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    void setExpanded(bool expanded);
    void setTitle(LineTitle title);
    void LineSlotChange(int slot);
    void ExtraSlotChange(int slot);
    // Reads slot's text into LineCards; false when the text was not a card
    // and the field was emptied (its change handling has run again).
    bool readSlot(int slot);
    void showPicture(int slot);
    void refreshLabel(int slot);
    void Recount();
    void LabelsClick();
    void LabelClick(int slot);
    void PairClick(int first);
    void btRandomClick();
    void btWisselClick();
    void btScreenClick();
    void btBewaarClick();
    void btOpenClick();
    void openList();
    void bt3KClick();
    void btGoNineClick();
    void btThemeClick();
    void btHelpClick();
    void btWisitClick();
    void btVolgClick();
    void btResetClick();
    void btWis4Click();
    void btGoExtraClick();
    // Every empty field of slots first..last gets "0" before a hand-over.
    void fillEmpty(int first, int last);
    // Ticks the list window's kind boxes and filters once.
    void presetListKinds(bool three, bool five, bool nine);
    void closeThemes();

    OnDemandArray<QLineEdit, 10> m_edits{this};
    OnDemand<QButtonGroup> m_labelModes{this};
    OnDemand<TGradientPanel> m_background{this};
};

} // namespace tessaly
