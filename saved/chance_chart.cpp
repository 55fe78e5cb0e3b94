#include "saved/chance_chart.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tessaly {

namespace {

// Fixed colours on a white ground, so the chart reads the same in any
// desktop theme; the marked colour differs from the plain one in lightness
// too, for eyes that do not tell blue from orange.
const QColor Ground(255, 255, 255);
const QColor Plain(74, 122, 176);
const QColor Marked(214, 96, 20);
const QColor Band(120, 180, 120, 80);
const QColor BandEdge(60, 130, 60);
const QColor ShownYear(30, 60, 100);
const QColor Grid(225, 225, 225);
const QColor Ink(30, 30, 30);
const QColor Chosen(255, 240, 180);

struct Scale
{
    double top = 1;
    double step = 1;
};

// Round steps of 1, 2 or 5 times a power of ten, about five of them.
Scale niceScale(double largest)
{
    if (largest <= 0)
        return {1, 1};
    const double raw = largest * 1.08 / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    double step = magnitude * (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10);
    step = std::max(step, 1.0);
    return {std::ceil(largest * 1.08 / step) * step, step};
}

void drawArrow(QPainter &painter, QPointF tip, double size, bool up)
{
    QPainterPath path;
    const double half = size / 2;
    const double base = up ? tip.y() + size : tip.y() - size;
    path.moveTo(tip);
    path.lineTo(tip.x() - half, base);
    path.lineTo(tip.x() + half, base);
    path.closeSubpath();
    painter.fillPath(path, Marked);
}

QString cardNumber(int card)
{
    return QString::number(card);
}

} // namespace

ChanceChart::ChanceChart(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Kansgrafiek"));
    describe();
}

QSize ChanceChart::sizeHint() const
{
    return {744, 300};
}

void ChanceChart::setReport(const ChanceReport &report)
{
    m_report = report;
    describe();
    update();
}

void ChanceChart::selectCard(int card)
{
    card = card >= 1 && card <= CardCount ? card : 0;
    if (card == m_selected)
        return;
    m_selected = card;
    describe();
    update();
    emit cardSelected(card);
}

QRect ChanceChart::plotArea() const
{
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int left = line + 6 + metrics.horizontalAdvance(QStringLiteral("00000")) + 6;
    const int top = line * 2;
    const int bottom = line * 2 + 8;
    return QRect(left, top, width() - left - 10, height() - top - bottom);
}

double ChanceChart::largestValue() const
{
    int largest = std::max(m_report.bandHigh, int(std::ceil(m_report.expected)));
    for (int card = 1; card <= CardCount; ++card)
        largest = std::max(largest, m_report.cards[card].observed);
    return largest;
}

QRect ChanceChart::cardColumn(int card) const
{
    const QRect plot = plotArea();
    const double slot = plot.width() / double(CardCount);
    const int left = plot.left() + int(std::lround((card - 1) * slot));
    const int right = plot.left() + int(std::lround(card * slot));
    return QRect(left, plot.top(), right - left, plot.height());
}

int ChanceChart::cardAt(QPoint position) const
{
    const QRect plot = plotArea();
    // The numbers under the bars are part of their column.
    if (position.x() < plot.left() || position.x() >= plot.right() || position.y() < plot.top() ||
        position.y() > plot.bottom() + QFontMetrics(font()).height() + 4)
        return 0;
    return std::clamp(int((position.x() - plot.left()) * CardCount / plot.width()) + 1, 1, CardCount);
}

void ChanceChart::describe()
{
    QString text;
    if (m_selected) {
        const CardChance &chance = m_report.cards[m_selected];
        text = QStringLiteral("%1: %2 keer, verwacht %3")
                   .arg(CardTitles[m_selected], QString::number(chance.observed),
                        FormatExpected(m_report.expected));
        if (chance.verdict != ChanceVerdict::None)
            text += QStringLiteral(", ") + VerdictText(chance.verdict);
    } else {
        QStringList names;
        for (const int card : m_report.marked())
            names << CardNames[card] + u' ' + VerdictText(m_report.cards[card].verdict);
        text = names.isEmpty() ? QStringLiteral("Geen kaart gemarkeerd.")
                               : QStringLiteral("Gemarkeerd: ") + names.join(QStringLiteral("; ")) + u'.';
    }
    setAccessibleDescription(text);
}

void ChanceChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Ground);
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const QRect plot = plotArea();
    const Scale scale = niceScale(largestValue());
    auto yOf = [&](double value) { return plot.bottom() - value / scale.top * plot.height(); };

    // Legend along the top.
    int x = plot.left();
    const int swatch = std::max(8, line * 2 / 3);
    const int legendY = (line * 2 - swatch) / 2 - 2;
    auto legend = [&](const QString &text, auto drawSwatch) {
        drawSwatch(QRect(x, legendY, swatch * 2, swatch));
        x += swatch * 2 + 4;
        painter.setPen(Ink);
        painter.drawText(QRect(x, legendY - line, width(), swatch + 2 * line),
                         Qt::AlignVCenter | Qt::AlignLeft, text);
        x += metrics.horizontalAdvance(text) + line;
    };
    legend(QStringLiteral("geteld"), [&](QRect r) { painter.fillRect(r, Plain); });
    legend(QStringLiteral("vaker of minder vaak dan toeval"), [&](QRect r) { painter.fillRect(r, Marked); });
    legend(QStringLiteral("verwacht bij toeval"), [&](QRect r) {
        painter.setPen(QPen(Ink, 2, Qt::DashLine));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    legend(QStringLiteral("gewone spreiding (95 %)"), [&](QRect r) {
        painter.fillRect(r, Band);
        painter.setPen(BandEdge);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    });

    // Grid and the count axis.
    painter.setPen(Ink);
    for (double value = 0; value <= scale.top + 1e-9; value += scale.step) {
        const int y = int(std::lround(yOf(value)));
        painter.setPen(Grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Ink);
        painter.drawText(QRect(0, y - line, plot.left() - 6, 2 * line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(qint64(value)));
    }
    painter.save();
    painter.translate(line / 2 + 2, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -line / 2, plot.height(), line), Qt::AlignCenter,
                     QStringLiteral("Aantal leggingen"));
    painter.restore();
    painter.drawText(QRect(plot.left(), plot.bottom() + line + 6, plot.width(), line), Qt::AlignCenter,
                     QStringLiteral("Kaart"));

    if (m_report.entries > 0) {
        const QRectF band(plot.left(), yOf(m_report.bandHigh), plot.width(),
                          yOf(m_report.bandLow) - yOf(m_report.bandHigh));
        painter.fillRect(band, Band);
    }

    // The bars, the chosen one on a light ground.
    const double slot = plot.width() / double(CardCount);
    QFont bold = font();
    bold.setBold(true);
    for (int card = 1; card <= CardCount; ++card) {
        const QRect column = cardColumn(card);
        const CardChance &chance = m_report.cards[card];
        const bool marked = chance.verdict != ChanceVerdict::None;
        if (card == m_selected)
            painter.fillRect(column, Chosen);
        const double barWidth = std::max(3.0, slot * 0.7);
        const double top = yOf(chance.observed);
        const QRectF bar(column.center().x() + 1 - barWidth / 2, top, barWidth, plot.bottom() - top);
        painter.fillRect(bar, marked ? Marked : Plain);
        if (card == m_selected) {
            painter.setPen(QPen(Ink, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bar);
        }
        if (marked) {
            const double size = std::min(slot * 0.6, line * 0.7);
            drawArrow(painter,
                      QPointF(bar.center().x(), top - 3 - (chance.verdict == ChanceVerdict::More ? size : 0)),
                      size, chance.verdict == ChanceVerdict::More);
        }
        painter.setPen(Ink);
        painter.setFont(card == m_selected ? bold : font());
        painter.drawText(QRect(column.left() - 4, plot.bottom() + 3, column.width() + 8, line),
                         Qt::AlignCenter, cardNumber(card));
        painter.setFont(font());
    }

    if (m_report.entries > 0) {
        // The band's edges over the bars, so a bar shows whether it ends inside.
        painter.setPen(QPen(BandEdge, 1));
        for (const int edge : {m_report.bandLow, m_report.bandHigh})
            painter.drawLine(QPointF(plot.left(), yOf(edge)), QPointF(plot.right(), yOf(edge)));
        const double y = yOf(m_report.expected);
        painter.setPen(QPen(Ink, 2, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    } else {
        painter.setPen(Ink);
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("Geen leggingen met kaarten om te tellen."));
    }

    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (hasFocus()) {
        painter.setPen(QPen(Ink, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ChanceChart::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        if (const int card = cardAt(event->position().toPoint()))
            selectCard(card);
}

void ChanceChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        if (const int card = cardAt(event->position().toPoint())) {
            selectCard(card);
            emit cardActivated(card);
        }
}

void ChanceChart::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        selectCard(m_selected <= 1 ? 1 : m_selected - 1);
        return;
    case Qt::Key_Right:
        selectCard(m_selected >= CardCount ? CardCount : m_selected + 1);
        return;
    case Qt::Key_Home:
        selectCard(1);
        return;
    case Qt::Key_End:
        selectCard(CardCount);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ChanceChart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ChanceChart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

YearChart::YearChart(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Telling per jaar"));
    setAccessibleDescription(QStringLiteral("Geen kaart gekozen."));
}

void YearChart::setYears(const QString &cardTitle, const QList<YearCount> &years, const QString &shownYear)
{
    m_title = cardTitle;
    m_years = years;
    m_shownYear = shownYear;
    QStringList parts;
    for (const YearCount &year : years)
        parts << QStringLiteral("%1: %2").arg(year.label).arg(year.observed);
    setAccessibleDescription(cardTitle.isEmpty() ? QStringLiteral("Geen kaart gekozen.")
                                                 : cardTitle + QStringLiteral(" per jaar: ") +
                                                       parts.join(QStringLiteral(", ")));
    update();
}

void YearChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Ground);
    painter.setPen(Grid);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    painter.setPen(Ink);
    if (m_title.isEmpty()) {
        painter.drawText(rect().adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Klik op een staaf of kies een kaart met de pijltjestoetsen: "
                                        "hier verschijnt haar telling per jaar."));
        return;
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(8, 2, width() - 16, line), Qt::AlignLeft | Qt::AlignVCenter,
                     m_title + QStringLiteral(" per jaar"));
    painter.setFont(font());
    painter.drawText(QRect(8, 2, width() - 16, line), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("streepje: verwacht"));
    if (m_years.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Geen leggingen met een jaartal."));
        return;
    }

    const int left = 8 + metrics.horizontalAdvance(QStringLiteral("0000")) + 4;
    const QRect plot(left, line + 8, width() - left - 8, height() - 2 * line - 14);
    double largest = 0;
    for (const YearCount &year : m_years)
        largest = std::max({largest, double(year.observed), year.expected});
    const Scale scale = niceScale(largest);
    auto yOf = [&](double value) { return plot.bottom() - value / scale.top * plot.height(); };
    for (const double value : {0.0, scale.top}) {
        painter.setPen(Grid);
        painter.drawLine(plot.left(), int(yOf(value)), plot.right(), int(yOf(value)));
        painter.setPen(Ink);
        painter.drawText(QRect(0, int(yOf(value)) - line, left - 4, 2 * line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(qint64(value)));
    }

    const double slot = plot.width() / double(m_years.size());
    // Every year labelled if the labels fit, else every second, fifth ...
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("0000")) + 6;
    int every = 1;
    for (const int step : {1, 2, 5, 10, 20, 50, 100})
        if (slot * step >= labelWidth) {
            every = step;
            break;
        }
    QFont boldSmall = font();
    boldSmall.setBold(true);
    for (int i = 0; i < m_years.size(); ++i) {
        const YearCount &year = m_years[i];
        const double centre = plot.left() + (i + 0.5) * slot;
        const double barWidth = std::max(2.0, std::min(slot * 0.7, double(line) * 2));
        const double top = yOf(year.observed);
        const bool shown = year.year == m_shownYear;
        painter.fillRect(QRectF(centre - barWidth / 2, top, barWidth, plot.bottom() - top),
                         shown ? ShownYear : Plain);
        painter.setPen(QPen(Ink, 2));
        const double expected = yOf(year.expected);
        painter.drawLine(QPointF(centre - barWidth / 2 - 2, expected),
                         QPointF(centre + barWidth / 2 + 2, expected));
        if (i % every == 0 || shown) {
            painter.setFont(shown ? boldSmall : font());
            painter.setPen(Ink);
            painter.drawText(QRectF(centre - labelWidth / 2.0, plot.bottom() + 2, labelWidth, line),
                             Qt::AlignCenter, year.label);
            painter.setFont(font());
        }
    }
    painter.setPen(Ink);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

} // namespace tessaly
