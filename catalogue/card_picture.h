#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRectF;
class QSize;

namespace tessaly {

// The picture of card n (0 gives the card back). Any number that gives no
// picture shows "Deze Kaart Bestaat Niet!" once and returns a null pixmap.
QPixmap LoadCardPicture(int n);

// Card n (0 = the back) drawn from its vector source into target, centred
// and keeping the card's proportions: sharp on a printer or in a PDF at any
// size. Returns false, drawing nothing, when n has no picture.
bool PaintCardPicture(QPainter &painter, int n, const QRectF &target);

// Card n drawn from its vector source to fit size (device-independent
// pixels, card proportions kept) at the given device pixel ratio, so it is
// as sharp as text on a scaled screen. Cached per card, size and ratio;
// a null pixmap when n has no picture.
QPixmap RenderCardPicture(int n, const QSize &size, qreal devicePixelRatio);

// What a screen reader announces for a picture of card n.
QString CardPictureName(int n);

} // namespace tessaly
