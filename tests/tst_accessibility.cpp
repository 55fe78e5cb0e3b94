#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
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

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace tessaly;

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void pictureNamesFollowTheCards();
};

namespace {

QList<QWidget *> AllWindows()
{
    const WindowSet &w = Windows();
    return {w.Form1,  w.Verleden, w.HelpInfo, w.Form2, w.Form3, w.Form4, w.AnalyseBox,
            w.Bewerk, w.Selectie, w.Form5,    w.Form6, w.Form7, w.Form8};
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
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
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

} // namespace

void tst_Accessibility::everyControlHasAName()
{
    ProgramFixture program;
    QList<QWidget *> windows = AllWindows();
    QCOMPARE(windows.size(), 13);
    // Companions owned by the window they serve.
    windows << Windows().Form7->Technieken;
    QStringList nameless;
    int checked = 0;
    for (QWidget *window : windows) {
        QVERIFY(window);
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

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
