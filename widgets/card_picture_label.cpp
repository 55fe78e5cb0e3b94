#include "widgets/card_picture_label.h"

#include "catalogue/card_picture.h"

#include <QPainter>
#include <QResizeEvent>

namespace tessaly {

CardPictureLabel::CardPictureLabel(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAccessibleName(CardPictureName(0));
}

void CardPictureLabel::setCard(int n)
{
    setAccessibleName(CardPictureName(n));
    if (n == m_card)
        return;
    m_card = n;
    m_renderedSize = QSize();
    // A hidden label draws when it is shown: windows that are never opened
    // cost nothing at start-up.
    if (isVisible())
        render();
}

void CardPictureLabel::clearCard()
{
    setAccessibleName(CardPictureName(0));
    m_card = -1;
    m_renderedSize = QSize();
    clear();
}

void CardPictureLabel::setInset(int inset)
{
    m_inset = inset;
    m_renderedSize = QSize();
    if (isVisible())
        render();
}

void CardPictureLabel::render()
{
    const QSize size = contentsRect().size() - QSize(2 * m_inset, 2 * m_inset);
    const qreal ratio = devicePixelRatioF();
    if (m_card < 0 || (size == m_renderedSize && ratio == m_renderedRatio))
        return;
    m_renderedSize = size;
    m_renderedRatio = ratio;
    const QPixmap picture = RenderCardPicture(m_card, size, ratio);
    if (picture.isNull())
        clear();
    else
        setPixmap(picture);
}

void CardPictureLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (isVisible())
        render();
}

void CardPictureLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    render();
}

void CardPictureLabel::paintEvent(QPaintEvent *event)
{
    // Moved to a screen with another pixel ratio since it was drawn.
    render();
    QLabel::paintEvent(event);
    // A picture reached by Tab shows it, in the room its inset keeps free.
    if (hasFocus()) {
        QPainter painter(this);
        QPen dotted(palette().color(QPalette::WindowText), 2, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void CardPictureLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void CardPictureLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

} // namespace tessaly
