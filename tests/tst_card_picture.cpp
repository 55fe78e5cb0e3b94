#include "catalogue/card_picture.h"

#include "catalogue/catalogue.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

using namespace tessaly;

class tst_CardPicture : public QObject
{
    Q_OBJECT

private slots:
    void rendersEveryCardAtTheScreensPixels_data();
    void rendersEveryCardAtTheScreensPixels();
    void unknownCardDrawsNothing();
    void embeddedPictureWithClearedCorners();
    void vectorSourceDrawsTheEmbeddedPicture();
    void drawsOnlyInsideItsTarget();
};

void tst_CardPicture::rendersEveryCardAtTheScreensPixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("100 %") << 1.0 << QSize(88, 147);
    QTest::newRow("125 %") << 1.25 << QSize(110, 184);
    QTest::newRow("150 %") << 1.5 << QSize(132, 221);
    QTest::newRow("200 %") << 2.0 << QSize(176, 294);
    QTest::newRow("300 %") << 3.0 << QSize(264, 441);
}

void tst_CardPicture::rendersEveryCardAtTheScreensPixels()
{
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    for (int n = 0; n <= 36; ++n) {
        const QPixmap picture = RenderCardPicture(n, QSize(88, 147), ratio);
        QCOMPARE(picture.size(), pixels);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(88, 147 * pixels.height() / (147 * ratio)));
        // Drawn from edge to edge, not an empty picture.
        const QImage image = picture.toImage();
        QVERIFY2(image.pixelColor(pixels.width() / 2, 1).alpha() == 255, qPrintable(QString::number(n)));
        QVERIFY2(image.pixelColor(pixels.width() / 2, pixels.height() / 2).alpha() == 255,
                 qPrintable(QString::number(n)));
        QVERIFY2(image.pixelColor(pixels.width() / 2, pixels.height() - 2).alpha() == 255,
                 qPrintable(QString::number(n)));
    }
}

void tst_CardPicture::unknownCardDrawsNothing()
{
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QVERIFY(!PaintCardPicture(painter, 37, QRectF(0, 0, 20, 20)));
    QVERIFY(!PaintCardPicture(painter, -1, QRectF(0, 0, 20, 20)));
    painter.end();
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::white));
    QVERIFY(RenderCardPicture(37, QSize(88, 147), 1).isNull());
    QVERIFY(RenderCardPicture(1, QSize(), 1).isNull());
}

// At 100 % the picture is the embedded JPEG as the toolkit decodes it, drawn
// through the card's antialiased rounded outline, pixel for pixel.
void tst_CardPicture::embeddedPictureWithClearedCorners()
{
    for (int n = 0; n <= CardCount; ++n) {
        const QImage decoded = QImage::fromData(ResourceBytes(n + 1), "JPG");
        QImage expected(decoded.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(expected.rect()), 4, 4);
        painter.setClipPath(outline);
        painter.drawImage(QPointF(0, 0), decoded);
        painter.end();
        const QImage rendered = RenderCardPicture(n, decoded.size(), 1)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(rendered == expected, qPrintable(QString::number(n)));
        QCOMPARE(qAlpha(rendered.pixel(0, 0)), 0);
        QCOMPARE(LoadCardPicture(n).toImage().convertToFormat(QImage::Format_RGB32),
                 decoded.convertToFormat(QImage::Format_RGB32));
    }
}

// The embedded JPEGs are rendered from the same sources by another SVG
// renderer. JPEG noise and font hinting make 5 to 7 per channel, the back's
// hairline lattice 13; a source using a feature Qt cannot draw (clipping,
// patterns) spills its scene over the frame and makes 19 and more.
void tst_CardPicture::vectorSourceDrawsTheEmbeddedPicture()
{
    const QSize size(88, 147);
    // Mean difference per channel between two rows of the pictures.
    auto meanDifference = [&size](const QImage &a, const QImage &b, int top, int bottom) {
        qint64 difference = 0;
        for (int y = top; y < bottom; ++y) {
            const auto *pa = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            for (int x = 0; x < size.width(); ++x)
                difference += std::abs(qRed(pa[x]) - qRed(pb[x])) + std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                              std::abs(qBlue(pa[x]) - qBlue(pb[x]));
        }
        return double(difference) / (3.0 * size.width() * (bottom - top));
    };
    for (int n = 0; n <= CardCount; ++n) {
        const QImage embedded =
            QImage::fromData(ResourceBytes(n + 1), "JPG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(embedded.size(), size);
        QImage drawn(size, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        QVERIFY(PaintCardPicture(painter, n, QRectF(QPointF(0, 0), QSizeF(size))));
        painter.end();
        const double whole = meanDifference(embedded, drawn, 0, size.height());
        QVERIFY2(whole < 15.0, qPrintable(QStringLiteral("card %1 differs by %2 per channel").arg(n).arg(whole)));
        // The name is a small part of the picture, but a fallback font for it
        // shows at once (5.6 to 14.5 here, against at most 6.2 in the named font).
        if (n == 0)
            continue;
        const double name = meanDifference(embedded, drawn, 128, 143);
        QVERIFY2(name < 7.5, qPrintable(QStringLiteral("name of card %1 differs by %2 per channel").arg(n).arg(name)));
    }
}

void tst_CardPicture::drawsOnlyInsideItsTarget()
{
    // A printed page has other things around the card.
    const QRect target(30, 30, 88, 147);
    for (int n = 0; n <= CardCount; ++n) {
        QImage page(target.size() + QSize(60, 60), QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::transparent);
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintCardPicture(painter, n, target);
        painter.end();
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (!target.contains(x, y) && qAlpha(page.pixel(x, y)) != 0)
                    QFAIL(qPrintable(QStringLiteral("card %1 drawn at %2,%3").arg(n).arg(x).arg(y)));
    }
}

QTEST_MAIN(tst_CardPicture)
#include "tst_card_picture.moc"
