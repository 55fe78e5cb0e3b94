#pragma once

#include <QPixmap>

namespace tessaly {

// The picture of card n (0 gives the card back). Any number that gives no
// picture shows "Deze Kaart Bestaat Niet!" once and returns a null pixmap.
QPixmap LoadCardPicture(int n);

} // namespace tessaly
