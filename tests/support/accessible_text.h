#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

// What a screen reader gets from a widget: its name by default (a button's
// caption when no name is set), or its description, value and so on.
inline QString AccessibleText(QWidget *widget, QAccessible::Text kind = QAccessible::Name)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QString();
}
