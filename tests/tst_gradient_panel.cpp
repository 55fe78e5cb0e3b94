#include "widgets/gradient_panel.h"

#include <QImage>
#include <QTest>

#include <cmath>

using namespace tessaly;

namespace {

QImage paint(TGradientPanel &panel)
{
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage panelImage(int w, int h, QColor from, QColor to, int count, TDirection direction)
{
    TGradientPanel panel;
    panel.resize(w, h);
    panel.setColorFrom(from);
    panel.setColorTo(to);
    panel.setColorCount(count);
    panel.setDirection(direction);
    return paint(panel);
}

int T(double x)
{
    return int(std::trunc(x));
}

} // namespace

class tst_GradientPanel : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void repaintsOnlyOnChange();
    void blueToBlackRows();
    void oneBand();
    void bottomToTopIsReversed();
    void directionFamilies_data();
    void directionFamilies();
};

void tst_GradientPanel::defaults()
{
    TGradientPanel panel;
    QCOMPARE(panel.ColorFrom(), QColor(0, 0, 255));
    QCOMPARE(panel.ColorTo(), QColor(0, 0, 0));
    QCOMPARE(panel.ColorCount(), 64);
    QCOMPARE(panel.Direction(), TDirection::TopToBottom);
    QCOMPARE(panel.size(), QSize(100, 100));
}

void tst_GradientPanel::repaintsOnlyOnChange()
{
    TGradientPanel panel;
    panel.setColorFrom(QColor(0, 0, 255));
    panel.setColorTo(Qt::black);
    panel.setColorCount(64);
    panel.setDirection(TDirection::TopToBottom);
    QCOMPARE(panel.repaintRequests(), 0);
    panel.setColorCount(24);
    panel.setColorTo(Qt::yellow);
    panel.setDirection(TDirection::LeftToRight);
    panel.setColorFrom(Qt::red);
    QCOMPARE(panel.repaintRequests(), 4);
}

void tst_GradientPanel::blueToBlackRows()
{
    const QImage image = panelImage(100, 100, QColor(0, 0, 255), Qt::black, 64, TDirection::TopToBottom);
    // Band i fills rows T(i*100/65)-1 up to T((i+1)*100/65); the next band
    // paints over its last row, so band 0 (pure blue) lies above the panel.
    for (int i = 1; i < 64; ++i) {
        const int row = T(i * 100.0 / 65) - 1;
        const int blue = 255 - int(std::nearbyint(i * 255.0 / 63));
        QCOMPARE(image.pixelColor(50, row), QColor(0, 0, blue));
    }
    QCOMPARE(image.pixelColor(50, 0), QColor(0, 0, 251));
    for (int row = 97; row < 100; ++row)
        QCOMPARE(image.pixelColor(10, row), QColor(Qt::black));
}

void tst_GradientPanel::oneBand()
{
    const QImage image = panelImage(100, 100, Qt::red, Qt::green, 1, TDirection::TopToBottom);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(0, 48), QColor(Qt::red));
    QCOMPARE(image.pixelColor(0, 49), QColor(Qt::green)); // from T(100/2)-1 down
    QCOMPARE(image.pixelColor(99, 99), QColor(Qt::green));
}

void tst_GradientPanel::bottomToTopIsReversed()
{
    const QImage image = panelImage(100, 100, QColor(0, 0, 255), Qt::black, 64, TDirection::BottomToTop);
    QCOMPARE(image.pixelColor(50, 0), QColor(0, 0, 4));
    QCOMPARE(image.pixelColor(50, 99), QColor(0, 0, 255));
}

void tst_GradientPanel::directionFamilies_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPoint>("redAt");
    QTest::addColumn<QPoint>("blueAt");
    // Red to blue in 4 bands on 100 x 100: where each colour shows.
    QTest::newRow("LeftToRight") << int(TDirection::LeftToRight) << QPoint(0, 50) << QPoint(99, 50);
    QTest::newRow("RightToLeft") << int(TDirection::RightToLeft) << QPoint(99, 50) << QPoint(0, 50);
    QTest::newRow("EdgesToCenter") << int(TDirection::EdgesToCenter) << QPoint(0, 0) << QPoint(50, 50);
    QTest::newRow("HCenterToEdges") << int(TDirection::HCenterToEdges) << QPoint(50, 50) << QPoint(50, 0);
    QTest::newRow("VCenterToEdges") << int(TDirection::VCenterToEdges) << QPoint(50, 50) << QPoint(0, 50);
    QTest::newRow("TopLeft") << int(TDirection::TopLeft) << QPoint(0, 0) << QPoint(99, 99);
    QTest::newRow("BottomRight") << int(TDirection::BottomRight) << QPoint(99, 99) << QPoint(0, 0);
    QTest::newRow("EllipticIn") << int(TDirection::EllipticIn) << QPoint(0, 0) << QPoint(50, 50);
}

void tst_GradientPanel::directionFamilies()
{
    QFETCH(int, direction);
    QFETCH(QPoint, redAt);
    QFETCH(QPoint, blueAt);
    const QImage image = panelImage(100, 100, Qt::red, Qt::blue, 4, TDirection(direction));
    QCOMPARE(image.pixelColor(redAt), QColor(Qt::red));
    QCOMPARE(image.pixelColor(blueAt), QColor(Qt::blue));
    // Half-way lies a blend of both.
    const QColor middle = image.pixelColor((redAt + blueAt) / 2);
    QVERIFY2(middle.red() > 0 && middle.blue() > 0, qPrintable(middle.name()));
}

QTEST_MAIN(tst_GradientPanel)
#include "tst_gradient_panel.moc"
