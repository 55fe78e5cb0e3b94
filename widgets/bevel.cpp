#include "widgets/bevel.h"

#include <QPainter>

namespace tessaly {

TSMBevel::TSMBevel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void TSMBevel::paintEvent(QPaintEvent *)
{
    // Highlight on the top or left half, shadow on the other: a raised line.
    QPainter painter(this);
    const bool horizontal = width() >= height();
    const QRect all = rect();
    QRect first = all;
    QRect second = all;
    if (horizontal) {
        first.setHeight(all.height() / 2);
        second.setTop(first.bottom() + 1);
    } else {
        first.setWidth(all.width() / 2);
        second.setLeft(first.right() + 1);
    }
    painter.fillRect(first, palette().color(QPalette::Light));
    painter.fillRect(second, palette().color(QPalette::Dark));
}

} // namespace tessaly
