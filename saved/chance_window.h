#pragma once

#include "saved/card_chance.h"
#include "widgets/on_demand_window.h"

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessaly {

class ChanceChart;
class YearChart;

// Which cards of the journal come up more or less often than chance would
// have them, for the year the analysis window shows; a chosen card's count
// per year; the table to the clipboard and the journal as a CSV file.
class TKansAnalyse : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TKansAnalyse(QWidget *parent = nullptr);

    // Reads the journal (reporting a read error) and judges it again.
    void Recount();
    // The analysis window counted again, perhaps for another year: the same
    // journal it just read, judged for its year.
    void FollowAnalysis();

    void btSelectieClick();
    void btKopieerClick();
    void btCsvClick();
    void btHelpClick();

    const ChanceReport &report() const { return m_report; }

    OnDemand<QLabel> lbAantal{this};
    OnDemand<ChanceChart> grKans{this};
    OnDemand<QLabel> lbToets{this};
    OnDemand<QPlainTextEdit> mmOordeel{this};
    OnDemand<QLabel> lbKaart{this};
    OnDemand<YearChart> grJaren{this};
    OnDemand<QPushButton> btSelectie{this};
    OnDemand<QPushButton> btKopieer{this};
    OnDemand<QPushButton> btCsv{this};
    OnDemand<QPushButton> btHelp{this};
    OnDemand<QPushButton> btSluit{this};

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls() override;
    void showJournal(const std::optional<QStringList> &lines, quint64 generation);
    void showCard();
    bool FormKeyDown(int key);

    JournalTally m_tally;
    // The journal version the tally was made from; 0 for none.
    quint64 m_generation = 0;
    bool m_haveJournal = false;
    QString m_year;
    ChanceReport m_report;
    bool m_placed = false;
};

} // namespace tessaly
