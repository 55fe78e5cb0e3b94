#include "catalogue/card_picture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace tessaly;

class tst_CardPicture : public QObject
{
    Q_OBJECT

private slots:
    void rendersEveryCardAtTheScreensPixels_data();
    void rendersEveryCardAtTheScreensPixels();
    void unknownCardDrawsNothing();
};

void tst_CardPicture::rendersEveryCardAtTheScreensPixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("100 %") << 1.0 << QSize(88, 147);
    QTest::newRow("150 %") << 1.5 << QSize(132, 221);
    QTest::newRow("200 %") << 2.0 << QSize(176, 294);
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

QTEST_MAIN(tst_CardPicture)
#include "tst_card_picture.moc"
