#pragma once

#include "saved/card_chance.h"

#include <QWidget>

namespace tessaly {

// The 36 counts as bars in card order, over the band of the usual spread
// and the line of what chance gives; marked cards in a second colour with an
// arrow. A click or the arrow keys choose a card.
class ChanceChart : public QWidget
{
    Q_OBJECT

public:
    explicit ChanceChart(QWidget *parent = nullptr);

    void setReport(const ChanceReport &report);
    // 0 for none.
    int selectedCard() const { return m_selected; }
    void selectCard(int card);
    // Where card's bar stands (its whole column), for a click.
    QRect cardColumn(int card) const;
    int cardAt(QPoint position) const;

    QSize sizeHint() const override;

signals:
    void cardSelected(int card);
    // A double click or Enter on a card.
    void cardActivated(int card);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRect plotArea() const;
    double largestValue() const;
    void describe();

    ChanceReport m_report;
    int m_selected = 0;
};

// One card's count per year as small bars, each with a tick where chance
// would have it; the year the analysis shows stands out.
class YearChart : public QWidget
{
    Q_OBJECT

public:
    explicit YearChart(QWidget *parent = nullptr);

    void setYears(const QString &cardTitle, const QList<YearCount> &years, const QString &shownYear);
    const QList<YearCount> &years() const { return m_years; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QList<YearCount> m_years;
    QString m_shownYear;
};

} // namespace tessaly
