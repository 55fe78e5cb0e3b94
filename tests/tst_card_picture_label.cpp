#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/card_picture.h"
#include "program_fixture.h"
#include "widgets/card_picture_label.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace tessaly;

// Runs on a screen scaled to 200 %, as a high-resolution laptop display.
class tst_CardPictureLabel : public QObject
{
    Q_OBJECT

private slots:
    void drawsAtTheScreensPixelRatio();
    void drawsAgainWhenResized();
    void hiddenLabelDrawsWhenShown();
    void namedByItsCard();
    void clipboardPictureKeepsTheScreensResolution();
};

namespace {

QImage rendered(int card, QSize size)
{
    return RenderCardPicture(card, size, 2.0).toImage();
}

} // namespace

void tst_CardPictureLabel::drawsAtTheScreensPixelRatio()
{
    CardPictureLabel label;
    label.resize(98, 148);
    label.setCard(5);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.devicePixelRatioF(), 2.0);
    QCOMPARE(label.pixmap().devicePixelRatio(), 2.0);
    // The card fitted into twice 98 x 148 pixels, not a picture scaled up.
    QCOMPARE(label.pixmap().size(), QSize(177, 296));
    QCOMPARE(label.pixmap().toImage(), rendered(5, QSize(98, 148)));
}

void tst_CardPictureLabel::drawsAgainWhenResized()
{
    CardPictureLabel label;
    label.resize(98, 148);
    label.setInset(2);
    label.setCard(0);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.pixmap().toImage(), rendered(0, QSize(94, 144)));
    label.resize(98, 128);
    QCOMPARE(label.pixmap().toImage(), rendered(0, QSize(94, 124)));
    QVERIFY(label.pixmap().deviceIndependentSize().height() <= 124);
}

void tst_CardPictureLabel::hiddenLabelDrawsWhenShown()
{
    QWidget window;
    auto *label = new CardPictureLabel(&window);
    label->setGeometry(0, 0, 98, 148);
    label->setCard(36);
    // Windows not yet opened cost nothing at start-up.
    QVERIFY(label->pixmap().isNull());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label->pixmap().toImage(), rendered(36, QSize(98, 148)));
    label->clearCard();
    QVERIFY(label->pixmap().isNull());
}

void tst_CardPictureLabel::namedByItsCard()
{
    CardPictureLabel label;
    QCOMPARE(label.accessibleName(), QStringLiteral("Geen kaart"));
    label.setCard(12);
    QCOMPARE(label.accessibleName(), QStringLiteral("12) Vogels"));
    label.setCard(0);
    QCOMPARE(label.accessibleName(), QStringLiteral("Geen kaart"));
    label.setCard(3);
    label.clearCard();
    QCOMPARE(label.accessibleName(), QStringLiteral("Geen kaart"));
}

void tst_CardPictureLabel::clipboardPictureKeepsTheScreensResolution()
{
    ProgramFixture program;
    TForm1 *main = Windows().Form1;
    QVERIFY(QTest::qWaitForWindowExposed(main));
    program.platform().confirmAnswers = {false};
    main->btBigImg->click();
    const QImage copied = program.platform().clipboardImage;
    // The client area less its top row, in the screen's pixels.
    QCOMPARE(copied.size(), QSize(880, 1316));
    // Card 1 stands centred in its 98 x 148 picture at 9,32 of the window,
    // 29 rows higher on the copy: the pixels drawn for 200 %, found within a
    // pixel or two of the centre (the label rounds), not a picture scaled up.
    const QImage card = rendered(Shared().MainSlotCards[1], QSize(98, 148));
    const QRect inner = card.rect().adjusted(8, 8, -8, -8);
    const QImage expected = card.copy(inner).convertToFormat(QImage::Format_RGB32);
    const QPoint centre((9 + 49) * 2, (32 - 29 + 74) * 2);
    const QPoint origin = centre - QPoint(card.width() / 2, card.height() / 2) + inner.topLeft();
    bool found = false;
    for (int dy = -2; dy <= 2 && !found; ++dy)
        for (int dx = -2; dx <= 2 && !found; ++dx)
            found = copied.copy(QRect(origin + QPoint(dx, dy), inner.size()))
                        .convertToFormat(QImage::Format_RGB32) == expected;
    QVERIFY(found);
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_CardPictureLabel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_card_picture_label.moc"
