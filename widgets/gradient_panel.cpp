#include "widgets/gradient_panel.h"

#include <QPainter>

#include <algorithm>

namespace tessaly {

namespace {

Rgb rgb(const QColor &color)
{
    return {color.red(), color.green(), color.blue()};
}

} // namespace

TGradientPanel::TGradientPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(100, 100);
}

void TGradientPanel::setColorFrom(const QColor &color)
{
    if (color.rgb() == m_from.rgb())
        return;
    m_from = color;
    changed();
}

void TGradientPanel::setColorTo(const QColor &color)
{
    if (color.rgb() == m_to.rgb())
        return;
    m_to = color;
    changed();
}

void TGradientPanel::setColorCount(int count)
{
    count = std::clamp(count, 1, 255);
    if (count == m_count)
        return;
    m_count = count;
    changed();
}

void TGradientPanel::setDirection(TDirection direction)
{
    if (direction == m_direction)
        return;
    m_direction = direction;
    changed();
}

void TGradientPanel::changed()
{
    ++m_repaints;
    update();
}

void TGradientPanel::paintEvent(QPaintEvent *)
{
    Paint();
}

void TGradientPanel::Paint()
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    for (const GradientShape &shape :
         GradientShapes(width(), height(), rgb(m_from), rgb(m_to), m_count, m_direction)) {
        const QColor color(shape.color.red, shape.color.green, shape.color.blue);
        const QRect box(QPoint(shape.x1, shape.y1), QPoint(shape.x2 - 1, shape.y2 - 1));
        if (shape.ellipse) {
            painter.setBrush(color);
            painter.drawEllipse(QRectF(shape.x1, shape.y1, shape.x2 - shape.x1, shape.y2 - shape.y1));
        } else if (box.isValid()) {
            painter.fillRect(box, color);
        }
    }
}

} // namespace tessaly
