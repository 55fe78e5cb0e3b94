#include "app/platform.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

using namespace tessaly;

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void inputOffersTheWholeText_data();
    void inputOffersTheWholeText();
};

void tst_Platform::inputOffersTheWholeText_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("a journal line") << 60;
    // Past the 32767 characters a line edit holds unless told otherwise: OK
    // would store the line cut.
    QTest::newRow("a damaged line") << 40000;
}

void tst_Platform::inputOffersTheWholeText()
{
    QFETCH(int, length);
    const QString initial =
        QStringLiteral("08.dec.26 (") + QString(length - 23, u'x') + QStringLiteral(") / 01 02 03");
    // The person presses OK at once.
    QTimer::singleShot(0, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            static_cast<QDialog *>(dialog)->accept();
    });
    const std::optional<QString> answer =
        Platform::instance().input(QStringLiteral("Bewerk Regel:"), QStringLiteral("Bewerk alles:"), initial);
    QVERIFY(answer);
    QCOMPARE(answer->size(), initial.size());
    QCOMPARE(*answer, initial);
}

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
