#pragma once

#include "app/spread_window.h"
#include "tableau/tableau_line.h"
#include "widgets/card_picture_label.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaly {

class TGradientPanel;
class TTechnieken;

// The Grand Tableau list beside the program and its backup.
inline const QString TableauListFile = QStringLiteral("GrandTabLijst.txt");
inline const QString TableauBackupFile = QStringLiteral("GrandTabLijst.bak");

// The Grand Tableau: 36 positions, each with a theme and a house, filled by
// hand, at random or from the Grand Tableau list; shows a card's connections.
class TForm7 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);
    ~TForm7() override;

    // The placing loop from position p.
    void PlaceCards(int p);
    // The position clicked: places or shows a connection, as rdKlik says.
    void PositionClick(int p);
    void ShowConnection();
    void ClearConnections();
    void RandomTableau();
    // Fills the positions from a layout line; returns what was read.
    void ApplyTableauLine(const QString &line);
    // Appends the layout to the list file after asking.
    void SaveTableau();
    // Every position empty: no picture, no card, the no-card hint.
    void EmptyPositions();
    void btWisClick();
    void btOpenGTClick();

    bool placingMode() const;
    void setPlacingMode(bool placing);
    // The hint of position p as the texts give it (CR between lines), also
    // while houses hide the hints.
    QString Hint(int p) const { return m_hints[p]; }
    // The date of the saved line the layout on screen was opened from or
    // saved as; empty when it was changed since or never saved.
    QString LayoutDate() const;

    OnDemandArray<CardPictureLabel, TableauPositions + 1> Plaatje{this};
    OnDemandArray<QLabel, TableauPositions + 1> Themaas{this};
    OnDemandArray<TGradientPanel, TableauPositions + 1> Kleuren{this};

    std::array<CardNumber, TableauPositions + 1> TableauCards{};
    TableauTextArray TableauTexts;
    int PlacePosition = 0;
    int ConnectionPosition = 0;
    CardNumber ConnectionCard = 0;
    QString TableauLine;

    OnDemand<QGroupBox> rdKlik{this};
    OnDemand<QRadioButton> rbPlaats{this};
    OnDemand<QRadioButton> rbConnectie{this};
    OnDemand<QPushButton> btCon{this};
    OnDemand<QPushButton> btRandommie{this};
    OnDemand<QPushButton> btWis{this};
    OnDemand<QPushButton> btSluitprog{this};
    OnDemand<QPushButton> btOpenGT{this};
    OnDemand<QPushButton> btBewGT{this};
    OnDemand<QPushButton> btHlp{this};
    OnDemand<QCheckBox> cbThema{this};
    OnDemand<QCheckBox> cbHuiz{this};
    OnDemand<QPushButton> btTechnieken{this};
    // The reading techniques for a significator, beside the tableau.
    TTechnieken *Technieken = nullptr;

signals:
    // A position's card changed, or the layout was saved.
    void layoutChanged();

protected:
    bool FormKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    void createPositions();
    void createButtons();
    // With picture false the position shows nothing, whatever its card.
    void setPosition(int p, CardNumber card, const QString &text, bool picture, const QString &hint);
    void emptyPosition(int p);
    void setHint(int p, const QString &hint);
    void showHint(int p);
    void setPictureHeight(int height);
    void showLabels(bool houses);
    void hideLabels();
    void cbThemaClick();
    void cbHuizClick();
    void setBackground(const QColor &color);
    void showPanel(int p, const QColor &color);

    std::array<QString, TableauPositions + 1> m_hints;
    OnDemand<QButtonGroup> m_clickModes{this};
    // The line last opened or saved, for LayoutDate.
    QString m_shownLine;
};

} // namespace tessaly
