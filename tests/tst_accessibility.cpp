#include "accessible_text.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/combination_window.h"
#include "practice/practice_window.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/chance_window.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/selection_window.h"
#include "spreads/five_themes_window.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"
#include "tableau/techniques_window.h"
#include "widgets/on_demand_window.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace tessaly;

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void pictureNamesFollowTheCards();
    void namesAsHeard_data();
    void namesAsHeard();
    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
};

namespace {

QList<QWidget *> AllWindows()
{
    const WindowSet &w = Windows();
    QList<QWidget *> windows = {w.Form1,  w.Verleden, w.HelpInfo, w.Form2, w.Form3, w.Form4, w.AnalyseBox,
                                w.Bewerk, w.Selectie, w.Form5,    w.Form6, w.Form7, w.Form8};
    windows.append(w.KansAnalyse);
    return windows;
}

bool IsCardPicture(const QWidget *widget)
{
    static const QRegularExpression imageName(QStringLiteral("^Image\\d+$"));
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label && (imageName.match(label->objectName()).hasMatch() || !label->pixmap().isNull());
}

// A screen reader reaches what takes focus; a widget that hands its focus to
// another (a combo box's own edit field) is announced by that one.
bool NeedsName(const QWidget *window, const QWidget *widget)
{
    // A combo box's open list is a window of its own.
    if (widget->window() != window)
        return false;
    if (IsCardPicture(widget))
        return true;
    return widget->focusPolicy() != Qt::NoFocus && !widget->focusProxy();
}

// The name a screen reader announces (a button's caption when no name is
// set); "?" or "*" tells a listener nothing.
QString AnnouncedName(QWidget *widget)
{
    return AccessibleText(widget);
}

bool Announceable(QWidget *widget)
{
    const QString name = AnnouncedName(widget);
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

QString Describe(const QWidget *window, const QWidget *widget)
{
    QString path = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                  : widget->objectName();
    for (const QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (!up->objectName().isEmpty())
            path.prepend(up->objectName() + u'/');
    return window->objectName() + u':' + path;
}

// Every window, by its object name; a new window joins with a row. A key
// pressed once the window is shown brings out controls that start hidden.
void addWindowRows()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::newRow("main") << "Form1" << 0;
    QTest::newRow("saved list") << "Verleden" << 0;
    QTest::newRow("help") << "HelpInfo" << 0;
    QTest::newRow("line of five") << "Form2" << 0;
    QTest::newRow("line of five with extra cards") << "Form2" << int(Qt::Key_Shift);
    QTest::newRow("nine cards") << "Form3" << 0;
    QTest::newRow("three cards") << "Form4" << 0;
    QTest::newRow("analysis") << "AnalyseBox" << 0;
    QTest::newRow("edit") << "Bewerk" << 0;
    QTest::newRow("selection") << "Selectie" << 0;
    QTest::newRow("combinations") << "Form5" << 0;
    QTest::newRow("five themes") << "Form6" << 0;
    QTest::newRow("grand tableau") << "Form7" << 0;
    QTest::newRow("tableau list") << "Form8" << 0;
    QTest::newRow("techniques") << "Technieken" << 0;
    QTest::newRow("chance") << "KansAnalyse" << 0;
    QTest::newRow("practice") << "Oefenen" << 0;
}

// Shows the window of the row, active, as a user opens it.
QWidget *showRowWindow()
{
    QFETCH(QString, window);
    QFETCH(int, key);
    QWidget *shown = nullptr;
    // Made on first use.
    Windows().Form1->Oefenen();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == window)
            shown = top;
    if (!shown)
        return nullptr;
    shown->show();
    shown->raise();
    shown->activateWindow();
    if (!QTest::qWaitForWindowActive(shown))
        return nullptr;
    if (key)
        QTest::keyClick(shown->focusWidget() ? shown->focusWidget() : shown, Qt::Key(key));
    return shown;
}

// What a screen reader hears of every control it can land on, and of the
// parts of a combo box (its list and its text field), which it reads out
// on their own.
void collectUnheard(QAccessibleInterface *face, const QString &path, QStringList &unheard)
{
    const bool combo = face->role() == QAccessible::ComboBox;
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface *child = face->child(i);
        if (!child)
            continue;
        const QString name = child->text(QAccessible::Name);
        const QString where = path + u'/' + (child->object() ? child->object()->objectName() : QString()) +
                              u'[' + QString::number(child->role(), 16) + u']';
        const bool letters =
            std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
        if ((combo || child->state().focusable) && !letters)
            unheard << where + QStringLiteral(" \"%1\"").arg(name);
        // Rows of a list are named by their text.
        const QAccessible::Role role = child->role();
        if (role != QAccessible::List && role != QAccessible::Table && role != QAccessible::Tree)
            collectUnheard(child, where, unheard);
    }
}

// Radio buttons of one group are one stop: Tab lands on the checked one.
const QObject *stopOf(const QWidget *widget)
{
    if (const auto *radio = qobject_cast<const QRadioButton *>(widget))
        if (radio->group())
            return radio->group();
    return widget;
}

// Where a stop stands: a group of radio buttons in a box where its box does.
QPoint placeOf(const QWidget *window, const QWidget *widget)
{
    if (qobject_cast<const QRadioButton *>(widget) && qobject_cast<const QGroupBox *>(widget->parentWidget()))
        widget = widget->parentWidget();
    return widget->mapTo(window, QPoint());
}

// Reading order: down the window row by row, left to right in a row; tops
// within a few pixels stand in one row.
bool readsBefore(const QWidget *window, const QWidget *a, const QWidget *b)
{
    constexpr int RowTolerance = 10;
    const QPoint p = placeOf(window, a);
    const QPoint q = placeOf(window, b);
    if (std::abs(p.y() - q.y()) <= RowTolerance)
        return p.x() < q.x();
    return p.y() < q.y();
}

