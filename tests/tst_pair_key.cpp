#include "combos/pair_key.h"

#include <QTest>

using namespace tessaly;
using Action = PairButtonChoice::Action;

class tst_PairKey : public QObject
{
    Q_OBJECT

private slots:
    void keyField_data();
    void keyField();
    void pairButton_data();
    void pairButton();
};

void tst_PairKey::keyField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("one digit padded") << "5"
                                      << "05";
    QTest::newRow("zero padded") << "0"
                                 << "00";
    QTest::newRow("two digits kept") << "16"
                                     << "16";
    QTest::newRow("empty kept") << ""
                                << "";
    QTest::newRow("three digits kept, never found") << "123"
                                                    << "123";
}

void tst_PairKey::keyField()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(PairKeyField(text), field);
    QCOMPARE(PairKeyOf(PairKeyField(text), QStringLiteral("16")), field + QStringLiteral("+16"));
}

void tst_PairKey::pairButton_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("5 and 16") << "5"
                              << "16" << int(Action::LookUp) << "05"
                              << "16";
    QTest::newRow("order kept") << "30"
                                << "2" << int(Action::LookUp) << "30"
                                << "02";
    QTest::newRow("empty slot as 0") << "0"
                                     << "12" << int(Action::LookUp) << "00"
                                     << "12";
    QTest::newRow("same card") << "7"
                               << "7" << int(Action::SameCard) << ""
                               << "";
    QTest::newRow("same number, other text") << "5"
                                             << "05" << int(Action::SameCard) << ""
                                             << "";
    QTest::newRow("first empty") << ""
                                 << "3" << int(Action::NotANumber) << ""
                                 << "";
    QTest::newRow("second empty") << "3"
                                  << "" << int(Action::NotANumber) << ""
                                  << "";
    QTest::newRow("both empty") << ""
                                << "" << int(Action::NotANumber) << ""
                                << "";
}

void tst_PairKey::pairButton()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, action);
    QFETCH(QString, a);
    QFETCH(QString, b);
    const PairButtonChoice choice = ChoosePairFromSlots(first, second);
    QCOMPARE(int(choice.action), action);
    QCOMPARE(choice.a, a);
    QCOMPARE(choice.b, b);
    QCOMPARE(NotANumberMessage(QString()), QStringLiteral("'' is not a valid integer value"));
}

QTEST_GUILESS_MAIN(tst_PairKey)
#include "tst_pair_key.moc"
