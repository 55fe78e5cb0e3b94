#pragma once

#include "saved/card_analysis.h"
#include "widgets/on_demand_window.h"

class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QStringListModel;

namespace tessaly {

// How often each card stands in the journal, for all years or one, in three
// presentations; a row leads to the selection of the entries holding it.
class TAnalyseBox : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TAnalyseBox(QWidget *parent = nullptr);

    // Counts again in the ticked presentation, for the filter year or all.
    void RefreshAnalysis();
    // All years.
    void RunAnalysis();
    // The year in AnalysisYear.
    void CountYear();

    void btFilterClick();
    void btLessClick();
    void btMoreClick();
    void btResetClick();
    void btSelectClick();
    void btKoppieClick();
    // Opens the chance view of the counts.
    void btKansClick();

    QStringList rows() const;
    AnalysisView view() const;
    // The filter year; empty for all years.
    QString filterYear() const { return m_year; }

    // The year the count and the prompt work with.
    QString AnalysisYear;

    OnDemand<QLabel> Label1{this};
    OnDemand<QLabel> lbAantal{this};
    OnDemand<QPushButton> btKoppie{this};
    OnDemand<QListView> lbAnalyse{this};
    OnDemand<QPushButton> btSelect{this};
    OnDemand<QPushButton> btFilter{this};
    OnDemand<QPushButton> btLess{this};
    OnDemand<QPushButton> btMore{this};
    OnDemand<QRadioButton> rbDef{this};
    OnDemand<QRadioButton> rbToon{this};
    OnDemand<QRadioButton> rbSort{this};
    OnDemand<QPushButton> btReset{this};
    OnDemand<QPushButton> OKButton{this};
    OnDemand<QPushButton> btKans{this};

signals:
    // The counts were made again, for all years or for filterYear().
    void recounted();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls() override;
    void setYear(const QString &year);
    void stepYear(int step);
    void showCounts(const CardCounts &counts);
    bool FormKeyDown(int key);

    OnDemand<QStringListModel> m_model{this};
    QString m_year;
    bool m_placed = false;
};

} // namespace tessaly
