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

    std::array<CardPictureLabel *, 10> Image{};
    std::array<QLabel *, 10> Label{};
    QLabel *lbUitkomst = nullptr;
    QPushButton *btWissen = nullptr;
    QPushButton *btRandom = nullptr;
    QCheckBox *cbKruis = nullptr;
    QPushButton *btHoeken = nullptr;
    QPushButton *btMidde = nullptr;
    QPushButton *btVolgorde = nullptr;
    QGroupBox *Labels = nullptr;
    QPushButton *btWissel = nullptr;
    QComboBox *cbThema = nullptr;
    QPushButton *btHelp = nullptr;
    QPushButton *btGoLijn5 = nullptr;
    QPushButton *btHome = nullptr;
    QPushButton *btKopie = nullptr;
    QPushButton *btBewaar = nullptr;
    QPushButton *btOpen = nullptr;
    QPushButton *btScherm = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;
    bool FormKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
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

    std::array<QLineEdit *, 10> m_edits{};
    NineCards m_cards{};
    QButtonGroup *m_labelModes = nullptr;
    QString m_themeMemory;
};

} // namespace tessaly
