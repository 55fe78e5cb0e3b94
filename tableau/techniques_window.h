#pragma once

#include "tableau/tableau_techniques.h"
#include "widgets/on_demand_window.h"

#include <QColor>
#include <QTimer>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListView;
class QPushButton;

namespace tessaly {

class TForm7;
class ReadingModel;
class TechniqueFrameOverlay;

// The Grand Tableau read for one card, the significator: every technique's
// cards with their pair texts, and their places framed on the tableau in a
// colour per technique. A companion of the tableau: it stands beside it and
// closes with it; closing it takes the frames away.
class TTechnieken : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TTechnieken(TForm7 *tableau);

    // Shows the window beside the tableau, with the frames.
    void ShowBeside();

    CardNumber Significator() const { return m_significator; }
    // Reads the tableau for card (1..36) and puts it in the picker.
    void SetSignificator(CardNumber card);

    // The reading of the tableau as it lies now, as the window shows it.
    TechniquesReading Reading() const;
    // The same as "Kopieer" copies it: plain text, CR LF between lines.
    QString ReadingText() const;
    // The techniques framed on each position; none while the window is closed.
    const std::array<TechniqueMask, TableauPositions + 1> &Frames() const;

    static QColor TechniqueColor(Technique technique);
    // The technique's line in the legend.
    static QString TechniqueLegend(Technique technique);

    void btKopieerClick();

    OnDemand<QLabel> lbSignificator{this};
    OnDemand<QComboBox> cbSignificator{this};
    OnDemand<QPushButton> btHeer{this};
    OnDemand<QPushButton> btVrouw{this};
    OnDemand<QLabel> lbKop{this};
    OnDemand<QGroupBox> gbLegenda{this};
    OnDemand<QListView> lbxLezing{this};
    OnDemand<QPushButton> btKopieer{this};
    OnDemand<QPushButton> btHelp{this};
    OnDemand<QPushButton> btSluit{this};

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls() override;
    QWidget *createLegend();
    void makeRoom();
    bool FormKeyDown(QKeyEvent *event);
    void refresh();
    void pickerEdited(const QString &typed);
    void lookUpRow(int row);

    TForm7 *m_tableau;
    CardNumber m_significator = 28;
    OnDemand<ReadingModel> m_model{this};
    OnDemand<TechniqueFrameOverlay> m_overlay{this};
    // Gathers the changes of one layout (36 positions in a row) into one
    // refresh.
    QTimer m_layoutChanged;
    bool m_placed = false;
};

} // namespace tessaly
