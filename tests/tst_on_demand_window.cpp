#include "widgets/on_demand_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace tessaly;

namespace {

// A window with a button and a row of labels, counting how often it makes
// them.
class Probe : public OnDemandWindow
{
public:
    Probe()
        : OnDemandWindow(nullptr, Qt::Window)
    {
        resize(200, 100);
    }

    int made = 0;
    OnDemand<QPushButton> button{this};
    OnDemandArray<QLabel, 3> labels{this};

protected:
    void createControls() override
    {
        ++made;
        button = new QPushButton(QStringLiteral("OK"), this);
        // Reached while being made: must not start making them again.
        button->setGeometry(10, 10, 80, 25);
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i] = new QLabel(QString::number(i), this);
    }
};

using WayIn = std::function<void(Probe &)>;

} // namespace

Q_DECLARE_METATYPE(WayIn)

class tst_OnDemandWindow : public QObject
{
    Q_OBJECT

private slots:
    void madeOnceByEveryWayIn_data();
    void madeOnceByEveryWayIn();
    void notMadeByTheEventLoopAlone();
};

void tst_OnDemandWindow::madeOnceByEveryWayIn_data()
{
    QTest::addColumn<WayIn>("wayIn");
    QTest::newRow("shown") << WayIn([](Probe &w) { w.show(); });
    QTest::newRow("grabbed unshown") << WayIn([](Probe &w) { w.grab(); });
    QTest::newRow("control") << WayIn([](Probe &w) { QCOMPARE(w.button->text(), QStringLiteral("OK")); });
    QTest::newRow("row of controls") << WayIn(
        [](Probe &w) { QCOMPARE(w.labels[2]->text(), QStringLiteral("2")); });
    QTest::newRow("row walked") << WayIn([](Probe &w) {
        for (QLabel *label : w.labels)
            QVERIFY(label);
    });
    QTest::newRow("control copied") << WayIn([](Probe &w) {
        const OnDemand<QPushButton> copy(w.button);
        QVERIFY(copy.get());
    });
    QTest::newRow("asked") << WayIn([](Probe &w) { w.ensureControls(); });
}

void tst_OnDemandWindow::madeOnceByEveryWayIn()
{
    QFETCH(WayIn, wayIn);
    Probe window;
    QVERIFY(window.findChildren<QWidget *>().isEmpty());
    wayIn(window);
    QCOMPARE(window.made, 1);
    QVERIFY(window.controlsMade());
    QCOMPARE(window.findChildren<QLabel *>().size(), 3);
    QCOMPARE(window.button->parentWidget(), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.button->isVisible());
    QCOMPARE(window.made, 1);
}

// Every new window asks to be polished on the next pass of the event loop;
// answering that must not make the controls of a window nobody opened.
void tst_OnDemandWindow::notMadeByTheEventLoopAlone()
{
    Probe window;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(window.made, 0);
    QVERIFY(window.findChildren<QWidget *>().isEmpty());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.made, 1);
    QVERIFY(window.button->isVisible());
}

QTEST_MAIN(tst_OnDemandWindow)
#include "tst_on_demand_window.moc"
