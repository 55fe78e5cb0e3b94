#pragma once

#include "catalogue/catalogue.h"
#include "widgets/card_picture_label.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly {

// The main window: the daily spread of three cards counted out to a pyramid
// of ten. Closing it ends the program.
class TOefenen;

class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Picker k (1..3) changed; item is the chosen item (card - 1), or -1 when
    // the typed text matches no card.
    void ChooseSlotCard(int k, int item);
    // Sets picker k to card (0 selects nothing) and handles it as a choice.
    void SelectCard(int k, CardNumber card);
    void DrawThree();
    void RelabelAllSlots();
    void ApplyLabelMode();
    void RecountPyramid();
    void RecountMagicCard();
    void BuildCopyTexts();
    void CopyText();
    void CopyPicture();

    // 0 "&Geen", 1 "&Kaartnamen", 2 "&Trefwoorden"; setting a different mode
    // runs its click handling.
    int labelMode() const;
    void setLabelMode(int mode);

    // Slots 1..10; entry 0 unused.
    std::array<CardNumber, 11> SlotDrawn{};
    std::array<QString, 11> SlotName;
    std::array<QString, 11> SlotKeyword;
    std::array<int, 4> LastValidIndex{};
    CardNumber MagicCard = 0;
    QString CopyTextFull;
    QString CopyTextTriangle;

    std::array<QComboBox *, 4> ComboBox{};
    std::array<CardPictureLabel *, 12> Image{};
    std::array<QLabel *, 11> Label{};
    QLabel *lbMagCard = nullptr;
    QPushButton *btGO = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QPushButton *btRndTrefWoord = nullptr;
    QPushButton *bt3kaart = nullptr;
    QPushButton *btVijf = nullptr;
    QPushButton *btNegen = nullptr;
    QCheckBox *cbDriehoek = nullptr;
    QPushButton *btGrandT = nullptr;
    QPushButton *btOpenen = nullptr;
    QPushButton *btBewaren = nullptr;
    QPushButton *bt10X = nullptr;
    QPushButton *btHelp = nullptr;
    QPushButton *btBigImg = nullptr;
    QPushButton *btOefenen = nullptr;

    // The practice window, made when first asked for so that start-up does
    // not wait for it.
    TOefenen *Oefenen();
    QPushButton *btAfdrukken = nullptr;
    QPushButton *btPdf = nullptr;

signals:
    // The program ends when this window closes.
    void programEnds();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void FormCreate();
    void FormShow();
    void FormClose();
    bool FormKeyDown(QKeyEvent *event);

    void pickerEdited(int k, const QString &typed);
    void refreshSlot(int slot, CardNumber card);
    void RadioGroup1Click();
    void cbDriehoekClick();
    void btRndTrefWoordClick();
    void btHelpClick();
    void btBewarenClick();
    void btOpenenClick();

    // Hand-backs from the other spread windows when this window is shown.
    void takeThreeCards(QLineEdit *first, QLineEdit *second, QLineEdit *third);
    void takeNineSpreadBack();

    QButtonGroup *m_labelModes = nullptr;
    QPointer<TOefenen> m_oefenen;
};

} // namespace tessaly
