#pragma once

#include "app/spread_window.h"
#include "spreads/three_card_spread.h"
#include "widgets/card_picture_label.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

class TGradientPanel;

// The three-card spread window: three day cards and their counted-out sum.
class TForm4 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    // Entry field i (1..3) of the window's card slots.
    QLineEdit *Edit(int i) const { return m_edits[i]; }

    // 0 "Titels", 1 "Trefwoord"; setting a different mode runs its click
    // handling.
    int labelMode() const;
    void setLabelMode(int mode);

    void ShowKeywordLabels();
    void ShowTitleLabels();
    void btRandomClick();
    void btWisselClick();
    void btKopieClick();
    void btScreenClick();
    void btBewaarClick();
    void btOpenClick();
    void btGo5Click();
    void btWis3Click();
    // The pair buttons: slots first and first + 1.
    void PairClick(int first);

    // Slots 1..3, index 0 for slot 1.
    ThreeSlots ThreeCards{};
    CardNumber ThreeResult = 36;

    OnDemandArray<CardPictureLabel, 4> Image{this};
    OnDemandArray<QLabel, 4> Label{this};
    OnDemand<QLabel> lbUitkomst{this};
    OnDemand<QGroupBox> Labels{this};
    OnDemand<QPushButton> btRandom{this};
    OnDemand<QPushButton> btWissel{this};
    OnDemand<QPushButton> btKopie{this};
    OnDemand<QPushButton> btScreen{this};
    OnDemand<QPushButton> btBewaar{this};
    OnDemand<QPushButton> btOpen{this};
    OnDemand<QPushButton> btGo5{this};
    OnDemand<QPushButton> btWis3{this};
    OnDemand<QPushButton> btCom1{this};
    OnDemand<QPushButton> btCom2{this};

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormKeyDown(QKeyEvent *event) override;

private:
    void createControls() override;
    void EditChange(int i);
    void showPicture(int i);
    void Recount();
    void LabelsClick();
    void showThreeCardKinds();
    void openListOnThreeCards();

    OnDemandArray<QLineEdit, 4> m_edits{this};
    OnDemand<TGradientPanel> m_background{this};
    OnDemand<QButtonGroup> m_labelModes{this};
};

} // namespace tessaly
