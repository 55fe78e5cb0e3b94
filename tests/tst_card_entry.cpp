#include "widgets/card_entry.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tessaly;

class tst_CardEntry : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void aboveDeckEmptiesFieldOnce();
};

void tst_CardEntry::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("card");
    QTest::newRow("one digit") << "7"
                               << "7" << 7;
    QTest::newRow("padded") << "07"
                            << "07" << 7;
    QTest::newRow("36") << "36"
                        << "36" << 36;
    QTest::newRow("letters are refused") << "a1b"
                                         << "1" << 1;
    QTest::newRow("at most two digits") << "123"
                                        << "12" << 12;
    QTest::newRow("zero") << "0"
                          << "0" << 0;
}

void tst_CardEntry::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, card);
    QWidget window;
    QLineEdit *edit = CreateCardEntry(&window, QStringLiteral("Edit1"));
    QTest::keyClicks(edit, keys);
    QCOMPARE(edit->text(), text);
    QCOMPARE(ReadCardEntry(edit), card);
    QCOMPARE(edit->objectName(), QStringLiteral("Edit1"));
}

void tst_CardEntry::aboveDeckEmptiesFieldOnce()
{
    QWidget window;
    QLineEdit *edit = CreateCardEntry(&window, QStringLiteral("Edit2"));
    edit->setText(QStringLiteral("37"));
    QSignalSpy changes(edit, &QLineEdit::textChanged);
    QCOMPARE(ReadCardEntry(edit), 0);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(changes.count(), 1);
    QCOMPARE(ReadCardEntry(edit), 0);
    QCOMPARE(changes.count(), 1);
}

QTEST_MAIN(tst_CardEntry)
#include "tst_card_entry.moc"
