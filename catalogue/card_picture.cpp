#include "catalogue/card_picture.h"

#include "app/platform.h"
#include "catalogue/catalogue.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <array>
#include <cmath>
#include <memory>

// The vector sources are embedded in a static library, where nothing would
// otherwise pull them into the program.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tessaly {

namespace {

// The embedded JPEGs' size, and the card outline's corner radius in its
// pixels; every vector source has the same proportions.
const QSize EmbeddedPictureSize(88, 147);
constexpr qreal CornerRadius = 4.0;

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
    if (size.isEmpty() || devicePixelRatio <= 0 || n < 0 || n > CardCount)
        return {};
    const QSize pixels =
        QSizeF(EmbeddedPictureSize).scaled(QSizeF(size) * devicePixelRatio, Qt::KeepAspectRatio).toSize();
    const QString key =
        QStringLiteral("%1/%2x%3@%4").arg(n).arg(pixels.width()).arg(pixels.height()).arg(devicePixelRatio);
    // Some 200 pictures of a few hundred KB each at the largest scales.
    static QCache<QString, QPixmap> cache(64 * 1024);
    if (const QPixmap *cached = cache.object(key))
        return *cached;
    const QSize off = pixels - EmbeddedPictureSize;
    // At 100 % the embedded JPEG is this very drawing, rendered from the same
    // source: decoding it is many times faster than drawing the vector
    // source, which matters for the ten cards of the start.
    const bool embedded = std::abs(off.width()) <= 1 && std::abs(off.height()) <= 1;
    QImage image(embedded ? EmbeddedPictureSize : pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (embedded) {
        const QImage decoded = QImage::fromData(ResourceBytes(n + 1), "JPG");
        if (decoded.isNull())
            return {};
        // Its corners were flattened to white; the drawing leaves them clear.
        QPainterPath card;
        card.addRoundedRect(QRectF(image.rect()), CornerRadius, CornerRadius);
        painter.setClipPath(card);
        painter.drawImage(QPointF(0, 0), decoded);
    } else if (!PaintCardPicture(painter, n, QRectF(image.rect()))) {
        return {};
    }
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
