#include "catalogue/card_picture.h"

#include "app/platform.h"
#include "catalogue/catalogue.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <memory>

// The vector sources are embedded in a static library, where nothing would
// otherwise pull them into the program.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tessaly {

namespace {

// Parsed once per card and kept: parsing is the costly part of a render.
QSvgRenderer *CardSvg(int n)
{
    static std::array<std::unique_ptr<QSvgRenderer>, CardCount + 1> renderers;
    if (n < 0 || n > CardCount)
        return nullptr;
    auto &renderer = renderers[static_cast<size_t>(n)];
    if (!renderer) {
        initPictureResources();
        renderer = std::make_unique<QSvgRenderer>(
            QStringLiteral(":/pictures/card%1.svg").arg(n, 2, 10, QLatin1Char('0')));
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return renderer->isValid() ? renderer.get() : nullptr;
}

} // namespace

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

bool PaintCardPicture(QPainter &painter, int n, const QRectF &target)
{
    QSvgRenderer *svg = CardSvg(n);
    if (!svg)
        return false;
    // An SVG clips to its own viewport, which Qt SVG leaves to the caller:
    // outlines along the card's edges would otherwise reach past it.
    QRectF card(QPointF(), QSizeF(svg->defaultSize()).scaled(target.size(), Qt::KeepAspectRatio));
    card.moveCenter(target.center());
    painter.save();
    painter.setClipRect(card, Qt::IntersectClip);
    svg->render(&painter, target);
    painter.restore();
    return true;
}

QPixmap RenderCardPicture(int n, const QSize &size, qreal devicePixelRatio)
{
    if (size.isEmpty() || devicePixelRatio <= 0 || !CardSvg(n))
        return {};
    const QSize pixels =
        (QSizeF(CardSvg(n)->defaultSize()).scaled(QSizeF(size) * devicePixelRatio, Qt::KeepAspectRatio))
            .toSize();
    const QString key = QStringLiteral("%1/%2x%3").arg(n).arg(pixels.width()).arg(pixels.height());
    // Some 200 pictures of a few hundred KB each at the largest scales.
    static QCache<QString, QPixmap> cache(64 * 1024);
    if (const QPixmap *cached = cache.object(key))
        return *cached;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCardPicture(painter, n, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    const qsizetype costKb = qMax<qsizetype>(1, image.sizeInBytes() / 1024);
    cache.insert(key, new QPixmap(pixmap), costKb);
    return pixmap;
}

QString CardPictureName(int n)
{
    return n >= 1 && n <= CardCount ? CardTitle(n) : QStringLiteral("Geen kaart");
}

} // namespace tessaly