bool TakesTab(const QWidget *window, const QWidget *widget)
{
    return widget->window() == window && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() &&
           widget->isEnabled() && !widget->focusProxy();
}

} // namespace

void tst_Accessibility::everyControlHasAName()
{
    ProgramFixture program;
    QList<QWidget *> windows = AllWindows();
    QCOMPARE(windows.size(), 14);
    // Companions owned by the window they serve.
    windows << Windows().Form7->Technieken << Windows().Form1->Oefenen();
    QStringList nameless;
    int checked = 0;
    for (QWidget *window : windows) {
        QVERIFY(window);
        // Windows make their controls when first needed; the walk needs all.
        if (auto *onDemand = qobject_cast<OnDemandWindow *>(window))
            onDemand->ensureControls();
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!NeedsName(window, widget))
                continue;
            ++checked;
            if (!Announceable(widget))
                nameless << Describe(window, widget) + QStringLiteral(" \"%1\"").arg(AnnouncedName(widget));
        }
    }
    QVERIFY2(nameless.isEmpty(),
             qPrintable(QStringLiteral("without accessible name:\n  ") + nameless.join(u"\n  ")));
    // The walk must have found the windows' controls at all.
    QVERIFY(checked > 100);
}

void tst_Accessibility::pictureNamesFollowTheCards()
{
    ProgramFixture program;
    TForm1 *main = Windows().Form1;
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const QList<int> typed = {7, 12, 30};
    for (int k = 1; k <= 3; ++k) {
        QComboBox *picker = main->ComboBox[k];
        QCOMPARE(picker->accessibleName(), QStringLiteral("Kaart %1").arg(k));
        picker->setFocus();
        picker->lineEdit()->selectAll();
        QTest::keyClicks(picker->lineEdit(), QStringLiteral("%1").arg(typed[k - 1], 2, 10, QChar(u'0')));
    }
    for (int slot = 1; slot <= 3; ++slot)
        QCOMPARE(main->Image[slot]->accessibleName(), CardTitle(typed[slot - 1]));
    // The sum's slot changes with them.
    QCOMPARE(main->Image[4]->accessibleName(), CardTitle(Shared().MainSlotCards[4]));

    TForm2 *line = Windows().Form2;
    line->Edit(2)->setText(QStringLiteral("21"));
    QCOMPARE(line->Image[2]->accessibleName(), CardTitle(21));
    line->Edit(2)->clear();
    QCOMPARE(line->Image[2]->accessibleName(), QStringLiteral("Geen kaart"));
}

void tst_Accessibility::namesAsHeard_data()
{
    addWindowRows();
}

void tst_Accessibility::namesAsHeard()
{
    ProgramFixture program;
    QWidget *window = showRowWindow();
    QVERIFY(window);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window);
    QVERIFY(face);
    QStringList unheard;
    collectUnheard(face, window->objectName(), unheard);
    QVERIFY2(unheard.isEmpty(),
             qPrintable(QStringLiteral("heard without a name:\n  ") + unheard.join(u"\n  ")));
}

void tst_Accessibility::tabFollowsReadingOrder_data()
{
    addWindowRows();
}

void tst_Accessibility::tabFollowsReadingOrder()
{
    ProgramFixture program;
    QWidget *window = showRowWindow();
    QVERIFY(window);
    QList<const QWidget *> stops;
    for (const QWidget *widget : window->findChildren<QWidget *>())
        if (TakesTab(window, widget))
            stops.append(widget);
    if (stops.isEmpty())
        return; // A window only read, with no control to land on.
    QWidget *start = QApplication::focusWidget();
    if (!start || start->window() != window) {
        QTest::keyClick(window, Qt::Key_Tab);
        start = QApplication::focusWidget();
    }
    QVERIFY(start && start->window() == window);
    // Round the chain once with Tab, as a keyboard user does.
    QList<QWidget *> chain = {start};
    for (int step = 0; step < 200; ++step) {
        QWidget *at = QApplication::focusWidget();
        QTest::keyClick(at, Qt::Key_Tab);
        QWidget *next = QApplication::focusWidget();
        QVERIFY2(next && next != at, qPrintable(QStringLiteral("Tab stays in ") + Describe(window, at)));
        if (next == start)
            break;
        QVERIFY2(!chain.contains(next),
                 qPrintable(QStringLiteral("Tab comes back to ") + Describe(window, next)));
        chain.append(next);
    }
    QCOMPARE(QApplication::focusWidget(), start);
    // The round starts with the first stop in reading order.
    const auto first = std::min_element(
        chain.begin(), chain.end(), [window](QWidget *a, QWidget *b) { return readsBefore(window, a, b); });
    std::rotate(chain.begin(), first, chain.end());
    QStringList outOfOrder;
    for (qsizetype i = 1; i < chain.size(); ++i)
        if (!readsBefore(window, chain[i - 1], chain[i]))
            outOfOrder << Describe(window, chain[i - 1]) + QStringLiteral(" before ") +
                              Describe(window, chain[i]);
    QVERIFY2(outOfOrder.isEmpty(), qPrintable(outOfOrder.join(QStringLiteral(", "))));
    QStringList missed;
    QSet<const QObject *> reached;
    for (const QWidget *stop : std::as_const(chain))
        reached.insert(stopOf(stop));
    for (const QWidget *widget : std::as_const(stops))
        if (!reached.contains(stopOf(widget)))
            missed << Describe(window, widget);
    QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("not reached by Tab: ") + missed.join(u", ")));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
