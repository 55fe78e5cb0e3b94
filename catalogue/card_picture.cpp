#include "catalogue/card_picture.h"

#include "app/platform.h"
#include "catalogue/catalogue.h"

#include <QImage>

namespace tessaly {

QPixmap LoadCardPicture(int n)
{
    // Text resources sit right after the pictures and must not count as one.
    const QImage image = QImage::fromData(ResourceBytes(n + 1), "JPG");
    if (image.isNull()) {
        Platform::instance().message(QStringLiteral("Deze Kaart Bestaat Niet!"));
        return {};
    }
    return QPixmap::fromImage(image);
}

QString CardPictureName(int n)
{
    return n >= 1 && n <= CardCount ? CardTitle(n) : QStringLiteral("Geen kaart");
}

} // namespace tessaly
