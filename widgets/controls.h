#pragma once

#include <QRect>
#include <QString>

class QColor;
class QPushButton;
class QWidget;

namespace tessaly {

// A button placed at a fixed spot of a fixed-size window. Enter is the
// window's business, so the button does not take it just for having focus.
QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                        const QString &hint = {});

// Enter on a focused button of window presses it; false when no button of
// window has the focus.
bool PressFocusedButton(const QWidget *window);

// Font colour of a label or check box.
void SetTextColor(QWidget *widget, const QColor &color);

} // namespace tessaly
