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
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

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

struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf failed;
};

// libjpeg's default ends the program on a fault.
[[noreturn]] void leaveDecoding(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError *>(info->err)->failed, 1);
}

// Only plain C data between setjmp and longjmp.
bool decodeInto(const QByteArray &bytes, jpeg_decompress_struct &info, JpegError &error, QImage &image)
{
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = leaveDecoding;
    error.manager.output_message = [](j_common_ptr) {};
    if (setjmp(error.failed)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // Opaque pixels in the order of a 32-bit ARGB word, as the image holds them.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);
    if (info.output_width != unsigned(EmbeddedPictureSize.width()) ||
        info.output_height != unsigned(EmbeddedPictureSize.height()) || info.output_components != 4) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The embedded picture of card n, opaque; null when resource n + 1 is no
// picture of the embedded size. libjpeg itself: the toolkit's reader first
// looks through its image plugins, which costs more than decoding the ten
// pictures of the start.
QImage decodeEmbedded(int n)
{
    const QByteArray bytes = ResourceBytes(n + 1);
    if (bytes.isEmpty())
        return {};
    QImage image(EmbeddedPictureSize, QImage::Format_ARGB32_Premultiplied);
    jpeg_decompress_struct info{};
    JpegError error{};
    return decodeInto(bytes, info, error, image) ? image : QImage();
}

// The card outline's edge pixels and how much of each the outline covers,
// as an antialiased clip to the rounded outline lets through.
struct EdgePixel
{
    int x;
    int y;
    uint coverage;
};

const std::vector<EdgePixel> &outlineEdge()
{
    static const std::vector<EdgePixel> edge = [] {
        QImage mask(EmbeddedPictureSize, QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath card;
        card.addRoundedRect(QRectF(mask.rect()), CornerRadius, CornerRadius);
        painter.fillPath(card, Qt::white);
        painter.end();
        std::vector<EdgePixel> pixels;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                if (const uint coverage = qAlpha(mask.pixel(x, y)); coverage < 255)
                    pixels.push_back({x, y, coverage});
        return pixels;
    }();
    return edge;
}

// The toolkit's rounding when it scales a premultiplied pixel by a coverage.
QRgb scaled(QRgb pixel, uint coverage)
{
    uint redBlue = (pixel & 0xff00ff) * coverage;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    uint alphaGreen = ((pixel >> 8) & 0xff00ff) * coverage;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return alphaGreen | redBlue;
}

} // namespace

QPixmap LoadCardPicture(int n)
{
    // Text resources sit right after the pictures and must not count as one.
    const QImage image = n >= 0 && n <= CardCount ? decodeEmbedded(n) : QImage();
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
    QImage image;
    if (embedded) {
        image = decodeEmbedded(n);
        if (image.isNull())
            return {};
        // Its corners were flattened to white; the drawing leaves them clear.
        for (const EdgePixel &edge : outlineEdge()) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(edge.y));
            line[edge.x] = scaled(line[edge.x], edge.coverage);
        }
    } else {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!PaintCardPicture(painter, n, QRectF(image.rect())))
            return {};
    }
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
