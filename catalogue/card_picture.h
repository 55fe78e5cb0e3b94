#pragma once

#include <QPixmap>
#include <QString>

namespace tessaly {

// The picture of card n (0 gives the card back). Any number that gives no
// picture shows "Deze Kaart Bestaat Niet!" once and returns a null pixmap.
QPixmap LoadCardPicture(int n);

// What a screen reader announces for a picture of card n.
QString CardPictureName(int n);

} // namespace tessaly
